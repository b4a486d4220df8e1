#pragma once
#include "charging/ChargeGridConfig.h"
#include "charging/ChargePosting.h"
#include "charging/ManualItemEntry.h"
#include "charging/ItemProfile.h"

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
class Connection;
class FlexGrid;
class UpDown;
namespace InpatientFile {
class Patient;
}

// "Manual Posting ( IN-PATIENT )": charges drugs by hand to an admitted patient. The pharmacist
// finds the patient (account checks, banner), then enters lines on the item grid.
class frmEntry : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLines = 30;

    // Grid columns.
    enum Column : int {
        colCode = 1, colDescription = 2, colBrandName = 3, colUOM = 4, colDosage = 5, colQuantity = 6,
        colStock = 7, colAmount = 8, colRemarks = 9, colUnitPrice = 10, colReferencePrice = 11,
        colMarkUpIn = 12, colMarkUpOut = 13, colOverStockChoice = 14, colFixedCharge = 15, colPosted = 16,
    };

    explicit frmEntry(QWidget* parent = nullptr);

    // The item grid's layout, editor tables and navigation on this screen.
    static ChargeGridConfig gridConfig();

    // ---- Load, patient find and closing (frmEntryPatient.cpp) ----
    // Reads the colour legend, lays the grid out disabled and learns whether items carry the
    // cash-basis restriction.
    void Form_Load();
    // Loads the patient in the box (the admitted-patient picker for a name) through the account
    // checks. A refused patient leaves the screen on the patient shown before.
    void cmdFind_Click();
    void txtFind_Change();
    void txtFind_KeyPress(int& keyAscii);
    void timerB_Timer();

    // ---- Doctor, item profile and posted medicines (frmEntryLookups.cpp) ----
    void cmdDocCode_Click();
    void txtDocCode_KeyPress(int& keyAscii);
    // The patient's earlier transactions of the item on the given line.
    void LoadListProfile(const QString& itemCode, int row);
    void cmdPosted_Click();

    // ---- Grid operations ----
    void setGrid();
    void PutTextBox(int intRow, int intCol, double sngWhichCtrl, int intMax);
    bool ExcemptCol(int col) const;
    // Every cell of columns 1 to 16 empty after trimming.
    bool BlankRow(int row) const;
    // Not blank, with a code and a dosage frequency, and a quantity and an amount above 0.
    bool CanSaveRow(int row) const;
    // At least one line can be saved.
    bool canSave() const;
    // Sum of the amounts, "###0.00".
    QString TotalCharges() const;
    // Resets the screen after posting.
    void ClearAll();

    // ---- Item entry (frmEntryItems.cpp) ----
    // The editor's "..." button: the code look-up or the dosage; the commit runs it on other columns.
    void cmdEntry_Click();
    // The editor's commit (Enter, double click): quantity and remarks, else the look-up.
    void txtEntry_DblClick();
    // The price change of a line's amount.
    void grdItemList_DblClick();
    // False, after telling the user, when the found item may not be charged to this cash-basis patient.
    bool ProceedCharge();

    // ---- Unit-price rule (frmEntryPricing.cpp) ----
    // Fills the current line for the found item (the editor holds its code); false when refused
    // for lack of stock.
    bool DisplayItem2();
    // Refills the current line with the substitute just found.
    void DisplayItem();
    // Recomputes the amount and the special prices of the current line.
    void CalculateAmount();

    // ---- Checks, posting and the slip (frmEntrySave.cpp) ----
    void cmdSave_Click();
    void cmdPrintSave_Click();
    // The save's checks in order; the first refusal is told. True when the grid may be posted.
    bool Validate();
    // Posts the complete unposted lines in one transaction (mode 1 also prints the slip); false
    // when nothing was posted because the save failed (told, the lines kept).
    bool Save(int mode);
    void PrintChargeSlip();
    // The supervisor who approved the last save under validation.
    QString strVerifyID() const { return verifyID_; }

    // ---- Handlers ----
    void cmdClearRow_Click();
    void cmdClose_Click();

    // ---- State the entry, pricing and posting read ----
    // Items are taken from the e-cart location (a closed bill or a cash-basis account charged on
    // the user's word); kept for the rest of this opening.
    bool blnUseECartLocation() const { return useECartLocation_; }
    // Only items not restricted may be charged (a cash-basis account).
    bool blnRestrictedItemsOnly() const { return restrictedItemsOnly_; }
    bool blnHasUnrestrictedColumn() const { return hasUnrestrictedColumn_; }
    QString PatientID() const { return patientID_; }
    void setPatientID(const QString& value) { patientID_ = value; }

    // Writes one line to the user log.
    std::function<void(const QString& activity)> saveUserLog;

    ChargeGrid* chargeGrid() const { return chargeGrid_; }
    ItemProfile& profile() { return profile_; }
    QLineEdit* txtEntry() const;
    QPushButton* cmdEntry() const;
    UpDown* upDown() const;

    // ---- Controls ----
    QGroupBox* fraPatInfo = nullptr;
    QLineEdit* txtFind = nullptr;
    QPushButton* cmdFind = nullptr;
    QLineEdit* txtDocCode = nullptr;
    QPushButton* cmdDocCode = nullptr;
    std::array<QLabel*, 10> lblPatInfo{};
    QLabel* lblSC = nullptr;
    QLabel* lblRoomClass = nullptr;
    QLabel* lblMarkUp = nullptr;
    QLabel* lblExecPackage = nullptr;
    QLabel* lblVIP = nullptr;
    QLabel* lblVelmira = nullptr;
    QPushButton* cmdPosted = nullptr;
    QGroupBox* fraList = nullptr;
    FlexGrid* grdItemList = nullptr;
    QCheckBox* chkDirectTransaction = nullptr;
    QPushButton* cmdClearRow = nullptr;
    QPushButton* cmdPrintPreview = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdClose = nullptr;
    QGroupBox* fraPrevious = nullptr;
    FlexGrid* flexMSHPrevious = nullptr;
    ColorLegend* ColorLegendFrame = nullptr;
    QTimer* timerB = nullptr;

    // Window heights in twips: the usual one, and the one that shows the previous orders and the
    // colour legend.
    static constexpr int kNormalHeight = 6900;
    static constexpr int kColorCodedHeight = 9090;

protected:
    // The closing question (Exit, Escape, the close box).
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    // The grid laid out disabled, the first focus opening the editor, the buttons disabled.
    void resetEntry();
    void buildPatientPanel();
    void buildLowerPanels();
    void grdItemList_EnterCell();
    void grdItemList_GotFocus();
    void txtEntry_Typed();
    void enableSaveButtons();
    ManualItemEntryConfig itemEntryConfig();
    ManualPostingGrid postingGrid() const;
    void writeQuantity(int row, double quantity);
    void saveWithMode(int mode);

    void showPatient(Connection& con, InpatientFile::Patient& patient);
    void restoreShownPatient(InpatientFile::Patient& patient);
    // The patient's values, the doctor's code and the room labels; clearBanner hides the package
    // and sponsorship labels too.
    void clearPatientValues();
    void clearBanner();

    ChargeGrid* chargeGrid_ = nullptr;
    std::unique_ptr<ManualItemEntry> itemEntry_;
    ItemProfile profile_;
    bool useECartLocation_ = false;
    bool restrictedItemsOnly_ = false;
    bool hasUnrestrictedColumn_ = false;
    QString patientID_;
    QString verifyID_;
    // The admission the banner shows; empty before the first find and after posting.
    QString shownAdmission_;
    unsigned vipColor_ = 0xC0C0FF;
};

} // namespace qx
