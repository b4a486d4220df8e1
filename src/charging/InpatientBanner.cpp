#include "charging/InpatientBanner.h"

#include "charging/Numbering.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/InpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/Switches.h"

#include <QLabel>
#include <QLineEdit>

namespace qx {

const QString kOpenBillDate = QStringLiteral("01/01/1900");

namespace {
const QString kBannerMessageTitle = QStringLiteral("MESSAGE");

// The admission's row of the second patient table; empty when there is none.
Recordset patient2Tags(Connection& con, const QString& admission) {
    return con.query(QStringLiteral("SELECT PatientsMed, VIP FROM patient_data.tbPatient2 WHERE IdNum = ?"),
                     {Trim(admission)});
}

bool tagIsSet(const Recordset& rs, const QString& column) {
    return !rs.isEmpty() && !rs.isNull(column) && CBool(rs.value(column));
}
} // namespace

void ShowBillClosedToday() {
    MsgBox(QStringLiteral("Patient's bill has been closed today.  Please verify with Billing section."), vbInformation,
           kBannerMessageTitle);
}

void ShowBillClosedRefusal() {
    MsgBox(QStringLiteral("Patient bill is closed.  You are not allowed to enter charges."), vbInformation,
           kBannerMessageTitle);
}

void TellIfPatientsMed(Connection& con, const QString& admission) {
    if (tagIsSet(patient2Tags(con, admission), QStringLiteral("PatientsMed")))
        MsgBox(QStringLiteral("This patient is tagged under patients med."), vbInformation, QStringLiteral("Message"));
}

bool IsVIPPatient(Connection& con, const QString& admission) {
    return tagIsSet(patient2Tags(con, admission), QStringLiteral("VIP"));
}

QString ShownDispensingChargeSlip(Connection& con, const QString& admission) {
    // The save claims from the same series.
    return ChargeSlipSeriesFor(con, gComponents.gDrug->Drug().Chargeslip(), Trim(admission))->current();
}

void ShowExecutivePackage(Connection& con, QLabel& label, const QString& admission) {
    const QString package = GetExecutivePackage(con, admission);
    label.setVisible(!package.isEmpty());
    if (!package.isEmpty())
        label.setText(package);
}

void ShowSponsorship(Connection& con, QLabel& label, const QString& admission) {
    if (gVelmira)
        label.setVisible(IsVelmiraPatient(con, admission));
}

void ShowRoomMarkUp(Connection& con, QLabel& markUp, QLabel& roomClass, const QString& admission) {
    if (!gSocializePricing)
        return;
    const std::optional<Recordset> room =
        con.callProcedure(QStringLiteral("Pharma_GetRoomClassAndMarkUp"), {{QStringLiteral("@IDNum"), admission}});
    if (!room || room->isEmpty())
        return;
    markUp.show();
    roomClass.show();
    markUp.setText(Text(room->value(QStringLiteral("MarkUp"))));
    roomClass.setText(Text(room->value(QStringLiteral("RoomClass"))));
}

void ShowRequestAdmission(Connection& con, const InpatientFile::Patient& patient, const QString& requestingStation,
                          const std::array<QLabel*, 11>& patInfo, QLineEdit& doctorCode, QLabel& execPackage,
                          QLabel& sponsorship) {
    const QString admission = patient.AdmissionNumber();
    TellIfPatientsMed(con, admission);
    ShowExecutivePackage(con, execPackage, admission);
    ShowSponsorship(con, sponsorship, admission);

    patInfo[7]->setText(admission);
    patInfo[0]->setText(patient.HospitalNumber());
    patInfo[1]->setText(patient.StationID() + QStringLiteral(" - ") + patient.Station());
    patInfo[2]->setText(patient.PatientName());
    doctorCode.setText(patient.DoctorID());
    patInfo[3]->setText(patient.Doctor());
    patInfo[4]->setText(requestingStation + QStringLiteral(" (") + patient.RoomNumber() + QStringLiteral(")"));
    patInfo[8]->setText(patient.Company());
    patInfo[9]->setText(patient.Age());
    patInfo[10]->setText(Left(patient.Sex(), 1));
}

ColorValue NextVIPBlinkColor(ColorValue current) {
    switch (current) {
    case 0xC0C0FF: return 0xFF;
    case 0xFF: return 0xC0;
    case 0xC0: return 0x80;
    default: return kVIPBlinkStart;
    }
}

} // namespace qx
