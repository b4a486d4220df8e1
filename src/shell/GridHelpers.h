#pragma once
#include <QString>

namespace qx {

class FlexGrid;

// The line marker the request screens write into a flag column of a line not to be served.
inline const QString kNotServedMarker = QStringLiteral("XXX");

// Whether two data rows hold the same key (compared as stored). A row with an empty key or
// marked "XXX" in the flag column takes part in no pair. Errors answer False.
bool GridHasDuplicateRows(const FlexGrid& grid, int keyCol, int flagCol);
// Whether a row from `firstRow` on, other than the current row, holds `value` in `col`, both
// sides trimmed of blanks.
bool GridHasValue(const FlexGrid& grid, int col, const QString& value, int firstRow);
// Sum of the leading-number values of the numeric cells of `col` from `firstRow` on.
double SumGridColumn(const FlexGrid& grid, int col, int firstRow);
// Colours the current cell as highlighted (tooltip background) or not (window background),
// with the window text colour; a grid without rows is left alone.
void SetGridHighlight(FlexGrid& grid, bool highlight);

} // namespace qx
