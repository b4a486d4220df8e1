#pragma once
#include "components/Connection.h"

#include <cmath>
#include <functional>
#include <span>

namespace qx::hospitaldb {

// A numbered schema change. Each runs once, in a transaction of its own, on both engines.
struct Migration {
    int number;
    QString name;
    std::function<void(Connection&)> apply;
};

// Registers a migration from a static object in its own file.
struct MigrationRegistration {
    explicit MigrationRegistration(Migration m);
};

// Demo data, filled in order by `fillDemo`; later files add their own steps.
struct DemoStep {
    int order;
    QString name;
    std::function<void(Connection&)> fill;
};
struct DemoRegistration {
    explicit DemoRegistration(DemoStep s);
};
// Demo prices and amounts are kept to whole centavos.
inline double roundToCentavos(double v) { return std::round(v * 100.0) / 100.0; }

const QVector<Migration>& migrations();
// Number of the newest migration applied to these databases (0 when none).
int schemaVersion(Connection& c);
// Applies every migration not yet applied; returns how many ran.
int migrate(Connection& c);
// Whether the demo data has been filled already.
bool hasDemoData(Connection& c);
// Fills the demo data in one transaction.
void fillDemo(Connection& c);

// Runs schema text with engine-neutral type words replaced:
//   {ID}        auto-numbered integer primary key
//   {REAL}      double        {MONEY} money (double, four places kept by the program)
//   {DATETIME}  date-time     {BLOB}  binary
// Statements are separated by ';' at line ends.
void ddl(Connection& c, const QString& script);
// A column that a later change adds to an existing table.
struct ColumnAdd {
    const char* schema;  // "" for INVENTORY
    const char* table;
    const char* column;
    const char* type;    // may use the type words of ddl()
};
// Adds each column that its table does not have yet.
void addMissingColumns(Connection& c, std::span<const ColumnAdd> columns);
// Creates an index on `schema`.`table` (schema "" for INVENTORY) unless it exists.
void createIndex(Connection& c, const QString& schema, const QString& table, const QString& name,
                 const QString& columns, bool unique = false);

} // namespace qx::hospitaldb
