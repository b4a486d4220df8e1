#pragma once
#include "charging/ChargeGridConfig.h"

#include <QDialog>
#include <QString>
#include <set>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace qx {

class ChargeGrid;
class FlexGrid;
class UpDown;

// "Pharmacy Cash Sales": sells an admitted patient's transcribed prescription lines for cash. The
// pharmacist chooses the actual drug of each transcribed generic, adjusts quantities, applies the
// cash discounts, takes the tendered cash and prints the receipts. Split by concern: frame and load
// (frmEntryCash.cpp), grid and editor (frmEntryCashGrid.cpp), item entry and pricing
// (frmEntryCashItems.cpp), totals, row checks and clearing (frmEntryCashTotals.cpp), discounts
// (frmEntryCashDiscounts.cpp) and the save (frmEntryCashSave.cpp).
class frmEntryCash : public QDialog {
    Q_OBJECT
public:
    enum Column : int {
        colNumber = 0, colCode = 1, colDescription = 2, colUnitPrice = 3, colQuantity = 4, colStock = 5,
        colAmount = 6, colUnused = 7, colPriceIn = 8, colPriceOut = 9, colUnitCost = 10, colDiscountable = 11,
        colLineMark = 12, colClass = 16, colDosage = 18, colRemarks = 19, colWaiting = 20, colRequestNum = 21,
        colEntryAmount = 23, colBeforeTypeDiscount = 24, colTypeDiscount = 25,
    };
    static constexpr int kCols = 26;
    static constexpr int kGridRows = 31;  // the heading and 30 lines
    static constexpr int kEditorColumns = 18;
    // The layout width of the grid, in twips.
    static constexpr int kGridWidth = 10155;

    // Builds the controls; the load runs when the caller shows the screen (after IDNum and RoomID).
    explicit frmEntryCash(QWidget* parent = nullptr);
    ~frmEntryCash() override;

    static ChargeGridConfig gridConfig();

    // ---- Public properties ----
    QString IDNum() const { return mIDNum; }
    void setIDNum(const QString& value) { mIDNum = value; }
    QString RoomID() const { return mRoomID; }
    void setRoomID(const QString& value) { mRoomID = value; }
    bool EntrySaved() const { return mEntrySaved; }
    void setEntrySaved(bool value) { mEntrySaved = value; }

    // ---- Frame ----
    void Form_Load();
    void Form_Activate();
    void cmdClose_Click();
    bool Form_QueryUnload();

    // ---- Grid and editor ----
    bool ExcemptCol(int col) const;
    void PutTextBox(int row, int col, double whichCtrl, double maxLength);
    void HideEntryControls();
    void flexMSEntry_Click();
    void flexMSEntry_EnterCell();
    void flexMSEntry_GotFocus();
    void flexMSEntry_DblClick(int mouseCol);
    // The line button follows the current row: enabled (captioned "OK" on a marked row) only on a
    // row with text while Other Discount is ticked with a rate above 0.
    void setDiscountButton();

    // ---- Item entry ----
    void cmdEntry_Click();
    void txtEntry_DblClick();

    // ---- Totals, row checks, tendered cash and clearing ----
    QString TotalCharges();
    bool BlankRow(int row) const;
    int BlankRows() const;
    bool CanSaveRow(int row) const;
    bool canSave();
    QString NoSaveRows() const;
    void ComputeChange();
    void ClearAll(bool blnClearAll);
    void txtCash_GotFocus();
    void txtCash_Enter();
    void txtCash_LostFocus();

    // ---- Discounts ----
    // The typed other-discount rate: the box's text without "%", its leading number.
    double typedOtherRate() const;
    void DiscountItems();
    void OtherDiscountItems();
    double ComputeDiscount(double amount) const;
    void ComputeAllDiscounts();
    void RemoveDiscounts();
    void chkSenior_Click();
    void chkEmployee_Click();
    void chkAtCost_Click();
    void cmdDiscount_Click();
    void txtOtherDesc_Change();
    void txtOtherDesc_GotFocus();
    void txtOtherDesc_LostFocus();
    void udOtherDisc_UpClick();
    void udOtherDisc_DownClick();
    void chkTypeA_Click();
    void chkTypeB_Click();
    void cmdApplyA_Click();
    void cmdApplyB_Click();

    // ---- Save ----
    void cmdPrintSave_Click();

    ChargeGrid* chargeGrid() const { return chargeGrid_; }
    QLineEdit* txtEntry() const;
    QPushButton* cmdEntry() const;
    UpDown* upDown() const;

    // ---- Controls ----
    QGroupBox* Frame4 = nullptr;
    QLabel* lblPatInfo[3] = {};
    QLabel* lblCSSlip = nullptr;
    QGroupBox* Frame1 = nullptr;
    FlexGrid* flexMSEntry = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* lblTotal = nullptr;
    QLineEdit* txtCash = nullptr;
    QLabel* lblChange = nullptr;
    QGroupBox* Frame2 = nullptr;
    QCheckBox* chkSenior = nullptr;
    QCheckBox* chkEmployee = nullptr;
    QGroupBox* frmEmpDisc = nullptr;
    QLineEdit* txtOtherDesc = nullptr;
    UpDown* udOtherDisc = nullptr;
    QPushButton* cmdDiscount = nullptr;
    QLabel* lblDiscountTitle = nullptr;
    QLabel* lblDiscount = nullptr;
    QCheckBox* chkAtCost = nullptr;
    QCheckBox* chkTypeA = nullptr;
    QGroupBox* TypeA = nullptr;
    QComboBox* cmbA = nullptr;
    QPushButton* cmdApplyA = nullptr;
    QCheckBox* chkTypeB = nullptr;
    QGroupBox* TypeB = nullptr;
    QComboBox* cmbB1 = nullptr;
    QComboBox* cmbB2 = nullptr;
    QPushButton* cmdApplyB = nullptr;
    QGroupBox* Frame5 = nullptr;
    QTextEdit* txtRemarks = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdClose = nullptr;

    // Escape anywhere on the screen runs the Exit button.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    void loadTranscription();
    void loadDiscountLists();
    void enableSaveByRows();
    // Item entry: chooses the drug of the current line and fills it; true when filled.
    bool enterItem();
    void fillLineFromDrugInfo(int row);
    // Prices the line at the quantity: the plain price, then the discount rule's price when it applies.
    void priceLine(int row, double quantity, bool applySenior, bool applyOther);
    // The over-stock choice "Find Substitute Drug"; `substituted` tells whether a discountable
    // substitute was taken.
    void takeSubstitute(int row, bool& substituted);
    void refreshTotals();
    void toggleLineMark(int row);
    void repriceRows(double rate, bool markedRowsOnly, bool markRows);
    bool askIgnoreTypedRate();
    void resetTypeLists();

    ChargeGrid* chargeGrid_ = nullptr;
    QString mIDNum;
    QString mRoomID;
    bool mEntrySaved = false;
    bool mLoaded = false;
    // Set by ClearAll; the grid's next focus blanks the total, the tendered cash and the change.
    bool mFirstFocus = false;
    std::set<int> mExemptCols;
    double mColMaxLength[kEditorColumns] = {};
    double mColEditor[kEditorColumns] = {};
    // Re-entrant tick handling (a handler that unticks its own box) asks nothing twice.
    bool mInDiscountHandler = false;
};

} // namespace qx
