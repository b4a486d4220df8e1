#pragma once
#include "charging/ChargeGridConfig.h"
#include "charging/ChargePosting.h"
#include "charging/ManualItemEntry.h"
#include "charging/OutPatientPricing.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace qx {

class ChargeGrid;
class ColorLegend;
class FlexGrid;
class TypeABDiscounts;
class UpDown;

// "Manual Posting ( OUT-PATIENT )": charges drugs by hand to an out-patient visit, or to a patient
// of the master record as a new visit. The pharmacist chooses the visit (its account and doctor
// come with it), then enters lines on the item grid, each priced by the out-patient price rule.
class frmEntryOP : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLines = 30;
    // Grid columns every part of the screen names.
    enum Column {
        colLine = 0, colCode = 1, colDescription = 2, colBrand = 3, colUOM = 4, colDosage = 5, colQuantity = 6,
        colStock = 7, colAmount = 8, colRemarks = 9, colUnitPrice = 10, colGSIS = 11, colDiscount = 12,
        colGross = 13, colListPrice = 14, colOverStock = 15, colFixedCharge = 16, colPosted = 17,
    };

    explicit frmEntryOP(QWidget* parent = nullptr);

    // The item grid's editor tables, navigation and layout for a grid `gridWidth` twips wide.
    static ChargeGridConfig gridConfig(int gridWidth);

    // ---- Loading, grid and rows (frmEntryOP.cpp) ----
    void Form_Load();
    QString PatientID() const { return patientID_; }
    void setPatientID(const QString& value) { patientID_ = value; }
    void setGrid();
    void PutTextBox(int intRow, int intCol, double sngWhichCtrl, int intMax);
    bool ExcemptCol(int col) const;
    // Every cell of columns 1 to 17 empty after trimming.
    bool BlankRow(int intRow) const;
    // Not blank, with a code and a dosage frequency, and a quantity and an amount above 0.
    bool CanSaveRow(int intRow) const;
    bool canSave() const;
    // Sum of the amounts, "###0.00".
    QString TotalCharges() const;
    // Sum of the lines' discounts, "###0.00".
    QString TotalDiscount() const;
    // Some line has a code and no posted mark.
    bool checkUnPrinted() const;
    // Empties the screen for the next visit.
    void ClearAll();

    void cmdClearRow_Click();
    void cmdPosted_Click();
    void cmdClose_Click();
    void cmdSave_Click();
    void cmdPrintSave_Click();

    // ---- Item entry, quantity commit and price override (frmEntryOPItems.cpp) ----
    // The look-up of the current cell: an item on the Code column, a dosage on Dosage Frq.
    void cmdEntry_Click();
    // The editor's commit (Enter or a double click): quantity and remarks here, else the look-up.
    void txtEntry_DblClick();
    // A double click on the Amount of a line: the price change where it is allowed.
    void grdItemList_DblClick();

    // ---- Visit, account and doctor (frmEntryOPPatient.cpp) ----
    void cmdHospNum_Click();
    void cmdAcctNum_Click();
    void cmdDocCode_Click();
    void txtIDNum_KeyPress(int& keyAscii);
    void txtDocCode_KeyPress(int& keyAscii);
    void tmrPrice_Timer();
    // True once the patient was taken from the master record: the save registers a new visit.
    bool isNewVisit() const { return isNewVisit_; }
    // The charge account of the registered visit last chosen.
    QString VisitAccountNum() const { return visitAccountNum_; }

    // ---- Checks, posting and the slip (frmEntryOPSave.cpp) ----
    // The save's checks in order, the discount-type question first; the first refusal is told.
    bool Validate();
    // Validates, then posts the complete unposted lines in one transaction (mode 1 also stages and
    // prints the slip) and resets the screen; false when nothing was posted (refused, or the save
    // failed: told, the lines kept).
    bool Save(int mode);
    // Prints "OPDChargeSlip.rpt" of the slip shown, staged for the visit the lines were posted to.
    void PrintChargeSlip(const QString& visitId);
    // True once a save ended, until the next visit is chosen.
    bool blnSaved() const { return saved_; }
    // The supervisor who approved the last save under validation.
    QString strVerifyID() const { return verifyID_; }
    // Writes one line to the user log.
    std::function<void(const QString& activity)> saveUserLog;

    ChargeGrid* chargeGrid() const { return chargeGrid_; }
    TypeABDiscounts* discounts() const { return discounts_; }
    QLineEdit* txtEntry() const;
    QPushButton* cmdEntry() const;
    UpDown* upDown() const;

    // ---- Controls ----
    QGroupBox* fraPatInfo = nullptr;
    QLineEdit* txtIDNum = nullptr;
    QPushButton* cmdHospNum = nullptr;
    std::array<QLabel*, 4> lblPatInfo{};
    QLineEdit* txtAcctNum = nullptr;
    QPushButton* cmdAcctNum = nullptr;
    QLabel* lblAccount = nullptr;
    QLineEdit* txtDocCode = nullptr;
    QPushButton* cmdDocCode = nullptr;
    QLabel* lblDoctor = nullptr;
    QLabel* lblChargeSlip = nullptr;
    QLabel* lblNet = nullptr;
    QLabel* lblGross = nullptr;
    QLabel* lblDiscount = nullptr;
    QLabel* lblSC = nullptr;
    QLabel* lblVelmira = nullptr;
    QLabel* lblPrice = nullptr;
    QLabel* Label5 = nullptr;
    QCheckBox* chkGSIS = nullptr;
    QCheckBox* chkDirectTransaction = nullptr;
    QGroupBox* Frame1 = nullptr;
    FlexGrid* grdItemList = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClearRow = nullptr;
    QPushButton* cmdPosted = nullptr;
    QPushButton* cmdClose = nullptr;
    ColorLegend* Frame4 = nullptr;
    QTimer* tmrPrice = nullptr;

    // Window heights in twips: as designed, and grown to show the colour legend.
    static constexpr int kDesignedHeight = 7400;
    static constexpr int kColorCodedHeight = 8295;
    static constexpr int kGridWidth = 11220;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildHeader();
    void buildButtons();
    void grdItemList_EnterCell();
    void grdItemList_GotFocus();
    void enableSaveButtons();
    void hideCellEditor();
    ManualPostingGrid postingGrid() const;
    // The charge-slip number the next save is expected to use, for the visit in the box.
    void showChargeSlip();
    // The price label blinks while the account shown is charged out-patient prices.
    void setOutPriceBlink(bool on);
    void enableEntry(bool enabled);
    // The totals labels from the lines: gross, the percentage's share of it per `discountDivisor`
    // (the patterns differ between the refreshes), and net.
    void refreshTotals(double discountDivisor, const QString& grossPattern, const QString& discountPattern,
                       const QString& netPattern);

    // Item entry steps (frmEntryOPItems.cpp).
    ManualItemEntryConfig itemEntryConfig();
    bool fillFoundItem(int row);
    void priceLine(int row, const OutPatientPricedItem& item);
    OutPatientPriceContext priceContext() const;

    ChargeGrid* chargeGrid_ = nullptr;
    std::unique_ptr<ManualItemEntry> itemEntry_;
    TypeABDiscounts* discounts_ = nullptr;
    QString patientID_;
    QString visitAccountNum_;
    bool isNewVisit_ = false;
    bool saved_ = false;
    QString verifyID_;
};

} // namespace qx
