#pragma once
#include "Builders.h"
#include "ChargeScreenFixture.h"
#include "RequestScreenEditFixture.h"
#include "ScriptedPickers.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "charging/ChargeGrid.h"
#include "charging/ChargeGridNavigation.h"
#include "platform/FlexGrid.h"
#include "platform/WidgetInput.h"
#include "requests/outpatient/frmCommEntryOP.h"
#include "shell/HospitalSettings.h"
#include "shell/ScriptedSuite.h"
#include "shell/Session.h"
#include "suite/OutpatientFileOPDPatient.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

namespace qx::test {

using OP = frmCommEntryOP;

// Visits 5001A (ACME, an ordinary company), 5005O (OUTCO, charged out-patient prices), 5008S (a
// senior citizen's) and 5009N (an account the company file does not know); PARACETAMOL sells at
// 5.25 in and 4.75 out, AMOXICILLIN (generic 77) at 12 out, IV SET has a fixed charge of 25.
class frmCommEntryOPTest : public ChargeScreenTest {
protected:
    void SetUp() override {
        ChargeScreenTest::SetUp();
        if (!ready())
            return;
        gLocationID = QStringLiteral("20");
        auto visit = std::make_shared<suite::OutpatientFileOPDPatient>(provider());
        ASSERT_TRUE(visit->InitConnection(db().connectionString()));
        gComponents.gOPDPatient = visit;
        for (const auto& [account, outPrice] : {std::pair{"ACME", 0}, std::pair{"OUTCO", 1}})
            db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, OutPrice) VALUES (?, ?, ?)"),
                         {QString::fromLatin1(account), QString::fromLatin1(account) + QStringLiteral(" CORP"), outPrice});
        struct Visit { const char* id; const char* account; const char* seniorId; };
        for (const Visit& v : {Visit{"5001A", "ACME", ""}, {"5005O", "OUTCO", ""}, {"5008S", "ACME", "SC-9"},
                               {"5009N", "NOSUCH", ""}})
            addOutPatientVisit(db(), {.idNum = QString::fromLatin1(v.id),
                                      .person = {.hospNum = QStringLiteral("H") + QString::fromLatin1(v.id),
                                                 .seniorCitizenId = QString::fromLatin1(v.seniorId)},
                                      .accountNum = QString::fromLatin1(v.account)});
        addItem(db(), {.barcode = QStringLiteral("4800001")});
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                       .description = QStringLiteral("500 MG CAP"), .genericId = QStringLiteral("77"),
                       .genericName = QStringLiteral("AMOXICILLIN"), .priceIn = 13, .priceOut = 12});
        addItem(db(), {.itemId = QStringLiteral("FIX100"), .name = QStringLiteral("IV SET"), .description = QString(),
                       .fixedCharge = 25});
    }
    // Requests of the visit from station ER, one a minute from 9:00.
    void requests(const QString& visit, const std::vector<std::tuple<const char*, double, const char*, bool>>& lines) {
        int minute = 0;
        for (const auto& [item, quantity, doctor, generic] : lines) {
            addPendingRequest(db(), {.idNum = visit, .hospNum = QStringLiteral("H") + visit,
                                     .itemId = QString::fromLatin1(item), .quantity = quantity,
                                     .stationId = QStringLiteral("ER"),
                                     .requestNumber = QStringLiteral("RQ%1").arg(minute + 1),
                                     .requestDate = QDateTime(QDate(2026, 1, 5), QTime(9, minute)),
                                     .doctorId = QString::fromLatin1(doctor)});
            db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET IsGeneric = ? WHERE RequestNumber = ?"),
                         {int(generic), QStringLiteral("RQ%1").arg(++minute)});
        }
    }
    std::unique_ptr<OP> load(const QString& visit = QStringLiteral("5001A")) {
        auto form = std::make_unique<OP>();
        form->setStationName(QStringLiteral("EMERGENCY ROOM"));
        form->setRequestedStationID(QStringLiteral("ER"));
        form->setPatientID(visit);
        form->Form_Load();
        return form;
    }
};

// Visit 5001A asks for 2 PARACETAMOL (4.75 out, stock 100) and 2 IV SET (fixed charge 25), shown
// and edited through the cell editor; AMOXICILLIN (12 out) is there to substitute.
class frmCommEntryOPEditTest : public RequestScreenEditTest<OP, frmCommEntryOPTest> {
protected:
    void SetUp() override {
        RequestScreenEditTest::SetUp();
        if (!ready())
            return;
        requests(QStringLiteral("5001A"), {{"PARA500", 2, "D001", false}, {"FIX100", 2, "D001", false}});
    }
};

} // namespace qx::test
