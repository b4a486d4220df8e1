// Daily income and cash-sales reports: in-patient and out-patient income of a day (detailed,
// summarized, per shift, per company, sisters' medicines), cash daily income and cash sales by
// receipt or sales invoice, the receipt print and the daily credit sales. Every file reads the
// one income-lines procedure.
#include "charging/frmView.h"
#include "reports/CatalogueRow.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/Switches.h"

namespace qx {

namespace {

// Offers the export where the hospital wants it; `path` hands the resolved file back for its name.
OpenerTemplate income(const QString& caption, const QString& file, bool path) {
    return OpenerTemplate{caption, file, true, path};
}

QList<RowParameter> dayAt(const QString& dateName) {
    return {{dateName, ReportDateText()}, {QStringLiteral("@LOCATIONID"), CurrentLocation()}};
}

QList<RowParameter> dayAtPerShift(const QString& dateName) {
    return dayAt(dateName) + QList<RowParameter>{{QStringLiteral("@STRSHIFT"), FromRequest(&frmView::Shift)}};
}

QList<RowParameter> cashRange() {
    return {{QStringLiteral("@STARTDATE"), FromRequest(&frmView::StartDate)},
            {QStringLiteral("@ENDDATE"), FromRequest(&frmView::EndDate)}};
}

// "Senior Citizen Discount (20%)" when the receipt is a senior's, else empty text.
RequestValue seniorRemark() {
    return [](const frmView& request) {
        return QVariant(request.Checked() ? QStringLiteral("Senior Citizen Discount (%1%)").arg(gCashSeniorDiscountRate)
                                          : QString());
    };
}

// The file of each cash-sales code: by receipt, or by sales invoice where the pharmacy sells on
// its own invoices, of all dispensers or of one; a dispenser wins over a shift.
QString cashSalesFile(const frmView& request) {
    if (!gPharmaSwitches.EnableDailyIncomeCashSalesByDispenser())
        return QStringLiteral("CashDailySales.rpt");
    return request.DispenserCode().isEmpty() ? QStringLiteral("CashDailySalesSI.rpt")
                                             : QStringLiteral("CashDailySalesDispenserSI.rpt");
}

QString cashSalesShiftFile(const frmView& request) {
    if (!gPharmaSwitches.PharmacyCashStandAlone())
        return QStringLiteral("CashDailySalesShift.rpt");
    return request.DispenserCode().isEmpty() ? QStringLiteral("CashDailySalesShiftSI.rpt")
                                             : QStringLiteral("CashDailySalesShiftDispenserSI.rpt");
}

QString cashSalesSummaryFile(const frmView& request) {
    if (!gPharmaSwitches.PharmacyCashStandAlone())
        return QStringLiteral("CashDailySalesSummary.rpt");
    if (!request.DispenserCode().isEmpty())
        return QStringLiteral("CashDailySalesSummaryDispenserSI.rpt");
    return request.Shift().isEmpty() ? QStringLiteral("CashDailySalesSummarySI.rpt")
                                     : QStringLiteral("CashDailySalesSummaryShiftSI.rpt");
}

// The income summary's file: the statement at KTH, else the new format when the chooser ticked it.
QString incomeSummaryFile(const frmView& request) {
    if (gSiteCode == QLatin1String("KTH"))
        return QStringLiteral("IncomeStmt.rpt");
    return request.ReportType() == 1 ? QStringLiteral("IncomeSummaryNew.rpt") : QStringLiteral("IncomeSummary.rpt");
}

} // namespace

QList<CatalogueRow> IncomeReportRows() {
    const QString reportDate = QStringLiteral("@STRREPORTDATE"), transDate = QStringLiteral("@STRTRANSDATE");
    const QList<RowParameter> transDateOnly{{transDate, ReportDateText()}};
    const RowParameter dispenser{QStringLiteral("@DISPENSERCODE"), FromRequest(&frmView::DispenserCode)};
    const RowParameter shift{QStringLiteral("@STRSHIFT"), FromRequest(&frmView::Shift)};

    CatalogueRow receipt{15, QStringLiteral("OpenORPrint"), income(QString(), QStringLiteral("ORPrint.rpt"), false),
                         {{QStringLiteral("@STRUSERID"), FromRequest(&frmView::EmployeeNumber)},
                          {QStringLiteral("REMARKS"), seniorRemark()},
                          {QStringLiteral("POSITION"), [](const frmView&) { return QVariant(gEmployeePosition); }}},
                         false, true};
    CatalogueRow cashSales{29, QStringLiteral("OpenCashDailySales"),
                           income(QStringLiteral("Pharmacy Cash Sales Income Report"), QStringLiteral("CashDailySales.rpt"), true),
                           cashRange() + QList<RowParameter>{dispenser}};
    cashSales.fileFor = cashSalesFile;
    // Matched as stored; the encoder's name as the login component gives it when the report opens.
    CatalogueRow encoderCashSales{30, QStringLiteral("OpenCashDailyIncomeUserId"),
                                  OpenerTemplate{QStringLiteral("Pharmacy Cash Sales Income Report"),
                                                 QStringLiteral("Cashdailyincomeuserid.rpt"), true, true, report::NameMatch::Exact},
                                  {{QStringLiteral("ReportDate"), ReportDateText()}, {QStringLiteral("UserName"), LoginEmployeeName()}},
                                  false};
    CatalogueRow cashSalesShift{38, QStringLiteral("OpenCashDailySalesShift"),
                                income(QStringLiteral("Pharmacy Cash Sales Income Report Per Shift"),
                                       QStringLiteral("CashDailySalesShift.rpt"), true),
                                cashRange() + QList<RowParameter>{shift, dispenser}};
    cashSalesShift.fileFor = cashSalesShiftFile;
    CatalogueRow cashSalesSummary{48, QStringLiteral("OpenCashDailySalesSummary"),
                                  income(QStringLiteral("Pharmacy Cash Sales Income Report (Summary)"),
                                         QStringLiteral("CashDailySalesSummary.rpt"), true),
                                  cashRange() + QList<RowParameter>{dispenser, shift}};
    cashSalesSummary.fileFor = cashSalesSummaryFile;

    const QList<RowParameter> summaryRange{{QStringLiteral("STARTDATE"), FromRequest(&frmView::StartDate)},
                                           {QStringLiteral("ENDDATE"), FromRequest(&frmView::EndDate)}};
    CatalogueRow incomeSummary{6, QStringLiteral("OpenIncomeSummary"),
                               income(QStringLiteral("Income Summary Report"), QStringLiteral("IncomeSummary.rpt"), true),
                               summaryRange};
    incomeSummary.fileFor = incomeSummaryFile;

    return {
        {4, QStringLiteral("OpenIncomeReport"),
         income(QStringLiteral("Daily Income Report"), QStringLiteral("IncomeReport.rpt"), true), dayAt(reportDate)},
        {5, QStringLiteral("OpenIncomeReportOPD"),
         income(QStringLiteral("Daily Income Report (OPD)"), QStringLiteral("IncomeReportOPD.rpt"), true), dayAt(transDate)},
        incomeSummary,
        {8, QStringLiteral("OpenCashDailyIncome"),
         income(QStringLiteral("Cash Daily Income Report"), QStringLiteral("CashDailyIncome.rpt"), true),
         {{reportDate, ReportDateText()}}},
        {12, QStringLiteral("OpenIncomeReportOPDKTH"),
         income(QStringLiteral("Daily Income Report (KTH)"), QStringLiteral("IncomeReportOPDKTH.rpt"), false), transDateOnly},
        {13, QStringLiteral("OpenIncomeReportOPDSis"),
         income(QStringLiteral("Daily Income Report (Sister's Medicines)"), QStringLiteral("IncomeReportOPDSis.rpt"), false),
         transDateOnly},
        receipt,
        {23, QStringLiteral("OpenIncomeReportPerCompany"),
         income(QStringLiteral("Daily Income Report"), QStringLiteral("IncomeReport_PerCompany.rpt"), false), transDateOnly,
         false},
        {24, QStringLiteral("OpenIncomeReportOPDPerCompany"),
         income(QStringLiteral("Daily Income Report (OPD)"), QStringLiteral("IncomeReportOPD_PerCompany.rpt"), false),
         transDateOnly, false},
        {27, QStringLiteral("OpenIncomeReportSumm"),
         income(QStringLiteral("Daily Income Report (Summarized)"), QStringLiteral("IncomeReportSumm.rpt"), true),
         dayAt(reportDate)},
        {28, QStringLiteral("OpenIncomeReportOPDSumm"),
         income(QStringLiteral("Out Patient Daily Income Report (Summarized)"), QStringLiteral("IncomeReportOPDSumm.rpt"), true),
         dayAt(transDate)},
        cashSales,
        encoderCashSales,
        {34, QStringLiteral("OpenIncomeReportShift"),
         income(QStringLiteral("Daily Income Report Per Shift"), QStringLiteral("IncomeReportShift.rpt"), true),
         dayAtPerShift(reportDate)},
        {35, QStringLiteral("OpenIncomeReportSummShift"),
         income(QStringLiteral("Daily Income Report Per Shift (Summarized)"), QStringLiteral("IncomeReportSummShift.rpt"), true),
         dayAtPerShift(reportDate)},
        {36, QStringLiteral("OpenIncomeReportOPDShift"),
         income(QStringLiteral("Daily Income Report Per Shift (OPD)"), QStringLiteral("IncomeReportOPDShift.rpt"), true),
         dayAtPerShift(transDate)},
        {37, QStringLiteral("OpenIncomeReportOPDSummShift"),
         income(QStringLiteral("Out Patient Daily Income Report Per Shift (Summarized)"),
                QStringLiteral("IncomeReportOPDSummShift.rpt"), true),
         dayAtPerShift(transDate)},
        cashSalesShift,
        cashSalesSummary,
        {61, QStringLiteral("OpenIncomeStmt"),
         income(QStringLiteral("Income Summary Report"), QStringLiteral("IncomeStmt.rpt"), false), summaryRange},
        {64, QStringLiteral("OpenIncomeReportShiftOut"),
         income(QStringLiteral("Daily Income Report Per Shift"), QStringLiteral("IncomeReportShiftOut.rpt"), true),
         dayAtPerShift(reportDate)},
        {73, QStringLiteral("OpenDailyCreditSalesReport"),
         income(QStringLiteral("Daily Credit Sales Report"), QStringLiteral("DailyCreditSalesReport.rpt"), false),
         cashRange() + QList<RowParameter>{{QStringLiteral("@SHIFT"), FromRequest(&frmView::Shift)}}},
    };
}

} // namespace qx
