#include "shell/GridHelpers.h"

#include "platform/FlexGrid.h"
#include "platform/Values.h"

namespace qx {

bool GridHasDuplicateRows(const FlexGrid& grid, int keyCol, int flagCol) {
    try {
        const int rows = grid.rows();
        if (rows == 2)
            return false;
        for (int i = 1; i < rows; ++i) {
            const QString key = grid.textMatrix(i, keyCol);
            if (key.isEmpty() || grid.textMatrix(i, flagCol) == kNotServedMarker)
                continue;
            for (int j = i + 1; j < rows; ++j)
                if (grid.textMatrix(j, keyCol) == key && grid.textMatrix(j, flagCol) != kNotServedMarker)
                    return true;
        }
    } catch (...) {
    }
    return false;
}

bool GridHasValue(const FlexGrid& grid, int col, const QString& value, int firstRow) {
    const QString wanted = Trim(value);
    for (int r = firstRow; r < grid.rows(); ++r)
        if (r != grid.row() && Trim(grid.textMatrix(r, col)) == wanted)
            return true;
    return false;
}

double SumGridColumn(const FlexGrid& grid, int col, int firstRow) {
    double total = 0;
    for (int r = firstRow; r < grid.rows(); ++r) {
        const QString cell = grid.textMatrix(r, col);
        if (IsNumeric(cell))
            total += Val(cell);
    }
    return total;
}

void SetGridHighlight(FlexGrid& grid, bool highlight) {
    if (grid.rows() <= 0)
        return;
    grid.setCellBackColor(highlight ? colors::InfoBackground : colors::WindowBackground);
    grid.setCellForeColor(colors::WindowText);
}

} // namespace qx
