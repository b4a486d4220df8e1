#pragma once

namespace qx {

// Registers the windows of the reports module that commands and other screens open by name
// (the stock-card inquiry under mnuStockCard and frmStockCard; the report choosers frmReports and
// frmReportsRange and the stock, card and item dialogs, given ReportType, the control states and
// caption a command sets; the date-range, dispenser, consumption, verification, census, cash and
// employee medicines prompts), and every report command of the main window under its own name.
// The program calls it once at start.
void RegisterReportWindowOpeners();

} // namespace qx
