#pragma once
#include "charging/ChargeGridConfig.h"

#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class ChargeGrid;
class FlexGrid;

// "Credit Advise": takes back lines of a paid official receipt. The user names the receipt,
// brings its lines onto the grid one by one through the receipt line picker, types the quantity
// returned on each and saves them as one credit advise (with a credit memo and a stock-card
// credit per line under pharmacy switch 23). Split by concern: frame, receipt, grid and lines
// here; the save, the slip and the reprint in frmReturnCashSave.cpp.
class frmReturnCash : public QDialog {
    Q_OBJECT
public:
    enum Column : int {
        colORNumber = 0, colCode = 1, colDescription = 2, colIssued = 3, colQuantity = 4, colUnitPrice = 5,
        colStock = 6, colAmount = 7, colReturned = 8, colDiscountType = 9, colDiscount = 10, colVAT = 11,
        colVATExempt = 12, colDiscountRate = 13, colUnitDiscount = 14, colUnitVAT = 15,
    };
    static constexpr int kCols = 16;
    static constexpr int kGridRows = 31;  // the heading and 30 lines

    explicit frmReturnCash(QWidget* parent = nullptr);
    ~frmReturnCash() override;

    static ChargeGridConfig gridConfig();

    // ---- Frame and receipt ----
    void Form_Load();
    bool GetItemToReplace(const QString& receiptNumber);
    void TotalToReplace();
    void cmdORNumber_Click();
    void cmdClose_Click();

    // ---- Grid and lines ----
    void cmdEntry_Click();
    bool isItemExists(const QString& receiptNumber, const QString& itemCode) const;
    bool ExcemptCol(int col) const;
    void txtEntry_DblClick();
    void cmdRemoveLine_Click();

    // ---- Row rules, totals and clearing ----
    bool BlankRow(int row) const;
    int BlankRows() const;
    bool CanSaveRow(int row) const;
    bool canSave() const;
    QString NoSaveRows() const;
    QString TotalCharges() const;
    void ClearAll();

    // ---- Save, slip and reprint (frmReturnCashSave.cpp) ----
    bool SaveCM();
    void cmdSave_Click();
    void cmdPrintSave_Click();
    void cmdReprint_Click();
    // The advise number of the last save of this screen; empty until one.
    QString LastAdviseNumber() const { return mLastAdvise; }

    ChargeGrid* chargeGrid() const { return chargeGrid_; }
    QLineEdit* txtEntry() const;
    QPushButton* cmdEntry() const;

    // ---- Controls ----
    QGroupBox* fraPatInfo = nullptr;
    QLineEdit* txtORNumber = nullptr;
    QPushButton* cmdORNumber = nullptr;
    QLabel* lblPayee = nullptr;
    QLabel* lblTotal = nullptr;
    QGroupBox* Frame1 = nullptr;
    FlexGrid* flexMSEntry = nullptr;
    QPushButton* cmdRemoveLine = nullptr;
    QPushButton* cmdReprint = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    void buildControls();
    void connectHandlers();
    void enableSaveByRows();
    void commitQuantity();
    // Asks the remarks the slip carries: at site OXBEN until an answer is given, else none.
    QString askRemarks() const;
    // Shows the slip of the last advise when it stands for the receipt in the box, then clears.
    bool printLastAdvise(const QString& remarks);

    ChargeGrid* chargeGrid_ = nullptr;
    QString mLastAdvise;
    bool mPrintLatch = false;
};

} // namespace qx
