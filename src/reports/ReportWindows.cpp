#include "reports/ReportWindows.h"

#include "components/PlatformServices.h"
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
    if (window) {
        window->hide();
        delete window.data();
    }
    window = new Chooser(dynamic_cast<QWidget*>(gMainForm.get()));
    window->setReportType(static_cast<qint16>(inputs.value(QStringLiteral("ReportType")).toInt()));
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
    if (inputs.value(QStringLiteral("Modeless")).toBool()) {
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

// A command that opens a dialog with settings of its own on top of the caller's inputs.
WindowOpener withSettings(WindowOpener opener, const WindowValues& settings) {
    return [opener = std::move(opener), settings](const WindowValues& inputs) {
        WindowValues all = inputs;
        for (auto it = settings.cbegin(); it != settings.cend(); ++it)
            all.insert(it.key(), it.value());
        return opener(all);
    };
}

void registerPromptOpeners() {
    const WindowOpener dateRange = chooserOpener<frmReportDateRange>();
    RegisterWindowOpener(QStringLiteral("frmReportDateRange"), dateRange);
    const QString type = QStringLiteral("ReportType"), summaryShown = QStringLiteral("chkSummary.Visible");
    RegisterWindowOpener(QStringLiteral("mnuIncomeTransIn"), withSettings(dateRange, {{type, 1}}));
    RegisterWindowOpener(QStringLiteral("mnuIncomeTransOut"), withSettings(dateRange, {{type, 2}}));
    RegisterWindowOpener(QStringLiteral("mnuIncomeTransCash"), withSettings(dateRange, {{type, 3}}));
    RegisterWindowOpener(QStringLiteral("mnuSeniorCash"), withSettings(dateRange, {{type, 4}, {summaryShown, false}}));
    RegisterWindowOpener(QStringLiteral("mnuAntibiotic"), withSettings(dateRange, {{type, 5}, {summaryShown, false}}));
    RegisterWindowOpener(QStringLiteral("mnuAdmissionListDateRange"), withSettings(dateRange, {{type, 6}, {summaryShown, false}}));

    const WindowOpener dispenser = chooserOpener<frmDispReport>();
    RegisterWindowOpener(QStringLiteral("frmDispReport"), dispenser);
    RegisterWindowOpener(QStringLiteral("mnuDispenserReport"), dispenser);
    const WindowOpener consumption = chooserOpener<frmPostedDrugs>();
    RegisterWindowOpener(QStringLiteral("frmPostedDrugs"), consumption);
    RegisterWindowOpener(QStringLiteral("mnuConsumption"), consumption);
    const WindowOpener verification = chooserOpener<frmVerification>();
    RegisterWindowOpener(QStringLiteral("frmVerification"), verification);
    RegisterWindowOpener(QStringLiteral("mnuVerification"), withSettings(verification, {{type, 18}}));
    const WindowOpener census = chooserOpener<frmStationDate>();
    RegisterWindowOpener(QStringLiteral("frmStationDate"), census);
    RegisterWindowOpener(QStringLiteral("mnuCensusStation"), census);
    RegisterWindowOpener(QStringLiteral("frmCashReport"), chooserOpener<frmCashReport>());
    const WindowOpener employeeMedicines = chooserOpener<frmEmployeeReport>();
    RegisterWindowOpener(QStringLiteral("frmEmployeeReport"), employeeMedicines);
    RegisterWindowOpener(QStringLiteral("mnuEmployeeMedicines"), employeeMedicines);
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
}

} // namespace qx
