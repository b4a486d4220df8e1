#include "charging/RequestRowTests.h"

#include "platform/FlexGrid.h"
#include "platform/Values.h"

namespace qx {

bool IsBlankRequestRow(const FlexGrid& grid, int row) {
    for (int col = 1; col < grid.cols(); ++col)
        if (!Trim(grid.textMatrix(row, col)).isEmpty())
            return false;
    return true;
}

bool CanSaveRequestRow(const FlexGrid& grid, int row, const RequestRowColumns& c, bool checkBarcode) {
    if (IsBlankRequestRow(grid, row))
        return false;
    const auto cell = [&](int col) { return grid.textMatrix(row, col); };
    if (Trim(cell(c.issued)) == QLatin1String("XXX"))
        return true;
    if (Trim(cell(c.dosage)).isEmpty() || Trim(cell(c.code)).isEmpty() || cell(c.genericMark) == QLatin1String("*"))
        return false;
    if (Val(cell(c.issued)) <= 0 || Val(cell(c.amount)) <= 0)
        return false;
    if (!checkBarcode)
        return true;
    return c.scanFlagNumeric ? Val(cell(c.scanFlag)) == 1 : cell(c.scanFlag) == QLatin1String("1");
}

bool CanSaveRequestGrid(const FlexGrid& grid, const RequestRowColumns& columns, bool checkBarcode) {
    bool anyLine = false;
    for (int row = 1; row < grid.rows() && !anyLine; ++row)
        anyLine = !IsBlankRequestRow(grid, row);
    if (!anyLine)
        return true;
    for (int row = 1; row < grid.rows(); ++row)
        if (!CanSaveRequestRow(grid, row, columns, checkBarcode))
            return false;
    return true;
}

} // namespace qx
