#pragma once
#include "Builders.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "charging/ChargeGrid.h"
#include "platform/CellEditor.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "requests/unitdose/frmUDEntry.h"
#include "shell/HospitalSettings.h"
#include "shell/LoggedInFixture.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"
#include "shell/WindowOpeners.h"
#include "suite/DrugCatalogComponent.h"
#include "suite/InpatientFilePatient.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx::test {

// One unit-dose request of the station, as the drug component lists it.
struct UnitDoseSpec {
    QString itemId = QStringLiteral("PARA500");
    QString idNum = QStringLiteral("1001");
    QString dosage = QStringLiteral("Q6H");
    double quantity = 4;
    QVariant amount = 21.0;
    QString remark = QStringLiteral("AFTER MEALS");
    QString status;
};

// The unit-dose screen over a fresh database: an employee logged in at the main pharmacy, our own
// patient and drug components, one admitted patient (1001 in station 3F) and an oral item with
// stock and prices, with no request yet.
class frmUDEntryTest : public LoggedInTestOn<DbTest> {
protected:
    void SetUp() override {
        LoggedInTestOn::SetUp();
        if (IsSkipped())
            return;
        gEmployeeCode = QStringLiteral("1234");
        gLocationID = QStringLiteral("20");
        const ConnectionProvider provider = [this] { return &db(); };
        auto patient = std::make_shared<suite::InpatientFilePatient>(provider);
        auto drug = std::make_shared<suite::DrugCatalogComponent>(provider);
        ASSERT_TRUE(patient->InitConnect(db().connectionString()));
        ASSERT_TRUE(drug->InitConnect(db().connectionString()));
        gComponents.gPatient = patient;
        gComponents.gDrug = drug;
        addAdmittedPatient(db());
        addItem(db());
        setRoute(QStringLiteral("PARA500"), QStringLiteral("O"));
    }
    void TearDown() override {
        form.reset();
        LoggedInTestOn::TearDown();
    }
    void resetProgramState() override {
        LoggedInTestOn::resetProgramState();
        ClearWindowOpeners();
        gLocationID.clear();
    }

    void unitDose(const UnitDoseSpec& r) {
        db().execute(QStringLiteral("INSERT INTO station.tbNurseUnitDose (IDNum, ItemID, DosageID, Quantity, Amount, "
                                    "Remark, RecordStatus, StationID, RequestDate, RequestedBy) "
                                    "VALUES (?, ?, ?, ?, ?, ?, ?, '3F', ?, 'N0001')"),
                     {r.idNum, r.itemId, r.dosage, r.quantity, r.amount, r.remark, r.status, db().serverNow()});
    }
    void setRoute(const QString& item, const QVariant& route) {
        db().execute(QStringLiteral("UPDATE tbInvMaster SET OralOrInjectible = ? WHERE ItemID = ?"), {route, item});
    }
    // A posted issue of the item to the patient, at the given time (now by default).
    void issue(const QString& item, const QString& idNum = QStringLiteral("1001"), QDateTime when = {}) {
        if (!when.isValid())
            when = db().serverNow();
        db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, HospNum, SummaryCode, LocationID, "
                                    "TransDate, Quantity, Amount, Remarks) VALUES ('00000077', ?, ?, 'H000001', 'PH', "
                                    "'20', ?, 2, 10.5, 'ISSUED')"),
                     {item, idNum, when});
    }

    // The screen opened as its caller opens it: the patient set, then the opening.
    frmUDEntry& open(const QString& patientId = QStringLiteral("1001")) {
        form = std::make_unique<frmUDEntry>();
        form->setPatientID(patientId);
        form->Form_Load();
        return *form;
    }
    QString cell(int row, int col) const { return form->flexMSEntry->textMatrix(row, col); }
    QStringList line(int row) const {
        QStringList texts;
        for (int col = 0; col < frmUDEntry::kCols; ++col)
            texts << cell(row, col);
        return texts;
    }

    ScriptedPlatform platform;
    std::unique_ptr<frmUDEntry> form;
};

} // namespace qx::test
