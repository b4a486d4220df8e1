#include "reports/ReportWindows.h"

#include "components/PlatformServices.h"
#include "reports/ReportCommands.h"
#include "reports/frmCardTransactions.h"
#include "reports/frmCashReport.h"
#include "reports/frmDispReport.h"
#include "reports/frmEmployeeReport.h"
#include "reports/frmLocDateRange.h"
#include "reports/frmPDEA.h"
#include "reports/frmPostedDrugs.h"
#include "reports/frmReportDateRange.h"
#include "reports/frmReportEcart.h"
#include "reports/frmReportFilter.h"
#include "reports/frmReports.h"
#include "reports/frmReportsRange.h"
#include "reports/frmStationDate.h"
#include "reports/frmStockCard.h"
#include "reports/frmVerification.h"
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

// A chooser loaded afresh for each command: the command's ReportType, then the control states it
// sets ("chkShift.Enabled", "fraDispenser.Visible", ...) and its "Caption" when given, then shown
// modally, or modeless when "Modeless" is given. A list that fails to load is told and the chooser does not open.
template <class Chooser>
WindowValues showChooser(QPointer<Chooser>& window, const WindowValues& inputs) {
    const bool modeless = inputs.value(QStringLiteral("Modeless")).toBool();
    const auto reportType = static_cast<qint16>(inputs.value(QStringLiteral("ReportType")).toInt());
    // The same request modeless while it is up modeless: brought forward as it stands.
    if (modeless && window && window->isVisible() && !window->isModal() && window->ReportType() == reportType) {
        window->raise();
        window->activateWindow();
        return {};
    }
    if (window) {
        window->hide();
        delete window.data();
    }
    window = new Chooser(dynamic_cast<QWidget*>(gMainForm.get()));
    window->setReportType(reportType);
    if (!window->Form_Load()) {
        delete window.data();
        return {};
    }
    if (inputs.contains(QStringLiteral("Caption")))
        window->setWindowTitle(inputs.value(QStringLiteral("Caption")).toString());
    for (auto it = inputs.cbegin(); it != inputs.cend(); ++it) {
        const QString control = it.key().section(QLatin1Char('.'), 0, 0);
        const QString property = it.key().section(QLatin1Char('.'), 1).toLower();
        if (property.isEmpty())
            continue;
        if (auto* widget = window->template findChild<QWidget*>(control))
            widget->setProperty(property.toLatin1().constData(), it.value());
    }
    if (modeless) {
        window->show();
        window->raise();
    } else {
        showModal(*window);
    }
    return {};
}

WindowValues showSingleDateChooser(const WindowValues& inputs) {
    static QPointer<frmReports> window;
    return showChooser(window, inputs);
}

WindowValues showRangeChooser(const WindowValues& inputs) {
    static QPointer<frmReportsRange> window;
    return showChooser(window, inputs);
}

template <class Chooser>
WindowOpener chooserOpener() {
    return [](const WindowValues& inputs) {
        static QPointer<Chooser> window;
        return showChooser(window, inputs);
    };
}

// The prompts' windows by their own names; their commands are rows of the report-command table.
void registerPromptOpeners() {
    RegisterWindowOpener(QStringLiteral("frmReportDateRange"), chooserOpener<frmReportDateRange>());
    RegisterWindowOpener(QStringLiteral("frmDispReport"), chooserOpener<frmDispReport>());
    RegisterWindowOpener(QStringLiteral("frmPostedDrugs"), chooserOpener<frmPostedDrugs>());
    RegisterWindowOpener(QStringLiteral("frmVerification"), chooserOpener<frmVerification>());
    RegisterWindowOpener(QStringLiteral("frmStationDate"), chooserOpener<frmStationDate>());
    RegisterWindowOpener(QStringLiteral("frmCashReport"), chooserOpener<frmCashReport>());
    RegisterWindowOpener(QStringLiteral("frmEmployeeReport"), chooserOpener<frmEmployeeReport>());
}

} // namespace

void RegisterReportWindowOpeners() {
    registerPromptOpeners();
    RegisterWindowOpener(QStringLiteral("frmCardTransactions"), chooserOpener<frmCardTransactions>());
    RegisterWindowOpener(QStringLiteral("frmReportEcart"), chooserOpener<frmReportEcart>());
    RegisterWindowOpener(QStringLiteral("frmLocDateRange"), chooserOpener<frmLocDateRange>());
    RegisterWindowOpener(QStringLiteral("frmPDEA"), chooserOpener<frmPDEA>());
    RegisterWindowOpener(QStringLiteral("frmReportFilter"), chooserOpener<frmReportFilter>());

    RegisterWindowOpener(QStringLiteral("frmReports"), showSingleDateChooser);
    RegisterWindowOpener(QStringLiteral("frmReportsRange"), showRangeChooser);
    RegisterWindowOpener(QStringLiteral("mnuStockCard"), showStockCard);
    RegisterWindowOpener(QStringLiteral("frmStockCard"), showStockCard);
    RegisterReportCommandOpeners();
}

} // namespace qx
