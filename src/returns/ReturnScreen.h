#pragma once
#include "charging/ChargeGridConfig.h"

#include <QDialog>
#include <QString>
#include <array>

class QCloseEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class ChargeGrid;
class FlexGrid;
class UpDown;

// The return and correction screen: takes back medicines posted to an admitted patient
// (`frmReturn`) or an out-patient visit (`frmReturnOP`), under a credit memo (return mode) or an
// adjustment slip (correction mode). One implementation; the two forms differ only by the
// profile below. Split by concern: frame, load and closing here; the patient look-up in
// ReturnScreenPatient.cpp; line entry and row tests in ReturnScreenLines.cpp; grid editing in
// ReturnScreenGrid.cpp; saving in ReturnScreenSave.cpp.
class ReturnScreen : public QDialog {
    Q_OBJECT
public:
    enum Column : int {
        colChargeSlip = 0, colCode = 1, colDescription = 2, colBrandName = 3, colIssued = 4, colQuantity = 5,
        colStock = 6, colAmount = 7, colRemarks = 8, colPriceIn = 9, colUnused10 = 10, colActualAmount = 11,
        colUnused12 = 12, colOrigAmount = 13,
    };
    static constexpr int kCols = 14;
    static constexpr int kLines = 30;

    // ReturnOrAdjustment values.
    static constexpr qint16 kReturn = 1;
    static constexpr qint16 kAdjustment = 2;

    // What tells the two forms apart; the patient banner's slots by role (-1: none on the form).
    struct Profile {
        bool inPatient = true;
        QString module;       // the form's name, for the error boxes
        QString patientKind;  // "IN-PATIENT" / "OUT-PATIENT"
        int designWidth = 0, designHeight = 0;  // inner size, twips
        int brandWidth = 0;                     // the brand-name column in the Kelvar-hospital mode
        int bannerSlots = 0;
        int slotHospNum = 0, slotStation = -1, slotName = 0, slotDoctor = 0, slotRoom = -1, slotNumber = 0,
            slotTotal = 0, slotAge = 0, slotSex = 0;
    };
    static Profile inPatientProfile();
    static Profile outPatientProfile();

    // The grid's layout, editor tables and navigation on this form (brand-name width included).
    ChargeGridConfig gridConfig() const;

    // ---- Frame, load and closing (ReturnScreen.cpp) ----
    qint16 ReturnOrAdjustment() const { return returnOrAdjustment_; }
    void setReturnOrAdjustment(qint16 value) { returnOrAdjustment_ = value; }
    // Captions by mode, the grid laid out empty and disabled, the editor tables, the buttons off.
    void Form_Load();
    // A banner label took a new text: index 5 (the number on the in-patient form, the age on the
    // out-patient one) resets the editor and the save buttons.
    void lblPatInfo_Change(int index);
    // Writes a banner label, running its change handling when the text changes.
    void setBannerText(int index, const QString& text);
    void cmdClose_Click();
    // The brand-name column's width: the profile's in the Kelvar-hospital mode, else 0.
    int BrandNameColWidth() const;
    // Widens the window, the grid frame and the grid by the brand-name column.
    void AdjustFormForBrandName();

    // ---- Patient look-up, doctor and posted list (ReturnScreenPatient.cpp) ----
    void cmdFind_Click();
    void txtFind_KeyPress(int& keyAscii);
    void txtFind_Change();
    void cmdDocCode_Click();
    void txtDocCode_KeyPress(int& keyAscii);
    void cmdPosted_Click();
    // The patient whose lines the grid holds: set by a successful look-up only, so that a refused
    // number never reaches the lines or their save; "" before the first look-up and after ClearAll.
    QString loadedPatientID() const { return loadedPatientID_; }
    // The supervisor who approved this patient's closed bill at the look-up; "" when none did.
    QString supervisorVerifyID() const { return supervisorVerifyID_; }

    // ---- Line entry and row tests (ReturnScreenLines.cpp) ----
    // The "..." button, and the commit of a column without its own check: the slip or medicine
    // pickers, the duplicate test and the filling of a new line.
    void cmdEntry_Click();
    // The commit of the current cell: the quantity check, else the look-up.
    void txtEntry_DblClick();
    // The sum of the amounts, "###0.00".
    QString TotalCharges() const;
    bool canSave() const;
    // Not blank, a quantity above 0, a code and a charge slip.
    bool CanSaveRow(int row) const;
    // Columns 1 to 13 hold only blanks (a line with only its charge slip is blank).
    bool BlankRow(int row) const;
    // A line with a code and a charge slip whose quantity and amount are both 0 (in-patient).
    bool InvalidRow() const;
    // The first line holding the code under the slip (both trimmed, case kept); 0 when none.
    int DrugPosition(const QString& code, const QString& slip) const;
    // Resets the screen after a save.
    void ClearAll();

    // ---- Grid editing (ReturnScreenGrid.cpp) ----
    void PutTextBox(int intRow, int intCol, double sngWhichCtrl, int intMax);
    // The editor tables' exclusion list (column 0 included, through its unused entries).
    bool ExcemptCol(int intCol) const;
    void cmdClearRow_Click();

    // ---- Saving (ReturnScreenSave.cpp) ----
    // Posts the entry under the next free credit memo (return) or adjustment slip (correction).
    void cmdSave_Click();
    // Saves the entry in print mode and, when that save posted, prints its slip straight away.
    void cmdPrintSave_Click();

    // Save and print state kept between uses of the screen.
    bool isEntrySaved = false;
    bool isSlipPrinted = false;
    bool isPrintSave = false;

    const Profile& profile() const { return profile_; }
    ChargeGrid* chargeGrid() const { return chargeGrid_; }
    QLineEdit* txtEntry() const;
    QPushButton* cmdEntry() const;
    UpDown* upDown() const;

    // ---- Controls ----
    QPushButton* cmdPosted = nullptr;
    QGroupBox* fraPatInfo = nullptr;
    QLineEdit* txtFind = nullptr;
    QPushButton* cmdFind = nullptr;
    QLineEdit* txtDocCode = nullptr;
    QPushButton* cmdDocCode = nullptr;
    std::array<QLabel*, 9> lblPatInfo{};  // the out-patient form has slots 0 to 6
    QGroupBox* Frame1 = nullptr;
    FlexGrid* flexMSEntry = nullptr;
    QPushButton* cmdClearRow = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLineEdit* txtRemarks = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* txtIssued = nullptr;
    QPushButton* cmdIssued = nullptr;
    QLabel* lblIssued = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    ReturnScreen(Profile profile, QWidget* parent);
    // The closing question (Exit, Escape, the close box).
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildPatientFrame();
    void buildLowerControls();
    void escapePressed();
    void grid_EnterCell();
    void grid_GotFocus();
    void enableSaveButtons();

    // Look-up helpers.
    void findAdmission();
    void findVisit();
    void showAdmission();
    void showVisit();
    void startEntry(const QString& patientId);
    void restoreLoadedPatient();
    QLabel* nameLabel() const { return lblPatInfo[static_cast<size_t>(profile_.slotName)]; }
    QLabel* totalLabel() const { return lblPatInfo[static_cast<size_t>(profile_.slotTotal)]; }
    QString nextDocumentNumber();

    // Save helpers.
    enum class SaveOutcome { Refused, Told, AlreadySaved, Posted };
    SaveOutcome saveEntry();
    void printSlip();
    QLabel* numberLabel() const { return lblPatInfo[static_cast<size_t>(profile_.slotNumber)]; }

    // Line helpers.
    bool lookUpMedicine(int row, QString& code, bool& accepted);
    bool fillNewLine(int row, const QString& code, const QString& slip);
    void commitQuantity(int row, const QString& typed);
    void showTotal();

    const Profile profile_;
    ChargeGrid* chargeGrid_ = nullptr;
    qint16 returnOrAdjustment_ = kReturn;
    QString loadedPatientID_;
    QString supervisorVerifyID_;
};

// "Post Returned Medicines ( IN-PATIENT )" / "Adjust Posted Medicines ( IN-PATIENT )".
class frmReturn : public ReturnScreen {
    Q_OBJECT
public:
    explicit frmReturn(QWidget* parent = nullptr);
};

// "Post Returned Medicines ( OUT-PATIENT )" / "Adjust Posted Medicines ( OUT-PATIENT )".
class frmReturnOP : public ReturnScreen {
    Q_OBJECT
public:
    explicit frmReturnOP(QWidget* parent = nullptr);
};

} // namespace qx
