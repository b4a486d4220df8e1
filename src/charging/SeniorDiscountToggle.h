#pragma once
#include <QPixmap>
#include <QString>

namespace qx {

class FlexGrid;

// The senior-citizen discount of one request line, switched on and off by the pharmacist.
struct SeniorDiscountLine {
    int row = 0;
    int amountCol = 12, markCol = 19, oldAmountCol = 20, stateCol = 8;
    // Where the check box is drawn: the grid's current cell.
    int pictureRow = 0, pictureCol = 0;
};

// On: the amount less the percent (plain number text), the amount before kept, the mark "*" and
// the ticked box. Off: the amount kept before is restored, the mark cleared, the empty box.
// Nothing changes on a cancelled or delayed line, on an amount that is not a number, or for a
// percent of 100 or more. Answers whether the line changed.
bool ToggleSeniorDiscount(FlexGrid& grid, const SeniorDiscountLine& line, double percent, const QPixmap& onPicture,
                          const QPixmap& offPicture);

// The line's amount was computed afresh: the discount no longer applies to it, so the mark goes
// and every ticked box of the row becomes an empty one.
void ClearSeniorDiscountMark(FlexGrid& grid, const SeniorDiscountLine& line, const QPixmap& onPicture,
                             const QPixmap& offPicture);

} // namespace qx
