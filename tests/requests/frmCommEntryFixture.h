#pragma once
#include "Builders.h"
#include "ChargeScreenFixture.h"
#include "RequestScreenEditFixture.h"
#include "ScriptedPickers.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "charging/ChargeGrid.h"
#include "charging/ChargeGridNavigation.h"
#include "charging/ColorLegend.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/WidgetInput.h"
#include "requests/inpatient/frmCommEntry.h"
#include "shell/HospitalSettings.h"
#include "shell/ScriptedSuite.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/WindowOpeners.h"
#include "shell/frmShift.h"
#include "suite/CliniciansDoctor.h"
#include "suite/DrugCatalogComponent.h"
#include "suite/InpatientFilePatient.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx::test {

// A request line as the station sends it, with what the plain builder leaves out.
struct StationRequest {
    RequestSpec spec;
    bool generic = false;
    QString targetLocation;
    double amount = 0;
};

// The in-patient request screen over a fresh database: an employee logged in at the main
// pharmacy, our own patient, drug and doctor components, and one admitted patient (1001 in
// station 3F) with no requests yet.
class frmCommEntryTest : public ChargeScreenTest {
protected:
    void SetUp() override {
        ChargeScreenTest::SetUp();
        if (!ready())
            return;
        gLocationID = QStringLiteral("20");
        auto patient = std::make_shared<suite::InpatientFilePatient>(provider());
        ASSERT_TRUE(patient->InitConnect(db().connectionString()));
        gComponents.gPatient = patient;
        addAdmittedPatient(db());
    }

    // The screen loaded as its caller loads it: station and patient set, then the load.
    std::unique_ptr<frmCommEntry> load(const QString& patientId = QStringLiteral("1001"),
                                       const QString& station = QStringLiteral("3F")) {
        auto form = std::make_unique<frmCommEntry>();
        form->setRequestedStationID(station);
        form->setPatientID(patientId);
        form->Form_Load();
        return form;
    }
    void request(const StationRequest& r) {
        addPendingRequest(db(), r.spec);
        db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET IsGeneric = ?, TargetLocationID = ?, "
                                    "Amount = ? WHERE RequestNumber = ?"),
                     {int(r.generic), r.targetLocation, r.amount, r.spec.requestNumber});
    }
    // Selling prices and rates of an item at the main pharmacy.
    void setPrices(const QString& item, double in, double rateA, double markupIn, double rateB) {
        db().execute(QStringLiteral("UPDATE tbInvent SET SellingPriceIn = ?, RateA = ?, MarkupIn = ?, RateB = ? "
                                    "WHERE ItemID = ? AND LocationID = '20'"),
                     {in, rateA, markupIn, rateB, item});
    }
    // Admissions 1002 (an HMO's account), 1003 (the VA's, an HMO class too) and 1004 (a company
    // with a blank name), beside the plain 1001.
    void addSponsoredAdmissions() {
        company(QStringLiteral("HMO1"), QStringLiteral("HEALTH PLAN"), QStringLiteral("P"));
        company(QStringLiteral("VA"), QStringLiteral("VETERANS"), QStringLiteral("P"));
        company(QStringLiteral("BLANK"), QStringLiteral("   "), QStringLiteral("C"));
        for (const auto& [id, account] : {std::pair{"1002", "HMO1"}, std::pair{"1003", "VA"}, std::pair{"1004", "BLANK"}})
            addAdmittedPatient(db(), {.idNum = QString::fromLatin1(id), .person = {.hospNum = QStringLiteral("H") + id},
                                      .accountNum = QString::fromLatin1(account)});
    }
    void company(const QString& account, const QString& name, const QString& cls) {
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class, CreditLimit) "
                                    "VALUES (?, ?, ?, 0)"),
                     {account, name, cls});
    }
};

// The screen shown and edited through its editor, with a scripted drug picker.
using frmCommEntryEditTest = RequestScreenEditTest<frmCommEntry, frmCommEntryTest>;

} // namespace qx::test
