#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace qx {

class Connection;
class FlexGrid;

// Line discounts of types A and B on a charge grid: the user ticks a type, picks its rate (A) or
// two rates (B) and applies them to every priced line; unticking takes them off again. Also the
// percentage box that a screen's price rule reads as its discount percentage.
//
// Type A takes 20 as a percentage and any other rate as a divisor (1.12 takes the VAT share out);
// type B takes its first rate as a percentage and its second, rounded to a whole number, as a
// percentage of what remains. A rate of 0 takes nothing off.
class TypeABDiscounts : public QObject {
    Q_OBJECT
public:
    // Where the discount lives on a line: the net amount, the "*" mark, the discount and the gross
    // amount the discount is taken from.
    struct Columns {
        int amount = 8;
        int mark = 11;
        int discount = 12;
        int gross = 13;
    };

    // What a screen changes of the rules above.
    struct Policy {
        // Type A takes any rate as a plain percentage.
        bool plainTypeA = false;
        // The amount a line's discount is computed on, given its gross; default the gross.
        std::function<double(double gross)> base;
        // Lines that never take a discount of either type.
        std::function<bool(int row)> skipRow;
        // A rate that stands for whichever type is ticked; the discount is then kept to the centavo.
        std::function<std::optional<double>()> fixedRate;
    };

    // Creates the controls as children of `parent`, unplaced, in their state after loading: no
    // type ticked, frames and apply buttons disabled. The screen places and shows them.
    TypeABDiscounts(QWidget* parent, FlexGrid* grid, Columns columns);
    void setPolicy(Policy policy) { policy_ = std::move(policy); }

    // ---- Hooks and totals the screen gives ----
    // The screen's total of the amounts ("###0.00").
    std::function<QString()> totalCharges;
    QLabel* lblGross = nullptr;
    QLabel* lblDiscount = nullptr;
    QLabel* lblNet = nullptr;
    // Writes the totals in place of txtDiscount_LostFocus's own when the focus leaves a valid percentage.
    std::function<void()> percentageLeft;

    // Fills the rate lists from tbPharmaDiscounts ("20.00%"), each on its first entry; resets the
    // ticks, frames and apply buttons to their state after loading.
    void LoadRates(Connection& con);

    // The discount of an amount under the ticked type.
    double ComputeDiscount(double amount) const;
    // Discounts every line with a gross amount from that amount, then refreshes the totals.
    void ComputeAllDiscounts();
    // Gives every discounted line its gross amount back, then refreshes the totals.
    void RemoveDiscounts();
    // Sum of the lines' discounts, "###0.00".
    QString TotalDiscount() const;
    // The percentage in the box (0 when empty).
    double percentage() const;

    void chkTypeA_Click();
    void chkTypeB_Click();
    void txtDiscount_KeyPress(int& keyAscii);
    // False keeps the focus in the box (a percentage above 100).
    bool txtDiscount_Validate() const;
    void txtDiscount_LostFocus();

    QCheckBox* chkTypeA = nullptr;
    QCheckBox* chkTypeB = nullptr;
    QGroupBox* TypeA = nullptr;
    QGroupBox* TypeB = nullptr;
    QComboBox* cmbA = nullptr;
    QComboBox* cmbB1 = nullptr;
    QComboBox* cmbB2 = nullptr;
    QPushButton* cmdApplyA = nullptr;
    QPushButton* cmdApplyB = nullptr;
    QLineEdit* txtDiscount = nullptr;

signals:
    // Enter in the percentage box: the screen moves the focus to its grid.
    void returnToGrid();
    // The percentage box got the focus: the screen hides its cell editor.
    void percentageFocused();

private:
    void resetTypes();
    void refreshTotals();

    FlexGrid* grid_;
    Columns cols_;
    Policy policy_;
};

} // namespace qx
