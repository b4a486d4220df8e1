#pragma once
#include "charging/ChargeGridConfig.h"

#include <QDialog>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class ChargeGrid;
class FlexGrid;
class UpDown;

// "Manual Posting ( IN-PATIENT )": charges drugs by hand to an admitted patient. This holds the
// item grid with its cell editor and the grid's operations; the patient find, item entry,
// pricing and posting build on them.
class frmEntry : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLines = 30;

    explicit frmEntry(QWidget* parent = nullptr);

    // The item grid's layout, editor tables and navigation on this screen.
    static ChargeGridConfig gridConfig();

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

    // ---- Handlers ----
    void cmdClearRow_Click();
    void cmdClose_Click();

    // Writes one line to the user log.
    std::function<void(const QString& activity)> saveUserLog;

    ChargeGrid* chargeGrid() const { return chargeGrid_; }
    QLineEdit* txtEntry() const;
    QPushButton* cmdEntry() const;
    UpDown* upDown() const;

    // ---- Controls ----
    QLineEdit* txtFind = nullptr;
    QLineEdit* txtDocCode = nullptr;
    std::array<QLabel*, 10> lblPatInfo{};
    QLabel* lblSC = nullptr;
    QLabel* lblRoomClass = nullptr;
    QLabel* lblMarkUp = nullptr;
    QLabel* lblVelmira = nullptr;
    FlexGrid* grdItemList = nullptr;
    QPushButton* cmdClearRow = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    void grdItemList_EnterCell();
    void grdItemList_GotFocus();
    void txtEntry_Typed();
    void enableSaveButtons();

    ChargeGrid* chargeGrid_ = nullptr;
};

} // namespace qx
