// Posting a station's return request and printing its credit memo.
#include "returns/frmPostReturn.h"

namespace qx {

void frmPostReturn::cmdSave_Click() {}

void frmPostReturn::cmdPrintSave_Click() {}

} // namespace qx
