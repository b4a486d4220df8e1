#pragma once
#include "platform/report/frmReportViewer.h"

namespace qx {

// The viewer window used when the caller asks for a modal one; it behaves exactly as
// frmReportViewer (both are shown modally).
class frmReportViewervbModal : public frmReportViewer {
    Q_OBJECT
public:
    using frmReportViewer::frmReportViewer;
};

} // namespace qx
