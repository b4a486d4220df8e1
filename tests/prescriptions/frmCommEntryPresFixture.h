#pragma once
#include "Builders.h"
#include "ScriptedPickers.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "charging/ChargeGrid.h"
#include "charging/ChargeGridNavigation.h"
#include "components/Clinicians.h"
#include "platform/FlexGrid.h"
#include "platform/WidgetInput.h"
#include "prescriptions/frmCommEntryPres.h"
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

// Failure messages show texts as texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace qx::test {

// The doctor picker: answers its one scripted code and records the text it was opened with.
class ScriptedDoctorPicker : public Clinicians::DoctorList {
public:
    bool InitConnection(const QString&) override { return true; }
    QString ShowList(const QString& text) override {
        calls << text;
        return answer;
    }
    QString answer;
    QStringList calls;
};

// A take-home line: the station's request of the item and the take-home record behind it.
struct TakeHomeLine {
    QString itemId = QStringLiteral("PARA500");
    double quantity = 2;
    QString requestNumber = QStringLiteral("RQ000001");
    QTime at = QTime(10, 15);
    QString targetLocation;
    double amount = 0;
    QString remarks;
};

// The take-home screen over a fresh database at a Kelvar hospital: an employee logged in at the
// main pharmacy, our own patient, drug and doctor components, one admitted patient (1001 in
// station 3F) with no take-home lines yet.
class frmCommEntryPresTest : public DbTest {
protected:
    void SetUp() override {
        resetAll();
        DbTest::SetUp();
        if (IsSkipped())
            return;
        login = std::make_shared<ScriptedCurrentUser>(db());
        login->ShowMain();
        gComponents.gCurrentUser = login;
        gEmployeeCode = QStringLiteral("1234");
        gLocationID = QStringLiteral("20");
        const ConnectionProvider provider = [this] { return &db(); };
        auto patient = std::make_shared<suite::InpatientFilePatient>(provider);
        auto drug = std::make_shared<suite::DrugCatalogComponent>(provider);
        auto doctor = std::make_shared<suite::CliniciansDoctor>(provider);
        ASSERT_TRUE(patient->InitConnect(db().connectionString()));
        ASSERT_TRUE(drug->InitConnect(db().connectionString()));
        ASSERT_TRUE(doctor->InitConnection(db().connectionString()));
        gComponents.gPatient = patient;
        gComponents.gDrug = drug;
        gComponents.gDoctor = doctor;
        gComponents.gDoctorList = doctors;
        gComponents.gDrugList = picker;
        db().execute(QStringLiteral("DELETE FROM patient_data.tbHospitalInfo"));
        db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (Kelvarin) VALUES (1)"));
        gPharmaSwitches.Load(db(), gSiteCode);
        addAdmittedPatient(db());
    }
    void TearDown() override {
        form.reset();
        resetAll();
        DbTest::TearDown();
    }
    static void resetAll() {
        resetSession();
        resetHospitalSettings();
        resetSwitches();
        ClearWindowOpeners();
        gLocationID.clear();
    }

    // The screen loaded as its opener loads it: station and patient set, then the load.
    frmCommEntryPres& load(const QString& patientId = QStringLiteral("1001"),
                           const QString& station = QStringLiteral("3F")) {
        form = std::make_unique<frmCommEntryPres>();
        form->setRequestedStationID(station);
        form->setPatientID(patientId);
        form->Form_Load();
        return *form;
    }
    frmCommEntryPres& open(const QString& patientId = QStringLiteral("1001")) {
        load(patientId);
        showActive(form.get());
        return *form;
    }
    void takeHome(const TakeHomeLine& line, const QString& admission = QStringLiteral("1001")) {
        addPendingRequest(db(), {.idNum = admission, .itemId = line.itemId, .quantity = line.quantity,
                                 .requestNumber = line.requestNumber,
                                 .requestDate = QDateTime(QDate(2026, 1, 5), line.at), .remarks = line.remarks});
        db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET TargetLocationID = ?, Amount = ? "
                                    "WHERE RequestNumber = ?"),
                     {line.targetLocation, line.amount, line.requestNumber});
        db().execute(QStringLiteral("INSERT INTO station.tbNurseHomeMeds (IdNum, ItemID) VALUES (?, ?)"),
                     {admission, line.itemId});
    }
    // Selling price, average cost and rates of an item at the main pharmacy.
    void setPrices(const QString& item, double in, double averageCost, double rateA, double markupIn, double rateB) {
        db().execute(QStringLiteral("UPDATE tbInvent SET SellingPriceIn = ?, RateA = ?, MarkupIn = ?, RateB = ? "
                                    "WHERE ItemID = ? AND LocationID = '20'"),
                     {in, rateA, markupIn, rateB, item});
        db().execute(QStringLiteral("UPDATE tbInvMaster SET AverageCost = ? WHERE ItemID = ?"), {averageCost, item});
    }
    void setRoomMarkUp(double markUp) {
        db().execute(QStringLiteral("DELETE FROM build_file.tbCoRoomClass WHERE RoomClassID = 'A'"));
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoRoomClass (RoomClassID, RoomClass, MarkUp) "
                                    "VALUES ('A', 'SUITE', ?)"),
                     {markUp});
    }
    QString cell(int row, int col) const { return form->flexMSEntry->textMatrix(row, col); }
    QStringList column(int col) const {
        QStringList texts;
        for (int row = 1; row < form->flexMSEntry->rows(); ++row)
            texts << cell(row, col);
        return texts;
    }
    QString lastMessage() const {
        return platform.messages->boxes().empty() ? QString() : platform.messages->last().text;
    }

    ScriptedPlatform platform;
    std::shared_ptr<ScriptedCurrentUser> login;
    std::shared_ptr<ScriptedDoctorPicker> doctors = std::make_shared<ScriptedDoctorPicker>();
    std::shared_ptr<ScriptedDrugPicker> picker = std::make_shared<ScriptedDrugPicker>();
    std::unique_ptr<frmCommEntryPres> form;
};

using P = frmCommEntryPres;

} // namespace qx::test
