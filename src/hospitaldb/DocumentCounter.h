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

// The one counter of new out-patient visits ("<n>B"): a visit registered for an employee and a
// posting under "NEWOPD" both draw from it, so the two never make one id.
CounterRow newVisitCounterRow();
// The id a new visit of number n gets.
QString newVisitId(qint64 n);
// Takes the next visit number whose id no visit holds yet and moves the counter past it, on the
// caller's transaction (the counter row stays locked until it ends).
qint64 claimNewVisitNumber(Connection& c);

} // namespace qx::hospitaldb

namespace qx::hospitaldb {

// A series of document numbers: its counter, how a number is written (prefix, the counter with at
// least `width` digits, suffix), its kind in tbInvDocumentClaim ('CS', 'CM', 'AS') and the
// stock-card column that carries a posted number.
struct DocumentSeries {
    CounterRow counter;
    QString prefix;
    int width = 6;
    QString suffix;
    QString kind;
    QString stockCardColumn;
};

QString formatDocumentNumber(const DocumentSeries& s, qint64 n);

// Most tries of a claim; a try is lost only when another save takes the same number at that moment.
constexpr int kMaxDocumentClaimTries = 100;

// Claims for a save of patient `idNum` the smallest number at or after the series' counter that
// no stock-card line carries and no other save holds, records it as this save's and leaves the
// counter just past it, on the caller's transaction: one statement finds the number and moves the
// counter, a second records it (a new counter row costs one more). Throws AppError when no number
// of the counter's width is free or every try lost its number to other saves.
QString claimDocumentNumber(Connection& c, const DocumentSeries& s, const QString& idNum, const QString& claimedBy);

// The employee code as the per-employee counter keys it: trimmed, at most 20 characters.
QString terminalCounterKey(const QString& employeeCode);
// The per-employee charge-slip counter (tbChargeSlipTerminal) and its series "C" + 000000 + "M".
CounterRow chargeSlipTerminalRow(const QString& employeeCode);
DocumentSeries terminalChargeSlipSeries(const QString& employeeCode);
// The counter a typed slip number sets: the bare number or its printed form ("001201",
// "C001201M"); nullopt for anything else.
std::optional<qint64> parseTerminalChargeSlip(const QString& typed);

// Records that `number` of `kind` ('CS', 'CM', 'AS') belongs to this save of patient `idNum`.
// False when another save holds it already: the number is used.
bool reserveDocumentNumber(Connection& c, const QString& kind, const QString& number, const QString& idNum,
                           const QString& claimedBy);
// Whether a save holds `number` of `kind`.
bool documentNumberReserved(Connection& c, const QString& kind, const QString& number);

} // namespace qx::hospitaldb
