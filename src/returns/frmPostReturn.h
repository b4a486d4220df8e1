#pragma once
#include "charging/ChargeGridConfig.h"

#include <QDateTime>
#include <QDialog>
#include <QString>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class ChargeGrid;
class Connection;
class FlexGrid;

// The station-return screen: one return request that a nursing station wrote into
// tbPharmaCommunication, shown with its patient, nurse and reason; the pharmacist edits the
// returned quantities, takes lines out or cancels the request, then posts it. Split by concern:
// frame, load and editing here; posting and printing in frmPostReturnSave.cpp.
class frmPostReturn : public QDialog {
    Q_OBJECT
public:
    enum Column : int {
        colChargeSlip = 0, colCode = 1, colDescription = 2, colBrandName = 3, colIssued = 4, colReturned = 5,
        colOnHand = 6, colAmount = 7, colStatus = 8,
    };
    static constexpr int kCols = 9;
    // The brand-name column's width in the Kelvar-hospital mode; the window widens by as much.
    static constexpr int kBrandNameWidth = 3000;

    explicit frmPostReturn(QWidget* parent = nullptr);

    // ---- The caller's inputs (the list row of the request), set before Form_Load ----
    QString HospNum;
    QString IDNum;
    QString CMSlip;
    QString PatientName;

    // An all-digit patient id is an admission; anything else an out-patient visit.
    bool isInPatient() const;

    // ---- Load and editing ----
    void Form_Load();
    // The request's lines, their item names and the stock on hand at the main pharmacy.
    void loadDetails();
    // The requesting nurse and the station's reason.
    void getOtherDetails();
    void SetBrandNameColumn();
    // The sum of the amounts, written as a plain number.
    void computeTotal();
    // Opens the quantity editor on the current line (nothing on a line without a code).
    void flexMSEntry_Click();
    void cmdRemoveItem_Click();
    void cmdClearRow_Click();
    void cmdClose_Click();
    // The database server's date and time.
    QDateTime Get_TransactionDate();

    // ---- Posting and printing (frmPostReturnSave.cpp) ----
    // Posts and closes the screen.
    void cmdSave_Click();
    // Posts, prints the credit memo when a line was credited, and closes the screen.
    void cmdPrintSave_Click();
    // The checks, the "RETURNED" marks, the question and the posting in one transaction; false
    // leaves the screen open with its lines. `credited` tells whether a line reached the stock card.
    bool SaveSuccessfull(bool* credited = nullptr);
    // True when the account may take the return: not discharged, or open for late charges.
    bool checkLateCharge();
    // True when the item was already credited to this patient on the charge slip.
    bool isReturned(const QString& chargeSlip, const QString& itemCode);
    // A line with a slip, a code, a returned quantity and an amount.
    bool CanSaveRow(int row) const;

    ChargeGrid* chargeGrid() const { return chargeGrid_; }
    QLineEdit* txtEntry() const;

    // ---- Controls ----
    QGroupBox* fraPatInfo = nullptr;
    QLineEdit* txtIDNum = nullptr;
    QLabel* txtHospNum = nullptr;
    QLabel* txtPatientName = nullptr;
    QLabel* txtCMSlip = nullptr;
    QLabel* lblPatientType = nullptr;
    std::array<QLabel*, 9> lblPatInfo{};  // 0 nurse, 1 station, 3 doctor, 4 room, 7 age, 8 sex
    QGroupBox* Frame1 = nullptr;
    FlexGrid* flexMSEntry = nullptr;
    QLabel* txtTotal = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLineEdit* txtRemarks = nullptr;
    QPushButton* cmdRemoveItem = nullptr;
    QPushButton* cmdClearRow = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    // The form's name in the error boxes.
    static inline const QString kModule = QStringLiteral("frmPostReturn");

    ChargeGridConfig gridConfig() const;
    void commitQuantity(int row, const QString& typed);
    void leaveForRemarks();
    bool hasCode(int row) const;
    void printCreditMemo();

    ChargeGrid* chargeGrid_ = nullptr;
    // The patient's attending doctor, which the credit lines carry.
    QString doctorCode_;
};

} // namespace qx
