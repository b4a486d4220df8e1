#pragma once

namespace qx {

// Registers the windows of the reports module that commands and other screens open by name
// (the stock-card inquiry under mnuStockCard and frmStockCard). The program calls it once at start.
void RegisterReportWindowOpeners();

} // namespace qx
