#pragma once

namespace qx {

class FlexGrid;

// Where the request screens keep what their row tests read; the in-patient grid by default.
struct RequestRowColumns {
    int code = 1, dosage = 8, issued = 10, amount = 12, genericMark = 22;
    int scanFlag = 31;
    // The out-patient grid reads its scan flag as a number, the in-patient grid as the text "1".
    bool scanFlagNumeric = false;
};

// Every cell from column 1 on is empty after trimming.
bool IsBlankRequestRow(const FlexGrid& grid, int row);
// Not blank, and either cancelled or delayed ("XXX" issued) or complete: a dosage, a code, no
// unresolved generic, an issued quantity and an amount above 0, and with barcode checking a
// matching scan.
bool CanSaveRequestRow(const FlexGrid& grid, int row, const RequestRowColumns& columns, bool checkBarcode);
// True when every line is blank; otherwise every row, blank ones included, must pass.
bool CanSaveRequestGrid(const FlexGrid& grid, const RequestRowColumns& columns, bool checkBarcode);

} // namespace qx
