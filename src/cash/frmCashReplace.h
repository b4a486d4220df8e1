#pragma once
#include "charging/ChargeGridConfig.h"

#include <QDialog>
#include <QString>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

namespace report {
class Report;
}

class ChargeGrid;
class FlexGrid;

// "Replace Medicine": exchanges the items of a paid official receipt. The receipt's lines are
// listed with their total; the replacement items are entered at the out-patient price rounded up
// to the next 0.25; the save takes every receipt line back and issues the replacements under the
// same receipt number, within the receipt's total. Split by concern: frame, receipt, grid and
// entry here; the save and the receipt print in frmCashReplaceSave.cpp.
class frmCashReplace : public QDialog {
    Q_OBJECT
public:
    enum Column : int {
        colNumber = 0, colCode = 1, colDescription = 2, colUnitPrice = 3, colQuantity = 4, colStock = 5,
        colAmount = 6, colRemarks = 7, colOldUnitPrice = 8,
    };
    // Columns of the receipt grid the screen and the save read.
    enum ReceiptColumn : int {
        rcCode = 1, rcDescription = 2, rcQuantity = 4, rcAmount = 6, rcDoctor = 9, rcHospNum = 10, rcIDNum = 11,
    };
    static constexpr int kCols = 16;
    static constexpr int kGridRows = 31;  // the heading and 30 lines
    static constexpr int kGridWidth = 10155;

    explicit frmCashReplace(QWidget* parent = nullptr);
    ~frmCashReplace() override;

    static ChargeGridConfig gridConfig();

    // ---- Receipt ----
    bool GetItemToReplace(const QString& receiptNumber);
    void TotalToReplace();
    void cmdORNumber_Click();
    // The receipt the last look-up found; empty before one.
    QString ListedReceipt() const { return mListedReceipt; }

    // ---- Grid and entry ----
    void cmdEntry_Click();
    void txtEntry_DblClick();
    void flexMSEntry_DblClick();
    void cmdClearRow_Click();
    void cmdClearAll_Click();
    void cmdClose_Click();
    bool ExcemptCol(int col) const;

    // ---- Row rules, totals and clearing ----
    QString TotalCharges() const;
    bool BlankRow(int row) const;
    int BlankRows() const;
    bool CanSaveRow(int row) const;
    bool canSave() const;
    QString NoSaveRows() const;
    void ClearAll(bool clearTotal);

    // ---- Save and receipt (frmCashReplaceSave.cpp) ----
    bool SaveEntry();
    void PrintReplacementOR();
    // The replacement receipt of a receipt number opened with its parameters, tables on INVENTORY.
    static std::shared_ptr<report::Report> OpenReplacementOR(const QString& receiptNumber);
    void cmdSave_Click();
    void cmdPrintSave_Click();

    ChargeGrid* chargeGrid() const { return chargeGrid_; }
    QLineEdit* txtEntry() const;

    // ---- Controls ----
    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtORNumber = nullptr;
    QPushButton* cmdORNumber = nullptr;
    QLineEdit* txtPatName = nullptr;
    FlexGrid* flexGrdReplace = nullptr;
    QLabel* lblTotalReplace = nullptr;
    QGroupBox* Frame2 = nullptr;
    FlexGrid* flexMSEntry = nullptr;
    QLabel* lblTotal = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdClearRow = nullptr;
    QPushButton* cmdClearAll = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void connectHandlers();
    bool enterItem();
    void fillLineFromDrug(int row);
    void commitQuantity();
    void refreshTotal();
    // Closing with savable lines asks first; true when the screen may close.
    bool confirmClose();
    // The line's amount from its quantity and a unit price, rounded up to the next 0.25.
    void priceLine(int row, double unitPrice);

    ChargeGrid* chargeGrid_ = nullptr;
    QString mListedReceipt;
    bool mClosing = false;
};

} // namespace qx
