#pragma once
#include "platform/Colors.h"

class QWidget;

namespace qx {

class Connection;
class FlexGrid;

// The marks the request screens paint over their lines, by cell position so that painting never
// moves the current cell nor raises cell entry. Colours stay with the cells until the grid is
// laid out again.

// Pure red text: the colour of a fixed-charge line.
constexpr ColorValue kFixedPriceColor = 255;

// A line whose fixed-charge column reads a number other than 0 gets red text in columns
// firstCol to lastCol; other lines are left as they are.
void MarkFixedPriceLine(FlexGrid& grid, int row, int fixedChargeCol, int firstCol, int lastCol);
void MarkFixedPrice(FlexGrid& grid, int fixedChargeCol, int firstCol, int lastCol);
// An antibiotic's line gets bold text in its class colour in columns firstCol to lastCol (one
// look-up per line); a line without a class keeps its colours.
void MarkAntiBiotic(Connection& con, FlexGrid& grid, int codeCol, int firstCol, int lastCol);

// The background of a line whose item Medicare does not cover ("Non Medicare Items").
constexpr ColorValue kNonMedicareColor = 12640511;
// Pharma_IsMedicareItem gives a medicare type other than "N" (compared exactly; no row or a null
// type is no medicare item).
bool IsMedicareItem(Connection& con, const QString& itemId);
// Every line whose code is no medicare item, blank lines included, gets the non-medicare
// background in columns firstCol to lastCol; nothing is ever set back.
void MarkNonMedicareLines(Connection& con, FlexGrid& grid, int codeCol, int firstCol, int lastCol);

// Opens an optional column that the layout left at width 0, and widens the window, the frame
// around the grid and the grid by as much, so that the other columns keep their room.
void OpenOptionalColumn(FlexGrid& grid, int col, int twips, QWidget& window, QWidget& gridFrame);

} // namespace qx
