#include "components/SuiteComponents.h"
#include "components/AppError.h"

namespace qx {

namespace {

constexpr long kGeneralProcedureError = static_cast<long>(0x80040064);
const QString kRegisterSource = QStringLiteral("prjQuillax.mdlMain.registerDLLS");

} // namespace

void SuiteComponents::registerDLLS(const ComponentFactory& factory) {
    const ConnectionProvider provider = connectionProvider();
    // One creation per line of the creation order; `line` is what the error reports.
    int line = 0;
    auto into = [&](const QString& progId, auto& slot, const QString& slotName) {
        ++line;
        using Interface = typename std::decay_t<decltype(slot)>::element_type;
        std::function<bool(const QString&)> connect;
        slot = factory.create<Interface>(progId, provider, &connect);
        if (connect)
            connectors_.insert(slotName, std::move(connect));
    };
    try {
        into(progid::ChargeSlipList, gChargeSlipList, QStringLiteral("gChargeSlipList"));
        into(progid::OutpatientList, gOPDList, QStringLiteral("gOPDList"));
        into(progid::OptionSet, gOptions, QStringLiteral("gOptions"));
        into(progid::Firm, gCompany, QStringLiteral("gCompany"));
        into(progid::InpatientList, gInpatientList, QStringLiteral("gInpatientList"));
        into(progid::RecentList, gOPDRecentList, QStringLiteral("gOPDRecentList"));
        into(progid::CurrentUser, gCurrentUser, QStringLiteral("gCurrentUser"));
        into(progid::Drug, gDrug, QStringLiteral("gDrug"));
        into(progid::FirmList, gCompanyList, QStringLiteral("gCompanyList"));
        into(progid::IssuedMedicines, gIssuedMedicines, QStringLiteral("gIssuedMedicines"));
        into(progid::Dosage, gDosage, QStringLiteral("gDosage"));
        into(progid::DosageList, gDosageList, QStringLiteral("gDosageList"));
        into(progid::Doctor, gDoctor, QStringLiteral("gDoctor"));
        into(progid::DoctorList, gDoctorList, QStringLiteral("gDoctorList"));
        into(progid::Dispensers, gDispensers, QStringLiteral("gDispensers"));
        into(progid::CashDate, gCashDate, QStringLiteral("gCashDate"));
        into(progid::CashInvoice, gCashInvoice, QStringLiteral("gCashInvoice"));
        into(progid::CashNumbers, gCashNumbers, QStringLiteral("gCashNumbers"));
        into(progid::OPDPatient, gOPDPatient, QStringLiteral("gOPDPatient"));
        into(progid::Patient, gPatient, QStringLiteral("gPatient"));
        into(progid::DispenserList, gDispenserList, QStringLiteral("gDispenserList"));
    } catch (const AppError& e) {
        throw AppError(kGeneralProcedureError, kRegisterSource,
                       e.description() + QLatin1Char('\n') + QStringLiteral("in ") + kRegisterSource +
                           QStringLiteral(" at line ") + QString::number(line));
    } catch (const std::exception& e) {
        throw AppError(kGeneralProcedureError, kRegisterSource,
                       QString::fromUtf8(e.what()) + QLatin1Char('\n') + QStringLiteral("in ") + kRegisterSource +
                           QStringLiteral(" at line ") + QString::number(line));
    }
}

void SuiteComponents::createDrugPicker(const ComponentFactory& factory, bool byGeneric) {
    std::function<bool(const QString&)> connect;
    gDrugList = factory.create<DrugPicker::DrugList>(byGeneric ? progid::GenericList : progid::DrugList,
                                                     connectionProvider(), &connect);
    connectors_.insert(QStringLiteral("gDrugList"), std::move(connect));
}

std::shared_ptr<WardStations::Station> SuiteComponents::createStation(const ComponentFactory& factory) const {
    return factory.create<WardStations::Station>(progid::Station, connectionProvider());
}

QVector<SuiteComponents::ConnectStep> SuiteComponents::connectionSteps() const {
    static const QVector<std::pair<QString, QString>> order{
        {QStringLiteral("gPatient"), progid::Patient},
        {QStringLiteral("gDrug"), progid::Drug},
        {QStringLiteral("gInpatientList"), progid::InpatientList},
        {QStringLiteral("gDosage"), progid::Dosage},
        {QStringLiteral("gDrugList"), QString()},  // whichever picker start-up chose
        {QStringLiteral("gDosageList"), progid::DosageList},
        {QStringLiteral("gCompany"), progid::Firm},
        {QStringLiteral("gCompanyList"), progid::FirmList},
        {QStringLiteral("gDoctor"), progid::Doctor},
        {QStringLiteral("gDoctorList"), progid::DoctorList},
        {QStringLiteral("gOPDPatient"), progid::OPDPatient},
        {QStringLiteral("gOPDRecentList"), progid::RecentList},
        {QStringLiteral("gIssuedMedicines"), progid::IssuedMedicines},
        {QStringLiteral("gChargeSlipList"), progid::ChargeSlipList},
        {QStringLiteral("gOptions"), progid::OptionSet},
        {QStringLiteral("gOPDList"), progid::OutpatientList},
        {QStringLiteral("gDispensers"), progid::Dispensers},
        {QStringLiteral("gDispenserList"), progid::DispenserList},
        {QStringLiteral("gCashDate"), progid::CashDate},
        {QStringLiteral("gCashInvoice"), progid::CashInvoice},
        {QStringLiteral("gCashNumbers"), progid::CashNumbers},
    };
    QVector<ConnectStep> steps;
    int step = 0;
    for (const auto& [slot, progId] : order) {
        auto connect = connectors_.value(slot);
        const QString slotName = slot;
        steps.push_back({++step, slot, progId, [connect, slotName](const QString& connStr) {
                             if (!connect)
                                 throw AppError(91, slotName,
                                                QStringLiteral("Object variable or With block variable not set"));
                             return connect(connStr);
                         }});
    }
    return steps;
}

ConnectionProvider SuiteComponents::connectionProvider() const {
    return [this]() -> Connection* {
        if (!gCurrentUser || !gCurrentUser->Connected())
            return nullptr;
        return &gCurrentUser->SQLConnection();
    };
}

void SuiteComponents::releaseInMainWindowOrder() {
    gPatient.reset();
    gDrug.reset();
    gInpatientList.reset();
    gDrugList.reset();
    gDosage.reset();
    gDosageList.reset();
    gCompany.reset();
    gCompanyList.reset();
    gDoctor.reset();
    gDoctorList.reset();
    gOPDPatient.reset();
    gOPDRecentList.reset();
    gIssuedMedicines.reset();
    gChargeSlipList.reset();
    gOptions.reset();
    gDispensers.reset();
    gDispenserList.reset();
    gCashDate.reset();
    gCashInvoice.reset();
    gCashNumbers.reset();
    // Last: the others may still hold the connection it owns.
    gCurrentUser.reset();
    connectors_.clear();
}

} // namespace qx
