// Codes 74 to 76 and 79: slips and a prescription shown before or instead of printing.
#include "charging/frmView.h"
#include "components/Connection.h"
#include "platform/Values.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportOpenerTemplate.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

namespace qx {

namespace {

// The header both assessment slips share; the preview adds the discount name.
QList<KnownParameter> assessSlipParameters(const frmView& request) {
    return {
        {QStringLiteral("NAME"), request.PatientName()},
        {QStringLiteral("ADMNUM"), request.AdmNum()},
        {QStringLiteral("HOSPNUM"), request.HospNum()},
        {QStringLiteral("ROOM"), QString()},
        {QStringLiteral("ENCODER"), gEmployeeName},
        {QStringLiteral("ISSUEDBY"), QString()},
        {QStringLiteral("TRANSTYPE"), QString()},
        {QStringLiteral("INPUTUSERID"), gEmployeeCode},
        {QStringLiteral("REFNUM"), request.vlRefnum()},
        {QStringLiteral("HOSPITALNAME"), gHospitalName},
        {QStringLiteral("HOSPITALADDRESS"), gHospitalAddress},
        {QStringLiteral("DOCTOR"), request.Doctor()},
    };
}

} // namespace

OpenedReport OpenAssessSlipPreview(const frmView& request) {
    QList<KnownParameter> known = assessSlipParameters(request);
    known << KnownParameter{QStringLiteral("DISCOUNTNAME"), request.DiscNameAssess()};
    return OpenFromTemplate({QStringLiteral("Assessment Slip"), QStringLiteral("AssessSlip_Preview.rpt"), true, false},
                            known);
}

OpenedReport OpenAssessSlipReprint(const frmView& request) {
    return OpenFromTemplate({QStringLiteral("Assessment Slip"), QStringLiteral("AssessSlip_Reprint.rpt"), true, false},
                            assessSlipParameters(request));
}

OpenedReport OpenChargeSlipPreview(const frmView& request) {
    const QString requested = Format(SQLConnection().serverNow(), QStringLiteral("MM/dd/yyyy hh:mm AMPM"));
    return OpenFromTemplate({QStringLiteral("Chargeslip Slip"), QStringLiteral("ChargeSlip_Preview.rpt"), true, false},
                            {
                                {QStringLiteral("NAME"), request.PatientName()},
                                {QStringLiteral("ADMNUM"), request.AdmNum()},
                                {QStringLiteral("HOSPNUM"), request.HospNum()},
                                {QStringLiteral("ROOM"), request.Room()},
                                {QStringLiteral("ENCODER"), gEmployeeName},
                                {QStringLiteral("ISSUEDBY"), QString()},
                                {QStringLiteral("TRANSTYPE"), QStringLiteral("Original Copy")},
                                {QStringLiteral("INPUTUSERID"), gEmployeeCode},
                                {QStringLiteral("REFNUM"), request.vlRefnum()},
                                {QStringLiteral("DOCTOR"), request.Doctor()},
                                {QStringLiteral("COMPANY"), request.Company()},
                                {QStringLiteral("STATION"), request.Station()},
                                {QStringLiteral("AGE"), request.Age()},
                                {QStringLiteral("SEX"), request.Sex()},
                                {QStringLiteral("HOSPITALNAME"), gHospitalName},
                                {QStringLiteral("HOSPITALADDRESS"), gHospitalAddress},
                                {QStringLiteral("DATEREQUEST"), requested},
                                {QStringLiteral("PACKAGE"), request.Package()},
                            });
}

OpenedReport OpenDocPrescription(const frmView& request) {
    return OpenFromTemplate({QStringLiteral("Prescription"), QStringLiteral("DocPrescription.rpt"), false, false},
                            {
                                {QStringLiteral("ITEMNAME"), Trim(request.PrescriptionItemName())},
                                {QStringLiteral("ITEMDESC"), Trim(request.PrescriptionItemDesc())},
                                {QStringLiteral("DOSAGE"), Trim(request.PrescriptionDosage())},
                                {QStringLiteral("QUANTITY"), Trim(request.PrescriptionQuantity())},
                                {QStringLiteral("PATIENTNAME"), Trim(request.PrescriptionPatientName())},
                                {QStringLiteral("DOCTOR"), Trim(request.PrescriptionDoctor())},
                                {QStringLiteral("ISDOCTOR"), Trim(request.isDoctor())},
                                {QStringLiteral("PTR"), Trim(request.PrescriptionPTR())},
                                {QStringLiteral("PRC"), Trim(request.PrescriptionPRC())},
                                {QStringLiteral("TIN"), Trim(request.PrescriptionTIN())},
                                {QStringLiteral("S2"), Trim(request.PrescriptionSTwo())},
                            });
}

} // namespace qx
