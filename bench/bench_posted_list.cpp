// An admission's posted-medicine list among 1,000,000 stock-card lines of 25,000 patients: the
// find from the typed number to the filled grid and its totals, on SQLite and (when
// QUILLAX_TEST_PG is set) PostgreSQL. The list finds the lines through the patient-id index.
#include "BenchSupport.h"
#include "Builders.h"
#include "platform/FlexGrid.h"
#include "returns/frmListPosted.h"
#include "shell/ScriptedSuite.h"
#include "shell/Session.h"
#include "suite/DrugCatalogComponent.h"
#include "suite/InpatientFilePatient.h"

#include <QLineEdit>
#include <QPushButton>

using namespace qx;

namespace {

constexpr int kHistory = 1000000;

void seedStockCard(Connection& c) {
    const QString numbers = c.isSQLite()
                                ? QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < ?) ")
                                : QStringLiteral("WITH n(i) AS (SELECT generate_series(0, ? - 1)) ");
    Transaction tx(c);
    c.execute(numbers + QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, HospNum, SummaryCode, LocationID, "
                                       "TransDate, Quantity, Amount, UserID) "
                                       "SELECT 'CS' || (i / 10), 'PARA500', '' || (100000 + i / 40), 'H' || (i / 40), 'PH', "
                                       "'20', ?, 1, 12.5, 'E0001' FROM n"),
              {kHistory, QDateTime(QDate(2025, 6, 1), QTime(8, 0))});
    tx.commit();
    if (!c.isSQLite())
        c.executeScript(QStringLiteral("ANALYZE tbInvStockCard"));
}

bool run(Engine engine, const char* name) {
    test::TestDatabase tdb(engine);
    Connection& c = tdb.connection();
    test::addItem(c);
    test::addAdmittedPatient(c, {.idNum = QStringLiteral("1001")});
    seedStockCard(c);
    for (int i = 0; i < 40; ++i)
        c.execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, HospNum, SummaryCode, LocationID, "
                                 "TransDate, Quantity, Amount, UserID) VALUES ('CSB', 'PARA500', '1001', 'H000001', 'PH', "
                                 "'20', ?, 1, 12.5, 'E0001')"),
                  {QDateTime(QDate(2026, 1, 5), QTime(8, 0))});
    auto login = std::make_shared<test::ScriptedCurrentUser>(c);
    login->ShowMain();
    gComponents.gCurrentUser = login;
    const ConnectionProvider provider = [&c] { return &c; };
    auto patient = std::make_shared<suite::InpatientFilePatient>(provider);
    auto drug = std::make_shared<suite::DrugCatalogComponent>(provider);
    patient->InitConnect(c.connectionString());
    drug->InitConnect(c.connectionString());
    gComponents.gPatient = patient;
    gComponents.gDrug = drug;
    gSeniorCitizenDiscount = 20;

    frmListPosted form;
    form.Form_Load();
    const bool fast = bench::medianOfFiveUnder(1000, QStringLiteral("%1 find and list of 40 lines").arg(QLatin1String(name)), [&] {
        QElapsedTimer timer;
        timer.start();
        form.txtFind->setText(QStringLiteral("1001"));
        form.cmdFind_Click();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (form.flexMSHList->rows() != 41)
            std::printf("%s: %d rows listed\n", name, form.flexMSHList->rows() - 1);
        return ms;
    });
    gComponents.gPatient.reset();
    gComponents.gDrug.reset();
    gComponents.gCurrentUser.reset();
    return fast;
}

} // namespace

int main(int argc, char** argv) { return bench::runWindowBench(argc, argv, run); }
