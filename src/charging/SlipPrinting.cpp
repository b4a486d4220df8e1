#include "charging/SlipPrinting.h"
#include "charging/frmChargeSlipCopies.h"
#include "charging/frmView.h"

#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "components/Connection.h"
#include "shell/ReportOpening.h"
#include "shell/Switches.h"

#include <QHash>
#include <algorithm>

namespace qx {

namespace {

const QString kSlipPrintingModule = QStringLiteral("mdlMain");
const QString kSettingsApp = QStringLiteral("Ruzari Zozoze");
const QString kSettingsSection = QStringLiteral("Settings");
const QString kCopiesKey = QStringLiteral("ChargeSlipCopies");

using HeaderField = QString ChargeSlipHeader::*;

// Parameter names, upper-cased, and the header value each receives.
const QHash<QString, HeaderField>& headerParameters() {
    static const QHash<QString, HeaderField> names{
        {QStringLiteral("NAME"), &ChargeSlipHeader::name},
        {QStringLiteral("ADMNUM"), &ChargeSlipHeader::patientId},
        {QStringLiteral("@IDNUM"), &ChargeSlipHeader::patientId},
        {QStringLiteral("HOSPNUM"), &ChargeSlipHeader::hospNum},
        {QStringLiteral("ROOM"), &ChargeSlipHeader::room},
        {QStringLiteral("ENCODER"), &ChargeSlipHeader::encoder},
        {QStringLiteral("ISSUEDBY"), &ChargeSlipHeader::issuedBy},
        {QStringLiteral("TRANSTYPE"), &ChargeSlipHeader::transType},
        {QStringLiteral("INPUTUSERID"), &ChargeSlipHeader::printKey},
        {QStringLiteral("@VARUSERID"), &ChargeSlipHeader::printKey},
        {QStringLiteral("REFNUM"), &ChargeSlipHeader::slipNumber},
        {QStringLiteral("@REFNUMBER"), &ChargeSlipHeader::slipNumber},
        {QStringLiteral("STRREFNUM"), &ChargeSlipHeader::slipNumber},
        {QStringLiteral("TRANSDATE"), &ChargeSlipHeader::transDate},
        {QStringLiteral("PROCESSDATE"), &ChargeSlipHeader::transDate},
        {QStringLiteral("DOCTOR"), &ChargeSlipHeader::doctor},
        {QStringLiteral("COMPANY"), &ChargeSlipHeader::company},
        {QStringLiteral("STATION"), &ChargeSlipHeader::station},
        {QStringLiteral("AGE"), &ChargeSlipHeader::age},
        {QStringLiteral("SEX"), &ChargeSlipHeader::sex},
        {QStringLiteral("DATEREQUEST"), &ChargeSlipHeader::requestDate},
        {QStringLiteral("REQUESTDATE"), &ChargeSlipHeader::requestDate},
        {QStringLiteral("PACKAGE"), &ChargeSlipHeader::package},
        {QStringLiteral("POSITION"), &ChargeSlipHeader::position},
        {QStringLiteral("REMARKS"), &ChargeSlipHeader::remarks},
        {QStringLiteral("POSTEDDATE"), &ChargeSlipHeader::postedDate},
        {QStringLiteral("ACCOUNT"), &ChargeSlipHeader::account},
    };
    return names;
}

} // namespace

std::optional<QString> ChargeSlipParameterValue(const ChargeSlipHeader& header, const QString& parameterName) {
    const QString name = UCase(Trim(parameterName));
    if (name == QStringLiteral("HOSPITALNAME"))
        return gHospitalName;
    if (name == QStringLiteral("HOSPITALADDRESS"))
        return gHospitalAddress;
    const auto field = headerParameters().constFind(name);
    if (field == headerParameters().constEnd())
        return std::nullopt;
    return header.*(field.value());
}

ChargeSlipHeader BannerChargeSlipHeader(Connection& con, const std::function<QString(int index)>& banner,
                                        const QString& issuedBy, const QString& slipNumber) {
    ChargeSlipHeader header;
    header.name = banner(2);
    header.patientId = banner(7);
    header.hospNum = banner(0);
    header.room = banner(4);
    header.encoder = gEmployeeName;
    header.issuedBy = issuedBy;
    header.transType = QStringLiteral("CF");
    header.printKey = gHostID;
    header.slipNumber = slipNumber;
    header.doctor = banner(3);
    header.company = SearchAccount(con, banner(7));
    header.age = banner(9);
    header.sex = banner(10);
    header.requestDate = Format(QVariant(con.serverNow()), QStringLiteral("mm/dd/yyyy hh:nn AMPM"));
    header.package = GetExecutivePackage(con, banner(7));
    header.position = gEmployeePosition;
    return header;
}

void SetChargeSlipReport(std::shared_ptr<report::Report>& report, const QString& fileName,
                         const ChargeSlipHeader& header) {
    report.reset();
    generalProcedure(kSlipPrintingModule, QStringLiteral("SetChargeSlipReport"), [&] {
        auto opened = report::Report::open(ResolveReportPath(fileName));
        opened->setTitle(gHospitalName);
        LogOnReportTables(*opened, QStringLiteral("INVENTORY"));
        for (report::ParameterField& field : opened->parameterFields()) {
            field.clearCurrentValues();
            if (const auto value = ChargeSlipParameterValue(header, field.name()))
                field.addCurrentValue(*value);
        }
        opened->setEnableParameterPrompting(false);
        report = std::move(opened);
    });
}

void PrintCashCMSlip(const QString& orNumber, const QString& adviseNumber, const QString& remarks) {
    generalProcedure(kSlipPrintingModule, QStringLiteral("PrintCashCMSlip"), [&] {
        const QVariantMap parameters{{QStringLiteral("@ORNumber"), orNumber},
                                     {QStringLiteral("@AdviseNo"), adviseNumber},
                                     {QStringLiteral("HOSPNAME"), gHospitalName},
                                     {QStringLiteral("REMARKS"), remarks}};
        OpenCrystalReportByName(ResolveReportPath(QStringLiteral("CashCM_Slip.rpt")), QStringLiteral("Inventory"),
                                parameters);
        ShowCrystalReport(false, QString(), false, false);
    });
}

int PrintSlipReport(const std::shared_ptr<report::Report>& report, bool useSiteDefault, bool askCopiesAtZmx) {
    int printOuts = 0;
    bool printedFromPreview = false;
    if (GetPharmaSwitch(QStringLiteral("16"))) {
        if (GetPharmaSwitch(QStringLiteral("28"))) {
            report->printOut(false);
            ++printOuts;
        }
        frmView& window = ReportWindow();
        window.LoadReport(report);
        showModal(window);
        printedFromPreview = window.clickedPrint;
    }
    if (printedFromPreview)
        return printOuts;
    int copies = 1;
    if (askCopiesAtZmx && gSiteCode == QStringLiteral("ZMX")) {
        frmChargeSlipCopies dialog;
        showModal(dialog);
        copies = std::max<int>(dialog.NumCopies, 1);
    } else {
        copies = GetChargeSlipCopies(useSiteDefault);
    }
    for (int copy = 0; copy < copies; ++copy) {
        report->printOut(false);
        ++printOuts;
    }
    return printOuts;
}

int PrintSlipCopies(const std::shared_ptr<report::Report>& report, int copies) {
    int printOuts = 0;
    for (; printOuts < copies; ++printOuts)
        report->printOut(false);
    return printOuts;
}

std::shared_ptr<report::Report> OpenSlipReport(const QString& fileName, const QVariantMap& values) {
    QHash<QString, QVariant> byName;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        byName.insert(UCase(Trim(it.key())), it.value());
    auto opened = report::Report::open(ResolveReportPath(fileName));
    opened->setTitle(gHospitalName);
    LogOnReportTables(*opened, QStringLiteral("Inventory"));
    for (report::ParameterField& field : opened->parameterFields()) {
        field.clearCurrentValues();
        const auto value = byName.constFind(UCase(Trim(field.name())));
        if (value != byName.constEnd())
            field.addCurrentValue(value.value());
    }
    opened->setEnableParameterPrompting(false);
    return opened;
}

int ReprintCopies(bool useSiteDefault) {
    if (gSiteCode == QStringLiteral("ZMX")) {
        frmChargeSlipCopies dialog;
        showModal(dialog);
        return dialog.NumCopies;
    }
    return GetChargeSlipCopies(useSiteDefault);
}

qint16 GetChargeSlipCopies(bool useSiteDefault) {
    if (gSiteCode == QStringLiteral("ZMX") && useSiteDefault)
        return 2;
    const QString stored = GetSetting(kSettingsApp, kSettingsSection, kCopiesKey, QStringLiteral("1"));
    if (!IsNumeric(stored))
        return 1;
    const double copies = CDbl(stored);
    if (copies < 0.5 || copies >= 32767.5)
        return 1;
    return std::max<qint16>(CInt(copies), 1);
}

void SaveChargeSlipCopies(const QString& copies) { SaveSetting(kSettingsApp, kSettingsSection, kCopiesKey, copies); }

} // namespace qx
