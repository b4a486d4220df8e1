// Stock and drug-movement reports: distribution and consumption, issuance and daily output,
// emergency-cart income, fast- and slow-moving drugs, dangerous drugs, drug speed and expiry.
#include "charging/frmView.h"
#include "reports/CatalogueRow.h"
#include "shell/HospitalSettings.h"

namespace qx {

namespace {

QList<RowParameter> stockRange(const QString& start, const QString& end) {
    return {{start, FromRequest(&frmView::StartDate)}, {end, FromRequest(&frmView::EndDate)}};
}

// The VEQ outlet "17" when the requester ticked it, else the main pharmacy "20".
RequestValue outletLocation() {
    return [](const frmView& request) { return QVariant(request.Checked() ? QStringLiteral("17") : QStringLiteral("20")); };
}

QList<RowParameter> logbookParameters() {
    return stockRange(QStringLiteral("@STRSTARTDATE"), QStringLiteral("@STRENDDATE")) +
           QList<RowParameter>{{QStringLiteral("@STRITEMID"), FromRequest(&frmView::DrugCode)},
                               {QStringLiteral("DRUGNAME"), FromRequest(&frmView::DrugName)},
                               {QStringLiteral("ONHAND"), FromRequest(&frmView::OnHand)},
                               {QStringLiteral("@LOCATIONID"), outletLocation()}};
}

// Codes 80 to 91 are never offered for export.
OpenerTemplate unexported(const QString& caption, const QString& file) { return OpenerTemplate{caption, file}; }
OpenerTemplate exported(const QString& caption, const QString& file) { return OpenerTemplate{caption, file, true, false}; }

CatalogueRow drugSpeed(qint16 code, bool fast) {
    return {code, QStringLiteral("OpenDrugSpeed"), unexported(QString(), QStringLiteral("DrugSpeed.rpt")),
            QList<RowParameter>{{QStringLiteral("@ISFAST"), Constant(fast)}} +
                stockRange(QStringLiteral("@STARTDATE"), QStringLiteral("@ENDDATE")),
            false};
}

} // namespace

QList<CatalogueRow> StockReportRows() {
    const QString start = QStringLiteral("@STARTDATE"), end = QStringLiteral("@ENDDATE");
    const QString strStart = QStringLiteral("@STRSTARTDATE"), strEnd = QStringLiteral("@STRENDDATE");
    const QList<RowParameter> summary =
        stockRange(strStart, strEnd) + QList<RowParameter>{{QStringLiteral("@STRLOCATIONID"), FromRequest(&frmView::LocationID)}};
    const QList<RowParameter> byClassification =
        stockRange(strStart, strEnd) + QList<RowParameter>{{QStringLiteral("@BYCLASSIFI"), Constant(QStringLiteral("1"))}};
    CatalogueRow distribution{7, QStringLiteral("OpenDistributionReport"),
                              exported(QStringLiteral("Drug Distribution Report"), QStringLiteral("DistributionReport.rpt")),
                              logbookParameters()};
    distribution.sites = QStringList{QStringLiteral("GIVRC"), QStringLiteral("KTH")};
    return {
        distribution,
        {7, QStringLiteral("OpenDistributionReport"),
         exported(QStringLiteral("Drug Distribution Report"), QStringLiteral("DrugConsumptionReportWBX.rpt")),
         QList<RowParameter>{{QStringLiteral("@ITEMID"), FromRequest(&frmView::DrugCode)}} + stockRange(start, end)},
        {21, QStringLiteral("OpenDistributionReportAll"),
         exported(QStringLiteral("Distribution Report ALL"), QStringLiteral("DistributionReportAll.rpt")),
         stockRange(strStart, strEnd) + QList<RowParameter>{{QStringLiteral("@LOCATIONID"), Constant(QStringLiteral("20"))}}},
        {22, QStringLiteral("OpenDistributionReportLogbook"),
         exported(QStringLiteral("Drug Distribution Report"), QStringLiteral("DistributionReportLogbook.rpt")),
         logbookParameters()},
        {66, QStringLiteral("OpenReportConsumptionIssuancePharma"),
         exported(QStringLiteral("CMB/Pharmacy Issuance"), QStringLiteral("ReportConsumptionIssuance_Pharma.rpt")),
         stockRange(start, end)},
        {67, QStringLiteral("OpenReportPharmacyTotalDailyOutputPharma"),
         exported(QStringLiteral("CMB/Pharmacy Total Daily Output"), QStringLiteral("ReportPharmacyTotalDailyOutput_Pharma.rpt")),
         stockRange(start, end)},
        {78, QStringLiteral("OpenConsumptionReport"), exported(QStringLiteral("Admission List Report"), QStringLiteral("ConsumptionReport.rpt")),
         QList<RowParameter>{{QStringLiteral("@LOCATIONID"), Constant(QStringLiteral("20"))}} + stockRange(start, end) +
             QList<RowParameter>{{QStringLiteral("@ITEMCLASSIFICATIONID"), FromRequest(&frmView::ItemClassificationID)}},
         false},
        {80, QStringLiteral("OpenEcartIncomeReport"),
         unexported(QStringLiteral("Emergency Cart Income Report"), QStringLiteral("EcartIncomeReport.rpt")),
         QList<RowParameter>{{QStringLiteral("@LOCATIONID"), [](const frmView&) { return QVariant(gECartLocationID); }}} +
             stockRange(start, end) + QList<RowParameter>{{QStringLiteral("@PATIENTYPE"), FromRequest(&frmView::PatientType)}}},
        // The critical-stock list gives its report nothing; the expiry list only its alert flag.
        {81, QStringLiteral("OpenPharmaCriticalStocks"),
         unexported(QStringLiteral("Critical Stocks Report"), QStringLiteral("PharmaCriticalStocks.rpt")), {}, false},
        {82, QStringLiteral("OpenPharmaExpiringDrugs"),
         unexported(QStringLiteral("Expiring Drugs Report"), QStringLiteral("PharmaExpiringDrugs.rpt")),
         {{QStringLiteral("@ALERT"), Constant(0)}}, false},
        {83, QStringLiteral("OpenFastMovingDrugs"), unexported(QStringLiteral("Fast Moving Drugs Summary"), QStringLiteral("fastmovingdrugs.rpt")),
         summary, false},
        {84, QStringLiteral("OpenFastMovingDrugsByClassification"),
         unexported(QStringLiteral("Fast Moving Drugs by Classification"), QStringLiteral("FastMovingDrugsByClassification.rpt")),
         byClassification, false},
        {85, QStringLiteral("OpenNotFastMovingDrugs"),
         unexported(QStringLiteral("Not Fast Moving Drugs Summary"), QStringLiteral("NotFastMovingDrugs.rpt")), summary, false},
        {86, QStringLiteral("OpenNotFastMovingDrugsByClassification"),
         unexported(QStringLiteral("Not Fast Moving Drugs by Classification"), QStringLiteral("NotFastMovingDrugsByClassification.rpt")),
         byClassification, false},
        {87, QStringLiteral("OpenPDEAReport"), unexported(QString(), QStringLiteral("PDEAReport.rpt")),
         QList<RowParameter>{{QStringLiteral("@ITEMID"), FromRequest(&frmView::ItemID)}} + stockRange(start, end), false},
        drugSpeed(88, true),
        drugSpeed(89, false),
        {90, QStringLiteral("OpenDrugsAndMedsExpiryReport"), unexported(QString(), QStringLiteral("DrugsAndMedsExpiryReport.rpt")),
         stockRange(start, end), false},
        {91, QStringLiteral("OpenConsumptionOfMeds"), unexported(QStringLiteral("Admission List Report"), QStringLiteral("ConsumptionofMeds.rpt")),
         QList<RowParameter>{{QStringLiteral("@CLASSIFICATIONID"), FromRequest(&frmView::ItemClassificationID)}} +
             stockRange(start, end),
         false},
    };
}

} // namespace qx
