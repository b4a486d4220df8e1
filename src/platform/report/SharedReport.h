#pragma once
#include "platform/report/Report.h"

#include <memory>

namespace qx {

// The one report currently opened for showing or printing: set by the report-opening
// routines, released by a direct print and by the viewer window that showed it.
extern std::shared_ptr<report::Report> gCrystalReport;

} // namespace qx
