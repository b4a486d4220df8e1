#include "returns/frmListPostedOP.h"

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
#include "shell/Switches.h"

#include <QLineEdit>

namespace qx {

namespace {

const QString kOutPatientModule = QStringLiteral("frmListPostedOP");

enum VisitBannerSlot { visitHospNum, visitName, visitDoctor, visitAge, visitSex };

PostedListLayout outPatientLayout() {
    PostedListLayout l;
    l.name = kOutPatientModule;
    l.caption = QStringLiteral("List of Posted Medicines ( OUT-PATIENT )");
    l.patientFrame = QStringLiteral("&Patient Name");
    l.findLabel = QStringLiteral("&OPD No.");
    l.bannerCaptions = {QStringLiteral("Hospital No."), QStringLiteral("Name"), QStringLiteral("Doctor"),
                        QStringLiteral("Age"), QStringLiteral("Sex")};
    l.emptyFormat = QStringLiteral(
        "<Trans. Date |<Ref. # |<Encoder |<Drug Name |<Drug Code |<Transaction |<Quantity |>Amount");
    l.emptyColumns = 13;
    l.emptyWidths = [](int w) {
        return QVector<int>{w, w + 100, 3 * w - 100, 3 * w - 100, w, w + 100, w, w, 3 * w - 100, 3 * w - 100, w, 0, 0};
    };
    l.seniorFlagTable = QStringLiteral("patient_data.tbOutPatient");
    l.reprintTip = QStringLiteral("Print Posted Medicines");
    l.listReport = 10;
    l.seniorCaptionAlways = true;
    l.rateSignSlot = true;
    return l;
}

// The station a reprinted slip prints: the named rooms by their code, else the code itself.
QString visitSlipStation(const QString& code) {
    static const QHash<QString, QString> names{
        {QStringLiteral("OR"), QStringLiteral("Operating Room")},
        {QStringLiteral("ER"), QStringLiteral("Emergency Room")},
        {QStringLiteral("DR"), QStringLiteral("Delivery Room")},
        {QStringLiteral("ICU"), QStringLiteral("Intensive Care Unit")},
        {QStringLiteral("NIC"), QStringLiteral("Neunatal ICU")},
        {QStringLiteral("RR"), QStringLiteral("Recovery Room")},
    };
    return names.value(code, code);
}

OutpatientFile::OPDPatient& visit() { return SlotComponent(gComponents.gOPDPatient); }

} // namespace

frmListPostedOP::frmListPostedOP(QWidget* parent) : PostedList(outPatientLayout(), parent) {}

QString& frmListPostedOP::ReprintRemarks() {
    static QString remarks;
    return remarks;
}

bool frmListPostedOP::findPatient() { return findVisit(); }

QString frmListPostedOP::currentPatientId() { return visit().OPDNumber(); }

QStringList frmListPostedOP::bannerValues() {
    const OutpatientFile::OPDPatient& patient = visit();
    return {patient.HospitalNumber(), patient.PatientName(), patient.Doctor(), patient.Age(), patient.Sex().left(1)};
}

void frmListPostedOP::reprintRow(const QString& transaction, const QString& patientId, const QString& refNum) {
    if (transaction == QStringLiteral("Issued"))
        GetChargeRecords(patientId, refNum);
    else if (transaction == QStringLiteral("Returned"))
        GetCreditMemo(patientId, refNum, 1);
    else if (transaction == QStringLiteral("Adjusted"))
        GetCreditMemo(patientId, refNum, 2);
}

void frmListPostedOP::GetChargeRecords(const QString& IDNum, const QString& RefNum) {
    generalProcedure(kOutPatientModule, QStringLiteral("GetChargeRecords"), [&] {
        Connection& con = SQLConnection();
        const QString station = visitSlipStation(GetStation(con, findText(), flexMSHList->textMatrix(flexMSHList->row(), 1)));
        PostedSlipFirstLine first;
        PostedSlipRestage restage;
        restage.idNum = IDNum;
        restage.slipNumber = RefNum;
        restage.key = gHostID;
        restage.byCodeOnly = true;
        restage.withPrices = true;
        restage.describe = GenericFirstDescription;
        if (!StagePostedSlipForReprint(con, SlotComponent(gComponents.gDrug).Drug(), restage, &first))
            return;
        OutpatientFile::OPDPatient& patient = visit();
        if (!patient.Search(IDNum))
            return;
        const QString visitId = Trim(patient.OPDNumber());
        const QVariantMap values{
            {QStringLiteral("NAME"), Trim(patient.PatientName())},
            {QStringLiteral("ADMNUM"), visitId},
            {QStringLiteral("HOSPNUM"), Trim(patient.HospitalNumber())},
            {QStringLiteral("ROOM"), Trim(patient.Doctor())},
            {QStringLiteral("ENCODER"), Trim(first.encoder)},
            {QStringLiteral("ISSUEDBY"), Trim(first.dispenserName)},
            {QStringLiteral("TRANSTYPE"), QStringLiteral("Reprint")},
            {QStringLiteral("ACCOUNT"), QStringLiteral("(") + Trim(patient.AccountNumber()) + QStringLiteral(") ") +
                                            Trim(patient.AccountName())},
            {QStringLiteral("INPUTUSERID"), Trim(gHostID)},
            {QStringLiteral("REFNUM"), Trim(RefNum)},
            {QStringLiteral("TRANSDATE"), Trim(first.transDate)},
            {QStringLiteral("@REFNUMBER"), Trim(RefNum)},
            {QStringLiteral("@IDNUM"), visitId},
            {QStringLiteral("@VARUSERID"), gHostID},
            {QStringLiteral("STATION"), station},
            {QStringLiteral("AGE"), bannerText(visitAge)},
            {QStringLiteral("SEX"), bannerText(visitSex)},
            {QStringLiteral("HOSPITALNAME"), gHospitalName},
            {QStringLiteral("HOSPITALADDRESS"), gHospitalAddress},
            {QStringLiteral("POSITION"), gEmployeePosition},
            {QStringLiteral("DOCTOR"), bannerText(visitDoctor)},
            {QStringLiteral("REMARKS"), ReprintRemarks()},
        };
        auto slip = OpenSlipReport(QStringLiteral("OPDChargeSlipReprint.rpt"), values);
        if (GetPharmaSwitch(con, QStringLiteral("28"))) {
            PrintSlipCopies(slip, ReprintCopies(true));
            return;
        }
        frmView& preview = ReportWindow();
        preview.LoadReport(slip);
        showModal(preview);
    });
}

void frmListPostedOP::GetCreditMemo(const QString& IDNum, const QString& RefNum, int Kind) {
    generalProcedure(kOutPatientModule, QStringLiteral("GetCreditMemo"), [&] {
        Connection& con = SQLConnection();
        DrugCatalog::Drug& drug = SlotComponent(gComponents.gDrug).Drug();
        PostedSlipFirstLine first;
        PostedMemoRestage restage;
        restage.idNum = IDNum;
        restage.memoNumber = RefNum;
        restage.key = gHostID;
        // An item the drug component no longer finds is left off.
        restage.describe = [&drug](const QString& itemCode) -> std::optional<QString> {
            if (!drug.SearchDrug(itemCode))
                return std::nullopt;
            return GenericFirstDescription(drug);
        };
        if (!StagePostedMemoForReprint(con, restage, &first))
            return;
        OutpatientFile::OPDPatient& patient = visit();
        if (!patient.Search(IDNum))
            return;
        const QVariantMap values{
            {QStringLiteral("NAME"), Trim(patient.PatientName())},
            {QStringLiteral("ADMNUM"), Trim(IDNum)},
            {QStringLiteral("HOSPNUM"), Trim(patient.HospitalNumber())},
            {QStringLiteral("RECEIVED"), Trim(first.dispenserName)},
            {QStringLiteral("ENCODER"), Trim(first.encoder)},
            {QStringLiteral("INPUTUSERID"), Trim(gHostID)},
            {QStringLiteral("REFNUM"), Trim(RefNum)},
            {QStringLiteral("HOSPITALNAME"), gHospitalName},
            {QStringLiteral("HOSPITALADDRESS"), gHospitalAddress},
            {QStringLiteral("REMARKS"), ReprintRemarks()},
        };
        auto slip = OpenSlipReport(Kind == 1 ? QStringLiteral("OPDCMSlip_2.rpt") : QStringLiteral("OPDAdjustSlip_2.rpt"),
                                   values);
        PrintSlipCopies(slip, ReprintCopies(true));
    });
}

} // namespace qx
