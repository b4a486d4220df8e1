#include "charging/RequestLineMarks.h"

#include "components/Connection.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/ItemLookups.h"

#include <QWidget>

namespace qx {

void MarkFixedPriceLine(FlexGrid& grid, int row, int fixedChargeCol, int firstCol, int lastCol) {
    if (Val(grid.textMatrix(row, fixedChargeCol)) == 0)
        return;
    for (int col = firstCol; col <= lastCol; ++col)
        grid.setCellForeColorAt(row, col, kFixedPriceColor);
}

void MarkFixedPrice(FlexGrid& grid, int fixedChargeCol, int firstCol, int lastCol) {
    for (int row = grid.fixedRows(); row < grid.rows(); ++row)
        MarkFixedPriceLine(grid, row, fixedChargeCol, firstCol, lastCol);
}

void MarkAntiBiotic(Connection& con, FlexGrid& grid, int codeCol, int firstCol, int lastCol) {
    for (int row = grid.fixedRows(); row < grid.rows(); ++row) {
        const QString color = GetAntibioticClassColor(con, grid.textMatrix(row, codeCol));
        if (color.isEmpty())
            continue;
        for (int col = firstCol; col <= lastCol; ++col) {
            grid.setCellFontBoldAt(row, col, true);
            grid.setCellForeColorAt(row, col, static_cast<ColorValue>(Val(color)));
        }
    }
}

bool IsMedicareItem(Connection& con, const QString& itemId) {
    const std::optional<Recordset> rs =
        con.callProcedure(QStringLiteral("Pharma_IsMedicareItem"), {{QStringLiteral("@ItemID"), itemId}});
    if (!rs || rs->isEmpty() || rs->isNull(QStringLiteral("MedicareType")))
        return false;
    return Text(rs->value(QStringLiteral("MedicareType"))) != QLatin1String("N");
}

void MarkNonMedicareLines(Connection& con, FlexGrid& grid, int codeCol, int firstCol, int lastCol) {
    for (int row = grid.fixedRows(); row < grid.rows(); ++row) {
        if (IsMedicareItem(con, grid.textMatrix(row, codeCol)))
            continue;
        for (int col = firstCol; col <= lastCol; ++col)
            grid.setCellBackColorAt(row, col, kNonMedicareColor);
    }
}

void OpenOptionalColumn(FlexGrid& grid, int col, int twips, QWidget& window, QWidget& gridFrame) {
    const int extra = twipsToPixels(twips);
    for (QWidget* widget : {&window, &gridFrame, static_cast<QWidget*>(&grid)}) {
        if (widget->minimumWidth() == widget->maximumWidth())
            widget->setFixedWidth(widget->width() + extra);
        else
            widget->resize(widget->width() + extra, widget->height());
    }
    grid.setColWidth(col, twips);
}

} // namespace qx
