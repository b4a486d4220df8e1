#include "suite/TillNumbersCashNumbers.h"
#include "components/AppError.h"

namespace qx::suite {

void TillNumbersCashNumbers::ensureRow(Connection& c) {
    c.execute(QStringLiteral("INSERT INTO billing.tbCashNumbers (id, CashNumber, DrugNumber, NonDrugNumber) "
                             "VALUES (1, 1, 1, 1) ON CONFLICT (id) DO NOTHING"));
}

void TillNumbersCashNumbers::GetNumbers() {
    Connection& c = db("GetNumbers");
    // Inside a save the row stays locked until the save ends (SQLite: the save holds the write lock).
    const QString select = QStringLiteral("SELECT CashNumber, DrugNumber, NonDrugNumber FROM billing.tbCashNumbers WHERE id = 1") +
                           (c.inTransaction() && !c.isSQLite() ? QStringLiteral(" FOR UPDATE") : QString());
    Recordset rs = c.query(select);
    if (rs.isEmpty()) {
        ensureRow(c);
        rs = c.query(select);
    }
    cash_ = rs.number(QStringLiteral("CashNumber"));
    drug_ = rs.number(QStringLiteral("DrugNumber"));
    nonDrug_ = rs.number(QStringLiteral("NonDrugNumber"));
}

// Every kind moves the receipt number on, so each group gets a receipt of its own: 1 starts a new
// drug group, 2 a new non-drug group, 4 passes from the drug rows to the first non-drug group.
void TillNumbersCashNumbers::UpdateCashNumbers(int kind) {
    QString set;
    switch (kind) {
    case 1: set = QStringLiteral("DrugNumber = DrugNumber + 1"); break;
    case 2:
    case 4: set = QStringLiteral("NonDrugNumber = NonDrugNumber + 1"); break;
    default:
        throw AppError(static_cast<long>(0x80040064), QStringLiteral("TillNumbers.CashNumbers.UpdateCashNumbers"),
                       QStringLiteral("Invalid procedure call or argument: kind %1").arg(kind));
    }
    Connection& c = db("UpdateCashNumbers");
    ensureRow(c);
    c.execute(QStringLiteral("UPDATE billing.tbCashNumbers SET CashNumber = CashNumber + 1, ") + set +
              QStringLiteral(" WHERE id = 1"));
}

void TillNumbersCashNumbers::UpdateNumberGroup(const QString& slip, const QString& drugSequence,
                                               const QString& nonDrugSequence, const QString& reportDate) {
    Connection& c = db("UpdateNumberGroup");
    ensureRow(c);
    c.execute(QStringLiteral("UPDATE billing.tbCashNumbers SET GroupSlip = ?, GroupDrug = ?, GroupNonDrug = ?, "
                             "ReportDate = ? WHERE id = 1"),
              {slip, drugSequence, nonDrugSequence, reportDate});
}

} // namespace qx::suite
