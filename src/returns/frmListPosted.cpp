#include "returns/frmListPosted.h"

#include "charging/ChargeSlipRestage.h"
#include "charging/SlipPrinting.h"
#include "charging/frmView.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"

#include <QLabel>
#include <QLineEdit>

namespace qx {

namespace {

const QString kListPostedModule = QStringLiteral("frmListPosted");

enum BannerSlot { slotHospNum, slotName, slotDoctor, slotStation, slotRoom, slotAge, slotSex };

PostedListLayout inPatientLayout() {
    PostedListLayout l = AdmissionPostedListLayout();
    l.name = kListPostedModule;
    l.caption = QStringLiteral("List of Posted Medicines ( IN-PATIENT )");
    l.seniorFlagTable = QStringLiteral("patient_data.tbPatient");
    l.reprintTip = QStringLiteral("Print Charge Slip/Credit Memo");
    l.adjustedTotal = true;
    l.patientsMed = true;
    l.drugProfile = true;
    l.seniorList = true;
    l.listReport = 9;
    l.listPrintLog = QStringLiteral("Printed List Posted Medicines under Patient : ");
    l.reprintLog = QStringLiteral("Re-Printed List Posted Medicines under Patient : ");
    return l;
}

// The station a charge slip prints: the named rooms by their code, else the banner's station.
QString slipStation(const QString& code, const QString& bannerStation) {
    static const QHash<QString, QString> names{
        {QStringLiteral("OR"), QStringLiteral("Operating Room")},
        {QStringLiteral("ER"), QStringLiteral("Emergency Room")},
        {QStringLiteral("DR"), QStringLiteral("Delivery Room")},
        {QStringLiteral("ICU"), QStringLiteral("Intensive Care Unit")},
        {QStringLiteral("NIC"), QStringLiteral("Neunatal ICU")},
        {QStringLiteral("RR"), QStringLiteral("Recovery Room")},
    };
    return names.value(code, bannerStation);
}

} // namespace

frmListPosted::frmListPosted(QWidget* parent) : PostedList(inPatientLayout(), parent) {}

QString& frmListPosted::ReprintRemarks() {
    static QString remarks;
    return remarks;
}

bool frmListPosted::findPatient() {
    if (!IsNumeric(txtFind->text()))
        txtFind->setText(SlotComponent(gComponents.gInpatientList).ShowList(txtFind->text(), 2));
    if (txtFind->text().isEmpty())
        return false;
    if (!SlotComponent(gComponents.gPatient).LoadInfo(findText())) {
        ShowInfo(QStringLiteral("Patient not found."));
        return false;
    }
    return true;
}

QString frmListPosted::currentPatientId() { return SlotComponent(gComponents.gPatient).AdmissionNumber(); }

QStringList frmListPosted::bannerValues() {
    const InpatientFile::Patient& patient = SlotComponent(gComponents.gPatient);
    return {patient.HospitalNumber(),
            patient.PatientName(),
            patient.Doctor(),
            patient.StationID() + QStringLiteral(" - ") + patient.Station(),
            patient.RoomNumber() + QStringLiteral(" - ") + patient.Room(),
            patient.Age(),
            patient.Sex().left(1)};
}

void frmListPosted::GetParameters(const QString& admissionNumber) {
    generalProcedure(kListPostedModule, QStringLiteral("GetParameters"), [&] {
        const std::optional<Recordset> rs = SQLConnection().callProcedure(
            QStringLiteral("Pharma_GetPharmaPatientsCategory"), {{QStringLiteral("@IDNum"), admissionNumber}});
        if (!rs || rs->eof())
            return;
        age_ = rs->text(QStringLiteral("Age"));
        sex_ = rs->text(QStringLiteral("Sex"));
    });
}

void frmListPosted::requestDrugProfile() {
    GetParameters(findText());
    frmView& view = ReportWindow();
    view.setWhatReport(16);
    view.setPatientName(bannerText(slotName));
    view.setDoctor(bannerText(slotDoctor));
    view.setAdmNum(findText());
    view.setRoom(bannerText(slotRoom));
    view.setHospNum(bannerText(slotHospNum));
    view.setStation(bannerText(slotStation));
    view.setAge(age_);
    view.setSex(sex_);
}

void frmListPosted::reprintRow(const QString& transaction, const QString& patientId, const QString& refNum) {
    if (transaction == QStringLiteral("Issued"))
        GetChargeRecords1(patientId, refNum);
    else if (transaction == QStringLiteral("Returned"))
        GetCreditMemo(patientId, refNum, 1);
    else if (transaction == QStringLiteral("Adjusted"))
        GetCreditMemo(patientId, refNum, 2);
}

void frmListPosted::GetChargeRecords1(const QString& IDNum, const QString& ChargeSlip) {
    generalProcedure(kListPostedModule, QStringLiteral("GetChargeRecords1"), [&] {
        Connection& con = SQLConnection();
        const int row = flexMSHList->row();
        const QString station =
            slipStation(GetStation(con, findText(), flexMSHList->textMatrix(row, 1)), lblPatInfo[slotStation]->text());
        PostedSlipFirstLine first;
        PostedSlipRestage restage;
        restage.idNum = IDNum;
        restage.slipNumber = ChargeSlip;
        restage.key = gHostID;
        restage.byCodeOnly = true;
        restage.withDosage = true;
        restage.describe = BracketedDescriptionCharge;
        if (!StagePostedSlipForReprint(con, SlotComponent(gComponents.gDrug).Drug(), restage, &first))
            return;
        InpatientFile::Patient& patient = SlotComponent(gComponents.gPatient);
        if (!patient.LoadInfo(IDNum))
            return;
        const QString requested = flexMSHList->textMatrix(row, 0);
        ChargeSlipHeader header;
        header.name = Trim(patient.PatientName());
        header.patientId = Trim(patient.AdmissionNumber());
        header.hospNum = Trim(patient.HospitalNumber());
        header.room = flexMSHList->textMatrix(row, 11) + u' ' + Trim(patient.RoomNumber());
        header.encoder = Trim(first.encoder);
        header.issuedBy = Trim(first.dispenserName);
        header.transType = QStringLiteral("Reprint");
        header.printKey = gHostID;
        header.slipNumber = Trim(ChargeSlip);
        header.transDate = Trim(first.transDate);
        header.doctor = bannerText(slotDoctor);
        header.company = SearchAccount(con, header.patientId);
        header.station = station;
        header.age = bannerText(slotAge);
        header.sex = bannerText(slotSex);
        header.requestDate =
            IsDate(requested) ? Format(QVariant(CDate(requested)), QStringLiteral("MM/dd/yyyy hh:mm AMPM")) : QString();
        header.package = GetExecutivePackage(con, findText());
        header.remarks = ReprintRemarks();
        std::shared_ptr<report::Report> slip;
        SetChargeSlipReport(slip, QStringLiteral("ChargeSlip1.rpt"), header);
        PrintSlipCopies(slip, ReprintCopies(false));
    });
}

void frmListPosted::GetCreditMemo(const QString& IDNum, const QString& RefNum, int Kind) {
    generalProcedure(kListPostedModule, QStringLiteral("GetCreditMemo"), [&] {
        Connection& con = SQLConnection();
        PostedSlipFirstLine first;
        if (!StagePostedMemoForReprint(con, {.idNum = IDNum, .memoNumber = RefNum, .key = gHostID, .describe = {}}, &first))
            return;
        InpatientFile::Patient& patient = SlotComponent(gComponents.gPatient);
        if (!patient.LoadInfo(IDNum))
            return;
        const QVariantMap values{
            {QStringLiteral("NAME"), Trim(patient.PatientName())},
            {QStringLiteral("ADMNUM"), Trim(patient.AdmissionNumber())},
            {QStringLiteral("ROOM"), Trim(patient.RoomNumber())},
            {QStringLiteral("HOSPNUM"), Trim(patient.HospitalNumber())},
            {QStringLiteral("RECEIVED"), Trim(first.dispenserName)},
            {QStringLiteral("ENCODER"), Trim(first.encoder)},
            {QStringLiteral("INPUTUSERID"), Trim(gHostID)},
            {QStringLiteral("REFNUM"), Trim(RefNum)},
            {QStringLiteral("HOSPITALNAME"), gHospitalName},
            {QStringLiteral("HOSPITALADDRESS"), gHospitalAddress},
            {QStringLiteral("REMARKS"), ReprintRemarks()},
        };
        auto slip = OpenSlipReport(Kind == 1 ? QStringLiteral("CMSlip_2.rpt") : QStringLiteral("AdjustSlip_2.rpt"), values);
        PrintSlipCopies(slip, ReprintCopies(false));
    });
}

} // namespace qx
