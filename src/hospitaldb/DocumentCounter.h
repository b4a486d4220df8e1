#pragma once
#include "components/Connection.h"

#include <optional>

namespace qx::hospitaldb {

// One counter row: the table, its value column and the key columns with their values. The names
// are the program's own constants, never input.
struct CounterRow {
    QString table;
    QString valueColumn;
    QStringList keyColumns;
    QVariantList keyValues;
    qint64 initial = 1;  // value of a new row, and what a Null counter reads as
};

// The counter's value, nullopt when the row is missing. Inside a transaction the row stays
// locked until that transaction ends (PostgreSQL: FOR UPDATE; SQLite: the saving transaction
// already holds the write lock), so a read, the used-number test and the move act as one claim.
std::optional<qint64> readCounter(Connection& c, const CounterRow& row);

// As readCounter, creating the row at its initial value when missing.
qint64 lockCounter(Connection& c, const CounterRow& row);

// Creates the row at its initial value when missing; leaves an existing row alone.
void ensureCounter(Connection& c, const CounterRow& row);

// Moves the counter on by one in one statement (UPDATE ... RETURNING; a missing row starts at
// initial + 1) and gives the new value.
qint64 advanceCounter(Connection& c, const CounterRow& row);

} // namespace qx::hospitaldb

namespace qx::hospitaldb {

// The per-employee charge-slip counter (tbChargeSlipTerminal).
CounterRow chargeSlipTerminalRow(const QString& employeeCode);

// Records that `number` of `kind` ('CS', 'CM', 'AS') belongs to this save of patient `idNum`.
// False when another save holds it already: the number is used.
bool reserveDocumentNumber(Connection& c, const QString& kind, const QString& number, const QString& idNum,
                           const QString& claimedBy);
// Whether a save holds `number` of `kind`.
bool documentNumberReserved(Connection& c, const QString& kind, const QString& number);

} // namespace qx::hospitaldb
