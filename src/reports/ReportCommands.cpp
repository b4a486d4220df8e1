#include "reports/ReportCommands.h"

#include "charging/frmView.h"
#include "components/PlatformServices.h"
#include "reports/ReportDialog.h"
#include "shell/HospitalSettings.h"
#include "shell/Switches.h"
#include "shell/WindowOpeners.h"

namespace qx {

namespace {

const QString kSingleDate = QStringLiteral("frmReports");
const QString kRange = QStringLiteral("frmReportsRange");
const QString kDateRange = QStringLiteral("frmReportDateRange");
const QString kLocDateRange = QStringLiteral("frmLocDateRange");
const QString kReportWindow = QStringLiteral("frmView");

const QVariantMap kPerShift{{QStringLiteral("chkShift.Enabled"), true}};
const QVariantMap kNoSummary{{QStringLiteral("chkSummary.Visible"), false}};
const QVariantMap kTabulated{{QStringLiteral("Frame1.Visible"), false},
                             {QStringLiteral("chkShift.Visible"), false},
                             {QStringLiteral("chkShift.Enabled"), true}};
const QVariantMap kNoLocation{{QStringLiteral("Label1.Visible"), false}, {QStringLiteral("cbLocation.Visible"), false}};
const QStringList kDrugSpeedSites{QStringLiteral("ZMX"), QStringLiteral("HUZTO")};

QVariantMap captioned(QVariantMap settings, const char* caption) {
    settings.insert(QStringLiteral("Caption"), QString::fromLatin1(caption));
    return settings;
}

ReportCommandRow row(const char* command, const QString& window, qint16 reportType = 0, const QVariantMap& settings = {}) {
    return {QString::fromLatin1(command), window, reportType, settings};
}

ReportCommandRow modeless(ReportCommandRow r) {
    r.modeless = true;
    return r;
}

ReportCommandRow at(ReportCommandRow r, const QStringList& sites) {
    r.sites = sites;
    return r;
}

QList<ReportCommandRow> buildRows() {
    ReportCommandRow cashSales = row("mnuDIRCashSales", kRange, 8,
                                     {{QStringLiteral("chkShift.Enabled"), true}, {QStringLiteral("chkSummary.Visible"), true}});
    cashSales.atClick = [](QVariantMap& settings) {
        settings.insert(QStringLiteral("fraDispenser.Visible"), gPharmaSwitches.EnableDailyIncomeCashSalesByDispenser());
    };
    const QVariantMap consumptionOfMeds{{QStringLiteral("FrameLoc.Visible"), false},
                                        {QStringLiteral("chkClassification.Visible"), true},
                                        {QStringLiteral("frameClassification.Visible"), true}};
    return {
        // Income and sales
        row("mnuInDetailed", kSingleDate, 1, kPerShift),
        row("mnuInSummarized", kSingleDate, 6, kPerShift),
        row("mnuDIRIP", kSingleDate, 1, kPerShift),
        row("mnuInPatientCompany", kSingleDate, 9),
        row("mnuOutDetailed", kSingleDate, 4, kPerShift),
        row("mnuOutSummarized", kSingleDate, 7, kPerShift),
        row("mnuOPD", kSingleDate, 4),
        row("mnuOpdGroupByCompany", kSingleDate, 10),
        row("mnuKTHAdmin", kSingleDate, 7),
        row("mnuRepSisMeds", kSingleDate, 8),
        row("mnuDIROut", kSingleDate, 12, kPerShift),
        cashSales,
        row("mnuMonDet", kRange, 11, kPerShift),
        row("mnuMonSumIn", kRange, 12, kPerShift),
        row("mnuMonOutDet", kRange, 9, kPerShift),
        row("mnuMonSum", kRange, 10, kPerShift),
        row("mnuMonCash", kRange, 4),
        row("mnuTabDetailed", kRange, 92, kTabulated),
        row("mnuTabSummary", kRange, 93, kTabulated),
        row("mnuPatInPat", kRange, 23),
        row("mnuPatOutPat", kRange, 24),
        row("mnuECIR", QStringLiteral("frmReportEcart"), 11),
        row("mnuCashDiscount", kRange, 5),
        row("mnuIncomeSummary", kRange, 1),
        row("mnuIncomeTransIn", kDateRange, 1),
        row("mnuIncomeTransOut", kDateRange, 2),
        row("mnuIncomeTransCash", kDateRange, 3),
        row("mnuInSummary", kSingleDate, 6),
        row("mnuSeniorCash", kDateRange, 4, kNoSummary),
        row("mnuIPDOPD", kRange, 14),
        row("mnuConsumption1", kRange, 15),
        row("mnuTotalDailyOutPut", kRange, 16),
        row("mnuSummReturns", kRange, 18),
        row("mnuDCSRep", kRange, 21),
        // Patient, stock and others
        modeless(row("mnuAdmissionList", kReportWindow, 1)),
        row("mnuAdmissionListDateRange", kDateRange, 6, kNoSummary),
        row("mnuCensusStation", QStringLiteral("frmStationDate")),
        row("mnuDischarge", kSingleDate, 2),
        row("mnuUnitDoseList", kReportWindow, 3),
        row("mnuForDischarge", kSingleDate, 3, {{QStringLiteral("Label1.Enabled"), false}, {QStringLiteral("cboShift.Enabled"), false}}),
        row("mnuConsumption", QStringLiteral("frmPostedDrugs")),
        row("mnuDispenserReport", QStringLiteral("frmDispReport")),
        row("mnuDRDrugConsumption", kRange, 2),
        row("mnuPatientConfinement", kRange, 3),
        modeless(row("mnuCensus", kRange, 13)),
        modeless(row("mnuPHICList", kReportWindow, 58)),
        row("mnuEmployeeMedicines", QStringLiteral("frmEmployeeReport")),
        row("mnuCardTransactions", QStringLiteral("frmCardTransactions")),
        row("mnuSOAL", kSingleDate, 11),
        row("mnuAntibiotic", kDateRange, 5, kNoSummary),
        row("mnuFirstDoseReport", kRange, 19),
        row("mnuPackageRequest", kRange, 20),
        at(row("mnuConsReport", kLocDateRange, 91, consumptionOfMeds), kDrugSpeedSites),
        row("mnuConsReport", kRange, 22),
        at(row("mnuFastSummary", kLocDateRange, 88, captioned(kNoLocation, "Fast Moving Drugs")), kDrugSpeedSites),
        at(row("mnuFastSummary", kLocDateRange, 83, captioned(kNoLocation, "Fast Moving Drugs")), {QStringLiteral("K7ZA")}),
        row("mnuFastSummary", kLocDateRange, 83),
        row("mnuFastClassification", kLocDateRange, 84, kNoLocation),
        at(row("mnuNotFastSummary", kLocDateRange, 89, captioned(kNoLocation, "Slow Moving Drugs")), kDrugSpeedSites),
        at(row("mnuNotFastSummary", kLocDateRange, 85, captioned(kNoLocation, "Slow Moving Drugs")), {QStringLiteral("K7ZA")}),
        row("mnuNotFastSummary", kLocDateRange, 85),
        row("mnuNotFastMovingClassification", kLocDateRange, 86),
        row("mnuPDEA", QStringLiteral("frmPDEA")),
        row("mnuExpriringDrugs", kLocDateRange, 90, captioned(kNoLocation, "Expiring Drugs")),
        row("mnuListOfCorrectedItems", QStringLiteral("frmReportFilter")),
        row("mnuVerification", QStringLiteral("frmVerification"), 18),
    };
}

// The report window asked for directly. Modeless, a window already up with the same report is
// brought forward; another report loads afresh. Modal, a window up modeless closes first.
void showReportWindow(qint16 code, bool modeless) {
    frmView& window = ReportWindow();
    if (!modeless) {
        window.setWhatReport(code);
        showModal(window);
        return;
    }
    if (window.isVisible() && window.WhatReport() == code && !window.isModal()) {
        window.raise();
        window.activateWindow();
        return;
    }
    ShowReportModeless(code);
}

WindowValues runReportCommand(const QString& command) {
    const ReportCommandRow* r = ReportCommandFor(command, gSiteCode);
    if (!r)
        return {};
    if (r->window == kReportWindow) {
        showReportWindow(r->reportType, r->modeless);
        return {};
    }
    WindowValues inputs = r->settings;
    if (r->atClick)
        r->atClick(inputs);
    if (r->reportType != 0)
        inputs.insert(QStringLiteral("ReportType"), r->reportType);
    if (r->modeless)
        inputs.insert(QStringLiteral("Modeless"), true);
    OpenWindow(r->window, inputs);
    return {};
}

} // namespace

const QList<ReportCommandRow>& ReportCommandRows() {
    static const QList<ReportCommandRow> rows = buildRows();
    return rows;
}

const ReportCommandRow* ReportCommandFor(const QString& command, const QString& siteCode) {
    const ReportCommandRow* everyOtherSite = nullptr;
    for (const ReportCommandRow& r : ReportCommandRows()) {
        if (r.command != command)
            continue;
        if (r.sites.contains(siteCode))
            return &r;
        if (r.sites.isEmpty())
            everyOtherSite = &r;
    }
    return everyOtherSite;
}

void RegisterReportCommandOpeners() {
    for (const ReportCommandRow& r : ReportCommandRows())
        RegisterWindowOpener(r.command, [command = r.command](const WindowValues&) { return runReportCommand(command); });
}

} // namespace qx
