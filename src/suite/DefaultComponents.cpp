#include "suite/DefaultComponents.h"
#include "components/SuiteComponents.h"
#include "suite/AccountFirmsFirm.h"
#include "suite/AccountFirmsFirmList.h"
#include "suite/CliniciansDoctor.h"
#include "suite/CliniciansDoctorList.h"
#include "suite/DispenserRollDispenserList.h"
#include "suite/DrugCatalogComponent.h"
#include "suite/InpatientFilePatient.h"
#include "suite/OutpatientFileOPDPatient.h"
#include "suite/TillCalendarCashDate.h"
#include "suite/TillInvoicesCashInvoice.h"
#include "suite/TillNumbersCashNumbers.h"
#include "suite/DispenserRollDispensers.h"
#include "suite/DoseFormsDosage.h"
#include "suite/DoseFormsDosageList.h"
#include "suite/DrugCatalogComponent.h"
#include "suite/DrugPickerList.h"
#include "suite/InpatientFilePatient.h"
#include "suite/InpatientRosterInpatientList.h"
#include "suite/IssueLedgerIssuedMedicines.h"
#include "suite/OutpatientFileOPDPatient.h"
#include "suite/OutpatientRecentRecentList.h"
#include "suite/OutpatientRosterOutpatientList.h"
#include "suite/SiteOptionsOptionSet.h"
#include "suite/SlipBookChargeSlipList.h"
#include "suite/StaffLoginCurrentUser.h"
#include "suite/TillCalendarCashDate.h"
#include "suite/TillInvoicesCashInvoice.h"
#include "suite/TillNumbersCashNumbers.h"
#include "suite/WardStationsStation.h"

namespace qx::suite {

namespace {

// A creator for a component whose constructor takes the connection provider.
template <class Interface, class Impl>
std::function<std::shared_ptr<Interface>(const ConnectionProvider&)> make() {
    return [](const ConnectionProvider& provider) { return std::make_shared<Impl>(provider); };
}

} // namespace

void registerDefaultComponents(ComponentFactory& f) {
    f.add<StaffLogin::CurrentUser>(progid::CurrentUser, [](const ConnectionProvider&) {
        return std::make_shared<StaffLoginCurrentUser>();
    });
    f.add<SlipBook::ChargeSlipList>(progid::ChargeSlipList, make<SlipBook::ChargeSlipList, SlipBookChargeSlipList>(),
                                    &SlipBook::ChargeSlipList::InitConnection);
    f.add<OutpatientRoster::OutpatientList>(
        progid::OutpatientList, make<OutpatientRoster::OutpatientList, OutpatientRosterOutpatientList>(),
        &OutpatientRoster::OutpatientList::InitConnection);
    f.add<SiteOptions::OptionSet>(progid::OptionSet, make<SiteOptions::OptionSet, SiteOptionsOptionSet>(),
                                  &SiteOptions::OptionSet::InitConnection);
    f.add<AccountFirms::Firm>(progid::Firm, make<AccountFirms::Firm, AccountFirmsFirm>(),
                              &AccountFirms::Firm::InitConnection);
    f.add<InpatientRoster::InpatientList>(progid::InpatientList,
                                          make<InpatientRoster::InpatientList, InpatientRosterInpatientList>(),
                                          &InpatientRoster::InpatientList::InitConnection);
    f.add<OutpatientRecent::RecentList>(progid::RecentList,
                                        make<OutpatientRecent::RecentList, OutpatientRecentRecentList>(),
                                        &OutpatientRecent::RecentList::InitConnection);
    f.add<AccountFirms::FirmList>(progid::FirmList, make<AccountFirms::FirmList, AccountFirmsFirmList>(),
                                  &AccountFirms::FirmList::InitConnection);
    f.add<IssueLedger::IssuedMedicines>(progid::IssuedMedicines,
                                        make<IssueLedger::IssuedMedicines, IssueLedgerIssuedMedicines>(),
                                        &IssueLedger::IssuedMedicines::InitConnection);
    f.add<DoseForms::Dosage>(progid::Dosage, make<DoseForms::Dosage, DoseFormsDosage>(),
                             &DoseForms::Dosage::InitConnection);
    f.add<DoseForms::DosageList>(progid::DosageList, make<DoseForms::DosageList, DoseFormsDosageList>(),
                                 &DoseForms::DosageList::InitConnection);
    f.add<Clinicians::Doctor>(progid::Doctor, make<Clinicians::Doctor, CliniciansDoctor>(),
                              &Clinicians::Doctor::InitConnection);
    f.add<Clinicians::DoctorList>(progid::DoctorList, make<Clinicians::DoctorList, CliniciansDoctorList>(),
                                  &Clinicians::DoctorList::InitConnection);
    f.add<DispenserRoll::Dispensers>(progid::Dispensers, make<DispenserRoll::Dispensers, DispenserRollDispensers>(),
                                     &DispenserRoll::Dispensers::InitConnection);
    f.add<DispenserRoll::DispenserList>(progid::DispenserList,
                                        make<DispenserRoll::DispenserList, DispenserRollDispenserList>(),
                                        &DispenserRoll::DispenserList::InitConnection);
    f.add<DrugPicker::DrugList>(
        progid::DrugList,
        [](const ConnectionProvider& p) { return std::make_shared<DrugPickerList>(DrugPickerList::By::Brand, p); },
        &DrugPicker::DrugList::InitConnection);
    f.add<DrugPicker::DrugList>(
        progid::GenericList,
        [](const ConnectionProvider& p) { return std::make_shared<DrugPickerList>(DrugPickerList::By::Generic, p); },
        &DrugPicker::DrugList::InitConnection);
    // Created per tree build and connected by its caller.
    f.add<WardStations::Station>(progid::Station, make<WardStations::Station, WardStationsStation>());

    // ---- Drug, patient and cash components ----------------------------------------------------
    f.add<DrugCatalog::Component>(progid::Drug, make<DrugCatalog::Component, DrugCatalogComponent>(),
                                  &DrugCatalog::Component::InitConnect);
    f.add<InpatientFile::Patient>(progid::Patient, make<InpatientFile::Patient, InpatientFilePatient>(),
                                  &InpatientFile::Patient::InitConnect);
    f.add<OutpatientFile::OPDPatient>(progid::OPDPatient, make<OutpatientFile::OPDPatient, OutpatientFileOPDPatient>(),
                                      &OutpatientFile::OPDPatient::InitConnection);
    f.add<TillCalendar::CashDate>(progid::CashDate, make<TillCalendar::CashDate, TillCalendarCashDate>(),
                                  &TillCalendar::CashDate::InitConnection);
    f.add<TillInvoices::CashInvoice>(progid::CashInvoice, make<TillInvoices::CashInvoice, TillInvoicesCashInvoice>(),
                                     &TillInvoices::CashInvoice::InitConnection);
    f.add<TillNumbers::CashNumbers>(progid::CashNumbers, make<TillNumbers::CashNumbers, TillNumbersCashNumbers>(),
                                    &TillNumbers::CashNumbers::InitConnection);
    // ---- end of the drug, patient and cash components -----------------------------------------
}

} // namespace qx::suite
