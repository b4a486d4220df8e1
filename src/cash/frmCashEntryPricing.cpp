// Item entry and row pricing of the assessment window.
#include "cash/frmCashEntry.h"

namespace qx {

// Fills a line from the item code in its code cell.
void frmCashEntry::SetRow(int) {}

// The item look-up beside the code cell.
void frmCashEntry::cmdEntry_Click() {}

// Commits the editor's text into the current cell.
void frmCashEntry::txtEntry_DblClick() {}

} // namespace qx
