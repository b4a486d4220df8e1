#pragma once
#include "charging/ItemProfile.h"

#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QLineEdit;

namespace qx {

class ChargeGrid;
class FlexGrid;
class UpDown;
struct ChargeGridConfig;

// "Automatic Dispensing ( Unit Dose )": one admitted patient's standing unit-dose requests, with
// stock, price and amount, dispensed under a charge slip. One instance serves every opening; each
// opening loads the window afresh from PatientID.
class frmUDEntry : public QDialog {
    Q_OBJECT
public:
    enum Column {
        kColNumber = 0, kColCode = 1, kColDescription = 2, kColDosage = 3, kColRequested = 4, kColIssued = 5,
        kColStock = 6, kColAmount = 7, kColRemarks = 8, kColUnitPrice = 9, kColPassOn = 10,
    };
    static constexpr int kCols = 11;
    static constexpr int kDesignWidth = 12600;  // twips
    static constexpr int kDesignHeight = 9000;

    // The line marks, tested by exact text.
    static const QString kIssuedToday;    // "--Issued--" in Remarks
    static const QString kNotServable;    // "XXX"
    static const QString kByPassed;       // "BYPASSED"
    static const QString kDiscontinued;   // "DISCONTINUED" in Dosage Frq.
    static const QString kDiscontinuedRemark;  // "--Discontinued--"

    explicit frmUDEntry(QWidget* parent = nullptr);
    ~frmUDEntry() override;
    static frmUDEntry& Default();

    QString PatientID() const { return patientID_; }
    void setPatientID(const QString& value) { patientID_ = value; }

    // ---- Opening and loading (frmUDEntryLoad.cpp) ----
    // The opening: flags cleared, the header of the admission, the list under "For Unit Dose Only".
    void Form_Load();
    void LoadUnitDoseList(const QString& filter);
    void LoadListProfile(const QString& admission, const QString& itemCode, int row);
    // Sum of the Amount column, "###0.00"; "XXX" lines are left out.
    QString TotalCharges() const;
    void Option1_Click();
    void Option2_Click();
    void cmdPosted_Click();
    void cmdDrugProfile_Click();
    void cmdClose_Click();

    // ---- Grid, editor and line tests (frmUDEntryGrid.cpp) ----
    // The grid's shape for a grid `gridTwips` wide: widths follow the width.
    static ChargeGridConfig gridConfig();
    static std::vector<int> columnWidths(int gridTwips);
    void PutTextBox(int intRow, int intCol, double sngWhichCtrl, int intMax);
    bool ExcemptCol(int col) const;
    bool BlankRow(int row) const;
    bool CanSaveRow(int row) const;
    bool canSave() const;
    bool AllByPassed() const;
    void flexMSEntry_EnterCell();
    void flexMSEntry_GotFocus();

    // ---- Item entry and line commit (frmUDEntryItems.cpp) ----
    // The editor's "..." button: the code or dosage look-up on the current cell.
    void cmdEntry_Click();
    // The editor's commit (Enter, double click): the quantity with its checks, the remarks.
    void txtEntry_DblClick();

    // ---- Serving (frmUDEntrySave.cpp) ----
    // The first incomplete line (no quantity, amount or dosage); 0 when none.
    int EntryCheck() const;
    void cmdSave_Click();
    void cmdPrintSave_Click();
    void cmdPrintBarCode_Click();
    void cmdDiscontinue_Click();
    void cmdCancel_Click();

    // Flags of one opening.
    bool DataSaved = false;
    bool PrintAfterSave = false;
    bool SaveDone = false;
    bool SlipPrinted = false;

    ChargeGrid* chargeGrid() const { return chargeGrid_; }
    const ItemProfile& profile() const { return profile_; }
    QLineEdit* txtEntry() const;
    QPushButton* cmdEntry() const;
    UpDown* UpDownCtl() const;

    // ---- Controls ----
    QGroupBox* fraPatInfo = nullptr;
    std::array<QLabel*, 10> Label1{};
    std::array<QLabel*, 10> lblPatInfo{};
    QLabel* lblVelmira = nullptr;
    QGroupBox* fraDrugType = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QPushButton* cmdPosted = nullptr;
    QGroupBox* Frame1 = nullptr;
    FlexGrid* flexMSEntry = nullptr;
    QGroupBox* Frame2 = nullptr;
    FlexGrid* flexMSHPrevious = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdDiscontinue = nullptr;
    QPushButton* cmdDrugProfile = nullptr;
    QPushButton* cmdPrintBarCode = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildForm();
    void buildHeader();
    void buildButtons();
    void connectGrid();
    void layOutGrid();
    void loadHeader();
    // Writes a listed request's line with its values (the drug component's current item).
    void writeLine(int row, int line, const Recordset& requests);
    // The closing question; true when the screen may close.
    bool mayClose();
    // Escape anywhere on the screen: the close, and the focus on Exit when the user stays.
    void escapeToClose();
    void setLineButtons();
    bool lookUpCode(int row);
    bool lookUpDosage(int row);
    // The over-stock prompt's substitute: true when the line took a found item.
    bool findSubstitute(int row);
    // The save of Save and Print: the number of lines it posted, -1 when it stopped before.
    int save();
    // The charge slip of the number shown, printed once without a dialog.
    void printSlip();
    // Marks the current line with a state and hides the editor; `button` is disabled after.
    void markLine(const QString& dosageMark, const QString& quantityMark, const QString& remarksMark,
                  QPushButton* button);

    QString patientID_;
    ChargeGrid* chargeGrid_ = nullptr;
    ItemProfile profile_;
};

} // namespace qx
