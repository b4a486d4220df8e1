// Patient, prescription and posted-medicine reports: lists of patients, posted medicines per
// patient and per dispenser, medication profile, verification, censuses and monitoring lists.
#include "charging/frmView.h"
#include "reports/CatalogueRow.h"
#include "shell/HospitalSettings.h"

namespace qx {

namespace {

// Every opener of this theme offers the export where the hospital wants it and hands back no path.
OpenerTemplate exportable(const QString& caption, const QString& file) {
    return OpenerTemplate{caption, file, true, false};
}

QList<RowParameter> dateRange(const QString& start, const QString& end) {
    return {{start, FromRequest(&frmView::StartDate)}, {end, FromRequest(&frmView::EndDate)}};
}

QList<RowParameter> postedTotals(bool withAdjusted) {
    QList<RowParameter> totals{{QStringLiteral("TOTALPOSTED"), FromRequest(&frmView::TotalPosted)},
                               {QStringLiteral("TOTALRETURNED"), FromRequest(&frmView::TotalReturned)},
                               {QStringLiteral("TOTALDISCOUNT"), FromRequest(&frmView::TotalDiscount)}};
    if (withAdjusted)
        totals << RowParameter{QStringLiteral("TOTALADJUSTED"), FromRequest(&frmView::TotalAdjusted)};
    return totals;
}

CatalogueRow postedByIndividual(qint16 code) {
    return {code, QStringLiteral("OpenPostedByIndividual"),
            exportable(QStringLiteral("List of Posted Medicines (In-Patient)"), QStringLiteral("PostedByIndividual.rpt")),
            QList<RowParameter>{{QStringLiteral("@STRIDNUM"), FromRequest(&frmView::AdmNum)}} + postedTotals(true)};
}

} // namespace

QList<CatalogueRow> PatientReportRows() {
    const QString range = QStringLiteral("@STARTDATE"), rangeEnd = QStringLiteral("@ENDDATE");
    QList<CatalogueRow> rows{
        {1, QStringLiteral("OpenAdmissionList"),
         exportable(QStringLiteral("Admission List Report"), QStringLiteral("AdmissionList.rpt")), {}},
        {2, QStringLiteral("OpenDailyDischarge"),
         exportable(QStringLiteral("Discharge List Report"), QStringLiteral("DailyDischarge.rpt")),
         {{QStringLiteral("DCRDATE"), ReportDateText()}, {QStringLiteral("@STRDCRDATE"), ReportDateText()}}},
        {3, QStringLiteral("OpenListUnitDose"), exportable(QStringLiteral("Unit Dose Report"), QStringLiteral("ListUnitDose.rpt")),
         {}},
        postedByIndividual(9),
        {10, QStringLiteral("OpenPostedByIndividualOP"),
         exportable(QStringLiteral("List of Posted Medicines (Out-Patient)"), QStringLiteral("PostedByIndividualOP.rpt")),
         QList<RowParameter>{{QStringLiteral("@STRIDNUM"), FromRequest(&frmView::AdmNum)}} + postedTotals(false)},
        {11, QStringLiteral("OpenPostedByDispenser"),
         exportable(QStringLiteral("List of Posted Medicines by Dispenser"), QStringLiteral("PostedByDispenser.rpt")),
         {{QStringLiteral("@STRDISPENSERCODE"), FromRequest(&frmView::DispenserCode)},
          {QStringLiteral("@STRTRANSDATE"), ReportDateText()},
          {QStringLiteral("@SHIFT"), FromRequest(&frmView::Shift)}}},
        {14, QStringLiteral("OpenForDischarge"), exportable(QStringLiteral("Patients for Discharge"), QStringLiteral("ForDischarge.rpt")),
         {{QStringLiteral("@DATETODAY"), ReportDateText()}}},
        {17, QStringLiteral("OpenPatientsWithDischargeNotice"), exportable(QString(), QStringLiteral("PatientsWithDischargeNotice.rpt")),
         {{QStringLiteral("@DEPARTMENTID"), Constant(QStringLiteral("PH"))}},
         true, true},
        // Age and sex are the requester's, empty where it set none.
        {16, QStringLiteral("OpenPharmacyMedicationProfile"), exportable(QString(), QStringLiteral("PharmacyMedicationProfile.rpt")),
         {{QStringLiteral("@IDNUM"), FromRequest(&frmView::AdmNum)},
          {QStringLiteral("PATIENTNAME"), FromRequest(&frmView::PatientName)},
          {QStringLiteral("DOCTOR"), FromRequest(&frmView::Doctor)},
          {QStringLiteral("IDNUM"), FromRequest(&frmView::AdmNum)},
          {QStringLiteral("ROOM"), FromRequest(&frmView::Room)},
          {QStringLiteral("HOSPNUM"), FromRequest(&frmView::HospNum)},
          {QStringLiteral("STATION"), FromRequest(&frmView::Station)},
          {QStringLiteral("AGE"), FromRequest(&frmView::Age)},
          {QStringLiteral("SEX"), FromRequest(&frmView::Sex)}}},
        // The hospital's name goes to HOSPADD; the report's tables log on to billing.
        {18, QStringLiteral("OpenVerification"),
         exportable(QStringLiteral("Verification Reference Number"), QStringLiteral("Verification.rpt")),
         {{QStringLiteral("@REFNUM"), FromRequest(&frmView::vlRefnum)},
          {QStringLiteral("HOSPADD"), [](const frmView&) { return QVariant(gHospitalName); }}},
         false, true},
        postedByIndividual(19),
        {20, QStringLiteral("OpenDrugDistributionReportUser"),
         exportable(QStringLiteral("Distribution Report"), QStringLiteral("DrugDistributionReport_User.rpt")),
         QList<RowParameter>{{QStringLiteral("@USERID"), FromRequest(&frmView::DispenserCode)},
                             {QStringLiteral("@SHIFT"), FromRequest(&frmView::Shift)}} +
             dateRange(QStringLiteral("@STRSTARTDATE"), QStringLiteral("@STRENDDATE"))},
        {25, QStringLiteral("OpenReportDrugConsumptionPerMonthDoctor"),
         exportable(QStringLiteral("Doctors Patient Consumption Report"), QStringLiteral("ReportDrugConsumptionPerMonthDoctor.rpt")),
         dateRange(range, rangeEnd)},
        {26, QStringLiteral("OpenReportDoctorPatientConfinement"),
         exportable(QStringLiteral("Doctors Patient Confinement Report"), QStringLiteral("ReportDoctorPatientConfinement.rpt")),
         dateRange(range, rangeEnd)},
        {32, QStringLiteral("OpenCensusByStationWithAge"),
         OpenerTemplate{QStringLiteral("Census By Station"), QStringLiteral("CensusByStationWithAge.rpt"), true, false,
                        report::NameMatch::Upper},
         {{QStringLiteral("@REPORTDATE"), StartDateAsDate()}, {QStringLiteral("@STATIONID"), FromRequest(&frmView::Station)}}},
        {47, QStringLiteral("OpenDailyPrescriptionCensus"),
         exportable(QStringLiteral("Daily Prescription Census"), QStringLiteral("DailyPrescriptionCensus.rpt")),
         dateRange(range, rangeEnd) + QList<RowParameter>{{QStringLiteral("PREPAREDBY"), LoginEmployeeName()}}},
        {58, QStringLiteral("OpenPharmaPHICReport"),
         exportable(QStringLiteral("PHIC List of Available Medicines"), QStringLiteral("PharmaPHICReport.rpt")), {}},
        {63, QStringLiteral("OpenAntibioticMonitoringReport"),
         exportable(QStringLiteral("Antibiotic Monitoring Report"), QStringLiteral("AntibioticMonitoringReport.rpt")),
         dateRange(range, rangeEnd)},
        {69, QStringLiteral("OpenListOfMonthlyReturnedItems"),
         exportable(QStringLiteral("Summary of Returned Medicines"), QStringLiteral("ListOfMonthlyReturnedItems.rpt")),
         dateRange(range, rangeEnd) + QList<RowParameter>{{QStringLiteral("@LOCATIONID"), Constant(QStringLiteral("20"))}}},
        {70, QStringLiteral("OpenFirstDoseIssuancesReport"),
         exportable(QStringLiteral("First Dose Issuances Report"), QStringLiteral("FirstDoseIssuancesReport.rpt")),
         dateRange(range, rangeEnd)},
        {71, QStringLiteral("OpenReportPackageRequest"), exportable(QStringLiteral("Package Request"), QStringLiteral("ReportPackageRequest.rpt")),
         QList<RowParameter>{{QStringLiteral("@REVENUEID"), Constant(QStringLiteral("PH"))}} + dateRange(range, rangeEnd)},
        {77, QStringLiteral("OpenAdmissionListDateRange"),
         exportable(QStringLiteral("Admission List Report"), QStringLiteral("AdmissionListDateRange.rpt")),
         dateRange(range, rangeEnd)},
        {94, QStringLiteral("OpenPostedByIndividualCash"),
         exportable(QStringLiteral("List of Posted Medicines (In-Patient)"), QStringLiteral("PostedByIndividual_CASH.rpt")),
         QList<RowParameter>{{QStringLiteral("@IDNUM"), FromRequest(&frmView::AdmNum)}} + postedTotals(true)},
        {95, QStringLiteral("OpenListOfCorrectedItems"),
         exportable(QStringLiteral("List of Corrected Items"), QStringLiteral("ListOfCorrectedItems.rpt")),
         QList<RowParameter>{{QStringLiteral("@REVENUEID"), Constant(QStringLiteral("PC"))},
                             {QStringLiteral("@ITEMID"), FromRequest(&frmView::ItemID)}} +
             dateRange(range, rangeEnd),
         false},
    };
    return rows;
}

} // namespace qx
