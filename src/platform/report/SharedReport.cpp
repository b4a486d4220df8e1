#include "platform/report/SharedReport.h"

namespace qx {

std::shared_ptr<report::Report> gCrystalReport;

} // namespace qx
