#pragma once
#include "components/AccountFirms.h"
#include "components/Clinicians.h"
#include "components/ComponentFactory.h"
#include "components/DispenserRoll.h"
#include "components/DoseForms.h"
#include "components/DrugCatalog.h"
#include "components/DrugPicker.h"
#include "components/InpatientFile.h"
#include "components/InpatientRoster.h"
#include "components/IssueLedger.h"
#include "components/OutpatientFile.h"
#include "components/OutpatientRecent.h"
#include "components/OutpatientRoster.h"
#include "components/SiteOptions.h"
#include "components/SlipBook.h"
#include "components/StaffLogin.h"
#include "components/TillCalendar.h"
#include "components/TillInvoices.h"
#include "components/TillNumbers.h"
#include "components/WardStations.h"

#include <QVector>

namespace qx {

// The ProgIDs of the suite.
namespace progid {
inline const QString ChargeSlipList = QStringLiteral("SlipBook.ChargeSlipList");
inline const QString OutpatientList = QStringLiteral("OutpatientRoster.OutpatientList");
inline const QString OptionSet = QStringLiteral("SiteOptions.OptionSet");
inline const QString Firm = QStringLiteral("AccountFirms.Firm");
inline const QString InpatientList = QStringLiteral("InpatientRoster.InpatientList");
inline const QString RecentList = QStringLiteral("OutpatientRecent.RecentList");
inline const QString CurrentUser = QStringLiteral("StaffLogin.CurrentUser");
inline const QString Drug = QStringLiteral("DrugCatalog.Drug");
inline const QString FirmList = QStringLiteral("AccountFirms.FirmList");
inline const QString IssuedMedicines = QStringLiteral("IssueLedger.IssuedMedicines");
inline const QString Dosage = QStringLiteral("DoseForms.Dosage");
inline const QString DosageList = QStringLiteral("DoseForms.DosageList");
inline const QString Doctor = QStringLiteral("Clinicians.Doctor");
inline const QString DoctorList = QStringLiteral("Clinicians.DoctorList");
inline const QString Dispensers = QStringLiteral("DispenserRoll.Dispensers");
inline const QString CashDate = QStringLiteral("TillCalendar.CashDate");
inline const QString CashInvoice = QStringLiteral("TillInvoices.CashInvoice");
inline const QString CashNumbers = QStringLiteral("TillNumbers.CashNumbers");
inline const QString OPDPatient = QStringLiteral("OutpatientFile.OPDPatient");
inline const QString Patient = QStringLiteral("InpatientFile.Patient");
inline const QString DispenserList = QStringLiteral("DispenserRoll.DispenserList");
inline const QString DrugList = QStringLiteral("DrugPicker.DrugList");
inline const QString GenericList = QStringLiteral("DrugPicker.GenericList");
inline const QString Station = QStringLiteral("WardStations.Station");
} // namespace progid

// The global slots of the sibling components, alive for the whole run.
class SuiteComponents {
public:
    SuiteComponents() = default;
    SuiteComponents(const SuiteComponents&) = delete;
    SuiteComponents& operator=(const SuiteComponents&) = delete;

    std::shared_ptr<StaffLogin::CurrentUser> gCurrentUser;
    std::shared_ptr<InpatientFile::Patient> gPatient;
    std::shared_ptr<DrugCatalog::Component> gDrug;
    std::shared_ptr<InpatientRoster::InpatientList> gInpatientList;
    std::shared_ptr<DoseForms::Dosage> gDosage;
    std::shared_ptr<DrugPicker::DrugList> gDrugList;
    std::shared_ptr<DoseForms::DosageList> gDosageList;
    std::shared_ptr<AccountFirms::Firm> gCompany;
    std::shared_ptr<AccountFirms::FirmList> gCompanyList;
    std::shared_ptr<Clinicians::Doctor> gDoctor;
    std::shared_ptr<Clinicians::DoctorList> gDoctorList;
    std::shared_ptr<OutpatientFile::OPDPatient> gOPDPatient;
    std::shared_ptr<OutpatientRecent::RecentList> gOPDRecentList;
    std::shared_ptr<IssueLedger::IssuedMedicines> gIssuedMedicines;
    std::shared_ptr<SlipBook::ChargeSlipList> gChargeSlipList;
    std::shared_ptr<SiteOptions::OptionSet> gOptions;
    std::shared_ptr<OutpatientRoster::OutpatientList> gOPDList;
    std::shared_ptr<DispenserRoll::Dispensers> gDispensers;
    std::shared_ptr<DispenserRoll::DispenserList> gDispenserList;
    std::shared_ptr<TillCalendar::CashDate> gCashDate;
    std::shared_ptr<TillInvoices::CashInvoice> gCashInvoice;
    std::shared_ptr<TillNumbers::CashNumbers> gCashNumbers;

    // Creates every component but the drug picker into its slot, in creation order. The first
    // failure stops it with error 0x80040064 from "prjQuillax.mdlMain.registerDLLS", its
    // description extended by the general-procedure convention.
    void registerDLLS(const ComponentFactory& factory);
    // Creates the drug picker: by generic name (DrugPicker.GenericList) or by brand name.
    void createDrugPicker(const ComponentFactory& factory, bool byGeneric);
    // A station list for one tree build; released by the caller.
    std::shared_ptr<WardStations::Station> createStation(const ComponentFactory& factory) const;

    // One connect call of the start-up loop.
    struct ConnectStep {
        int step;          // 1..21, the connection order
        QString slot;      // "gPatient"
        QString progId;
        // Calls the slot's InitConnect/InitConnection; throws AppError when the slot is empty.
        std::function<bool(const QString& connectionString)> connect;
    };
    // The 21 connect calls in connection order.
    QVector<ConnectStep> connectionSteps() const;

    // The connection the login component has open, or nullptr; what components look it up by.
    ConnectionProvider connectionProvider() const;

    // Releases the components in the main window's unload order, then those it leaves.
    void releaseInMainWindowOrder();

private:
    QHash<QString, std::function<bool(const QString&)>> connectors_;  // by slot name
};

} // namespace qx
