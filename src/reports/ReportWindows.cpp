#include "reports/ReportWindows.h"

#include "reports/frmStockCard.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"

#include <QPointer>

namespace qx {

namespace {

// One stock card for the run: a later command brings the open one to the front; Close unloads it.
WindowValues showStockCard(const WindowValues&) {
    static QPointer<frmStockCard> window;
    if (!window)
        window = new frmStockCard(dynamic_cast<QWidget*>(gMainForm.get()));
    window->show();
    window->raise();
    window->activateWindow();
    return {};
}

} // namespace

void RegisterReportWindowOpeners() {
    RegisterWindowOpener(QStringLiteral("mnuStockCard"), showStockCard);
    RegisterWindowOpener(QStringLiteral("frmStockCard"), showStockCard);
}

} // namespace qx
