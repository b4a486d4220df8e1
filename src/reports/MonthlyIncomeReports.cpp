// Range income reports: the monthly out-patient and in-patient income, detailed or summary, per
// shift, by transaction date and per item; the cash income of a range, its discounts and the
// senior citizens' logbook; the card transactions, the day's statements of account, the summary
// of in-patients, out-patients and sales, and the tabulated income.
#include "charging/frmView.h"
#include "reports/CatalogueRow.h"

namespace qx {

namespace {

// Offers the export where the hospital wants it; `path` hands the resolved file back for its name.
OpenerTemplate rangeIncome(const QString& caption, const QString& file, bool path) {
    return OpenerTemplate{caption, file, true, path};
}

// Codes 92, 93, 96 and 97 are never offered for export.
OpenerTemplate neverExported(const QString& caption, const QString& file) { return OpenerTemplate{caption, file}; }

QList<RowParameter> rangeAs(const char* start, const char* end) {
    return {{QString::fromLatin1(start), FromRequest(&frmView::StartDate)},
            {QString::fromLatin1(end), FromRequest(&frmView::EndDate)}};
}

// The main pharmacy "20", whatever location the workstation dispenses from.
const RowParameter kMainPharmacy{QStringLiteral("@LOCATIONID"), Constant(QStringLiteral("20"))};

QList<RowParameter> monthAtMainPharmacy(const char* start, bool perShift) {
    QList<RowParameter> parameters = rangeAs(start, "@STRENDDATE") + QList<RowParameter>{kMainPharmacy};
    if (perShift)
        parameters << RowParameter{QStringLiteral("@STRSHIFT"), FromRequest(&frmView::Shift)};
    return parameters;
}

CatalogueRow monthly(qint16 code, const char* opener, const char* caption, const char* file, bool perShift) {
    return {code, QString::fromLatin1(opener), rangeIncome(QString::fromLatin1(caption), QString::fromLatin1(file), true),
            monthAtMainPharmacy("@STRSTARTDATE", perShift)};
}

// The in-patient months are also offered for export at KTH.
CatalogueRow inPatientMonthly(qint16 code, const char* opener, const char* file, bool perShift) {
    CatalogueRow row = monthly(code, opener, "Monthly Income Report Summary (In-Patient)", file, perShift);
    row.opened.exportSites = QStringList{QStringLiteral("KTH")};
    return row;
}

} // namespace

QList<CatalogueRow> MonthlyIncomeReportRows() {
    const QString outPatientCaption = QStringLiteral("Monthly Income Report Summary (Out-Patient)");
    const QString inPatientCaption = QStringLiteral("Monthly Income Report Summary (In-Patient)");
    const QList<RowParameter> range = rangeAs("@STARTDATE", "@ENDDATE");
    const RowParameter dayStart{QStringLiteral("@STARTDATE"), ReportDateText()};
    const RowParameter dayEnd{QStringLiteral("@ENDDATE"), ReportDateText()};

    OpenerTemplate monthlyCash{QStringLiteral("Monthly Income Report Summary"), QStringLiteral("MonthlyCashReport.rpt"), true, true,
                               report::NameMatch::Exact};
    OpenerTemplate cashDiscount{QStringLiteral("Cash Pharmacy Discount"), QStringLiteral("ReportCashPharmacyWithDiscount.rpt"), true,
                                false, report::NameMatch::Exact};
    return {
        // Matched as stored: the hospital pair only where the file spells it in capitals.
        {31, QStringLiteral("OpenMonthlyCashReport"), monthlyCash, rangeAs("@StartDate", "@EndDate")},
        {33, QStringLiteral("OpenReportCashPharmacyWithDiscount"), cashDiscount, rangeAs("@StartDate", "@EndDate"), false},
        monthly(39, "OpenReportOutPatientMonthlyDetailed", "Monthly Income Report Summary (Out-Patient)",
                "ReportOutPatientMonthlyDetailed.rpt", false),
        // The row's caption names in-patients on an out-patient file.
        monthly(40, "OpenReportOutPatientMonthlyDetailedShift", "Monthly Income Report Summary (In-Patient)",
                "ReportOutPatientMonthlyDetailedShift.rpt", true),
        monthly(41, "OpenReportOutPatientMonthlySummary", "Monthly Income Report Summary (Out-Patient)",
                "ReportOutPatientMonthlySummary.rpt", false),
        monthly(42, "OpenReportOutPatientMonthlySummaryShift", "Monthly Income Report Summary (In-Patient)",
                "ReportOutPatientMonthlySummaryShift.rpt", true),
        inPatientMonthly(43, "OpenMonthlyInPatientIncomeReportDetailed", "MonthlyInPatientIncomeReportDetailed.rpt", false),
        inPatientMonthly(44, "OpenMonthlyInPatientIncomeReportDetailedShift", "MonthlyInPatientIncomeReportDetailedShift.rpt", true),
        inPatientMonthly(45, "OpenMonthlyInPatientIncomeReportSummary", "MonthlyInPatientIncomeReportSummary.rpt", false),
        inPatientMonthly(46, "OpenMonthlyInPatientIncomeReportSummaryShift", "MonthlyInPatientIncomeReportSummaryShift.rpt", true),
        {50, QStringLiteral("OpenCashdailySalesNormal"),
         rangeIncome(QStringLiteral("Pharmacy Cash Sales Income Report"), QStringLiteral("CashdailySales_Normal.rpt"), true),
         rangeAs("@STARTDATE", "@REPORTENDDATE")},
        {51, QStringLiteral("OpenCashDailySalesSummaryNormal"),
         rangeIncome(QStringLiteral("Pharmacy Cash Sales Income Report (Summary)"), QStringLiteral("CashDailySalesSummary_Normal.rpt"),
                     true),
         rangeAs("@STARTDATE", "@REPORTENDDATE")},
        {52, QStringLiteral("OpenReportOutPatientMonthlySummaryNormal"),
         rangeIncome(outPatientCaption, QStringLiteral("ReportOutPatientMonthlySummary_Normal.rpt"), true),
         monthAtMainPharmacy("@STARTDATE", false)},
        // The row's caption says summary on the detailed file.
        {53, QStringLiteral("OpenReportOutPatientMonthlyDetailedNormal"),
         rangeIncome(outPatientCaption, QStringLiteral("ReportOutPatientMonthlyDetailed_Normal.rpt"), true),
         monthAtMainPharmacy("@STARTDATE", false)},
        {54, QStringLiteral("OpenMonthlyInPatientIncomeReportDetailedNormal"),
         rangeIncome(QStringLiteral("Monthly Income Report Detailed (In-Patient)"),
                     QStringLiteral("MonthlyInPatientIncomeReportDetailed_Normal.rpt"), true),
         monthAtMainPharmacy("@STRSTARTDATE", false)},
        {55, QStringLiteral("OpenMonthlyInPatientIncomeReportSummaryNormal"),
         rangeIncome(inPatientCaption, QStringLiteral("MonthlyInPatientIncomeReportSummary_Normal.rpt"), true),
         monthAtMainPharmacy("@STRSTARTDATE", false)},
        {59, QStringLiteral("OpenCardDiscountReport"),
         rangeIncome(QStringLiteral("Card Transactions"), QStringLiteral("CardDiscountReport.rpt"), false),
         range + QList<RowParameter>{{QStringLiteral("@CARDNUM"), FromRequest(&frmView::CardNum)},
                                     {QStringLiteral("@CARDTYPEID"), FromRequest(&frmView::CardTypeID)},
                                     {QStringLiteral("USER"), LoginEmployeeName()}}},
        {60, QStringLiteral("OpenStatementAccountListing"),
         rangeIncome(QStringLiteral("Statement Of Account Listing"), QStringLiteral("StatementAccountListing.rpt"), false),
         {dayStart, dayEnd}, false},
        {62, QStringLiteral("OpenPharmaSCReport"),
         rangeIncome(QStringLiteral("Senior Citizen Logbook (Cash Transactions)"), QStringLiteral("Pharma_SCReport.rpt"), false),
         range},
        {65, QStringLiteral("OpenSummarySalesLog"),
         rangeIncome(QStringLiteral("Summary of IPD/OPD/Sales"), QStringLiteral("SummarySalesLog.rpt"), false), range},
        {68, QStringLiteral("OpenPharmaIncomeReportNORVAX"),
         rangeIncome(QStringLiteral("Pharmacy Income Report"), QStringLiteral("PharmaIncomeReport_NORVAX.rpt"), false),
         range + QList<RowParameter>{{QStringLiteral("@INOROUT"), FromRequest(&frmView::IN_OR_OUT)}}},
        {92, QStringLiteral("OpenTabulatedIncomeReportDetailed"),
         neverExported(QStringLiteral("Tabulated Detailed Income Report Detailed"), QStringLiteral("TabulatedIncomeReportDetailed.rpt")),
         range},
        {93, QStringLiteral("OpenTabulatedIncomeReportSummarized"),
         neverExported(QStringLiteral("Tabulated Summarized Income Report Summary"),
                       QStringLiteral("TabulatedIncomeReportSummarized.rpt")),
         range},
        {96, QStringLiteral("OpenMonthlyIncomeReportPerItem"),
         neverExported(QStringLiteral("Monthly Income Report Per Item - (In-Patient)"), QStringLiteral("MonthlyIncomeReportPerItem.rpt")),
         monthAtMainPharmacy("@STRSTARTDATE", false)},
        {97, QStringLiteral("OpenMonthlyIncomeReportPerItemOPD"),
         neverExported(QStringLiteral("Monthly Income Report Per Item - (Out-Patient)"),
                       QStringLiteral("MonthlyIncomeReportPerItemOPD.rpt")),
         monthAtMainPharmacy("@STRSTARTDATE", false)},
    };
}

} // namespace qx
