// Cost of a cash assessment's save on the assessment window: 39 lines (number claim, the
// assessment lines with their marks, staging, user log; one transaction), statements and
// milliseconds per save, on SQLite and (when QUILLAX_TEST_PG is set) PostgreSQL.
#include "Builders.h"
#include "ScriptedPlatform.h"
#include "shell/ScriptedSuite.h"
#include "TestDatabase.h"
#include "cash/frmCashEntry.h"
#include "platform/FlexGrid.h"
#include "shell/Session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

using namespace qx;

namespace {

constexpr int kLines = 39, kSaves = 20;

QString benchItem(int i) { return QStringLiteral("A%1").arg(i, 3, 10, QLatin1Char('0')); }

void fill(frmCashEntry& w) {
    FlexGrid* g = w.grdItemList;
    if (g->rows() <= kLines)
        g->setRows(kLines + 1);
    for (int row = 1; row <= kLines; ++row) {
        g->setTextMatrix(row, frmCashEntry::colCode, benchItem(row - 1));
        g->setTextMatrix(row, frmCashEntry::colDescription, QStringLiteral("ITEM ") + benchItem(row - 1));
        g->setTextMatrix(row, frmCashEntry::colQuantity, QStringLiteral("2"));
        g->setTextMatrix(row, frmCashEntry::colUnitPrice, QStringLiteral("12.50"));
        g->setTextMatrix(row, frmCashEntry::colPriceBase, QStringLiteral("12.50"));
        g->setTextMatrix(row, frmCashEntry::colGross, QStringLiteral("25.00"));
        g->setTextMatrix(row, frmCashEntry::colAmount, QStringLiteral("25.00"));
        g->setTextMatrix(row, frmCashEntry::colMDRP, QStringLiteral("0"));
    }
    w.txtPatName->setText(QStringLiteral("JUAN DELA CRUZ"));
}

bool run(Engine engine, const char* name) {
    test::TestDatabase database(engine);
    Connection& c = database.connection();
    for (int i = 0; i < kLines; ++i)
        test::addItem(c, {.itemId = benchItem(i), .genericId = QStringLiteral("G") + benchItem(i), .onHand = 1e6});
    c.execute(QStringLiteral("UPDATE billing.tbAssessmentNum SET assessmentnum = 1 WHERE id = 1"));
    auto login = std::make_shared<test::ScriptedCurrentUser>(c);
    login->ShowMain();
    gComponents.gCurrentUser = login;
    gEmployeeCode = QStringLiteral("E0001");
    double ms = 0;
    qint64 statements = 0;
    {
        frmCashEntry window;
        window.show();
        for (int s = 0; s < kSaves; ++s) {
            fill(window);
            const qint64 before = c.statementCount();
            QElapsedTimer timer;
            timer.start();
            window.cmdSave_Click();
            ms += double(timer.nsecsElapsed()) / 1e6;
            statements += c.statementCount() - before;
        }
    }
    const qint64 saved = c.query(QStringLiteral("SELECT COUNT(*) FROM billing.tbCashAssessment")).value(0).toLongLong();
    std::printf("%-11s %-22s %10.1f %10.3f %8lld\n", name, "39-line assessment", double(statements) / kSaves, ms / kSaves,
                saved);
    gComponents.gCurrentUser.reset();
    return saved == qint64(kLines) * kSaves;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedPlatform platform;
    std::printf("%-11s %-22s %10s %10s %8s\n", "engine", "per", "statements", "ms", "lines");
    bool ok = run(Engine::SQLite, "SQLite");
    if (test::TestDatabase::postgresAvailable())
        ok = run(Engine::PostgreSQL, "PostgreSQL") && ok;
    else
        std::printf("PostgreSQL skipped: QUILLAX_TEST_PG is not set\n");
    return ok ? 0 : 1;
}
