#include "charging/SeniorDiscountToggle.h"

#include "platform/FlexGrid.h"
#include "platform/Values.h"

namespace qx {

bool ToggleSeniorDiscount(FlexGrid& grid, const SeniorDiscountLine& line, double percent, const QPixmap& onPicture,
                          const QPixmap& offPicture) {
    const QString state = grid.textMatrix(line.row, line.stateCol);
    const QString amount = grid.textMatrix(line.row, line.amountCol);
    if (state == QLatin1String("CANCELLED") || state == QLatin1String("DELAYED") || !IsNumeric(amount) ||
        percent >= 100)
        return false;
    if (grid.textMatrix(line.row, line.markCol) == QLatin1String("*")) {
        grid.setTextMatrix(line.row, line.amountCol, grid.textMatrix(line.row, line.oldAmountCol));
        grid.setCellPicture(line.pictureRow, line.pictureCol, offPicture);
        grid.setTextMatrix(line.row, line.markCol, QString());
    } else {
        grid.setTextMatrix(line.row, line.oldAmountCol, amount);
        const double a = Val(amount);
        grid.setTextMatrix(line.row, line.amountCol, Text(a - percent / 100 * a));
        grid.setCellPicture(line.pictureRow, line.pictureCol, onPicture);
        grid.setTextMatrix(line.row, line.markCol, QStringLiteral("*"));
    }
    return true;
}

void ClearSeniorDiscountMark(FlexGrid& grid, const SeniorDiscountLine& line, const QPixmap& onPicture,
                             const QPixmap& offPicture) {
    if (grid.textMatrix(line.row, line.markCol) != QLatin1String("*"))
        return;
    grid.setTextMatrix(line.row, line.markCol, QString());
    for (int col = 0; col < grid.cols(); ++col)
        if (grid.cellPicture(line.row, col).cacheKey() == onPicture.cacheKey())
            grid.setCellPicture(line.row, col, offPicture);
}

} // namespace qx
