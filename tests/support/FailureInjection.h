#pragma once
#include "components/Connection.h"

#include <QString>

namespace qx::test {

// While `on`, inserts into `table` whose `condition` (over NEW) holds fail with "line refused": a
// fault injected in the middle of a save, on either engine.
inline void RefuseInserts(Connection& con, const QString& table, const QString& condition, bool on) {
    const QString trigger = QStringLiteral("trRefuse_") + table;
    if (con.isSQLite()) {
        con.executeScript(on ? QStringLiteral("CREATE TRIGGER %1 BEFORE INSERT ON %2 WHEN %3 BEGIN "
                                              "SELECT RAISE(ABORT, 'line refused'); END")
                                   .arg(trigger, table, condition)
                             : QStringLiteral("DROP TRIGGER %1").arg(trigger));
        return;
    }
    if (!on) {
        con.executeScript(QStringLiteral("DROP TRIGGER %1 ON %2").arg(trigger, table));
        return;
    }
    con.executeScript(QStringLiteral("CREATE OR REPLACE FUNCTION refuse_%1() RETURNS trigger AS $$ BEGIN "
                                     "IF %2 THEN RAISE EXCEPTION 'line refused'; END IF; RETURN NEW; END $$ "
                                     "LANGUAGE plpgsql")
                          .arg(table, condition));
    con.executeScript(QStringLiteral("CREATE TRIGGER %1 BEFORE INSERT ON %2 FOR EACH ROW EXECUTE FUNCTION refuse_%2()")
                          .arg(trigger, table));
}

} // namespace qx::test
