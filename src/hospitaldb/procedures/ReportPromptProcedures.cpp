// What the report prompts ask of the databases: whether billing holds a reference number, a
// charge account's name and address, and the daily cash income's work rows. Those rows live in a temporary table, so each connection
// (workstation) has its own and the report reads them on the connection that prepared them.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// The temporary table by its schema, so that no other table of the name is ever meant.
QString incomeCashTable(Connection& c) {
    return c.isSQLite() ? QStringLiteral("temp.Pharma_IncomeCash") : QStringLiteral("pg_temp.Pharma_IncomeCash");
}

void ensureIncomeCashTable(Connection& c) {
    c.executeScript(c.isSQLite()
                        ? QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS Pharma_IncomeCash (ReportDate TEXT, UserID TEXT, UserName TEXT, "
                                         "RefNum TEXT, CustomerName TEXT, ItemID TEXT, Description TEXT, Quantity REAL, "
                                         "Amount REAL, Discount REAL, Net REAL)")
                        : QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS Pharma_IncomeCash (ReportDate DATE, UserID TEXT, "
                                         "UserName TEXT, RefNum TEXT, CustomerName TEXT, ItemID TEXT, Description TEXT, "
                                         "Quantity DOUBLE PRECISION, Amount DOUBLE PRECISION, Discount DOUBLE PRECISION, "
                                         "Net DOUBLE PRECISION)"));
}

// Adds each cash-sale line of the day, of every encoder or of one.
ProcedureBody loadIncomeCash(bool oneEncoder) {
    return [oneEncoder](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        ensureIncomeCashTable(c);
        QVariantMap lines{{QStringLiteral("StartDate"), a.value(QStringLiteral("REPORTDATE"))},
                          {QStringLiteral("EndDate"), a.value(QStringLiteral("REPORTDATE"))},
                          {QStringLiteral("PatientKind"), QStringLiteral("C")}};
        if (oneEncoder)
            lines.insert(QStringLiteral("DispenserCode"), a.text(QStringLiteral("USERID")));
        const Recordset sold = c.callProcedure(QStringLiteral("Pharma_IncomeLines"), lines).value_or(Recordset());
        const QString insert = QStringLiteral("INSERT INTO %1 (ReportDate, UserID, UserName, RefNum, CustomerName, ItemID, Description, "
                                              "Quantity, Amount, Discount, Net) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                                   .arg(incomeCashTable(c));
        for (int row = 0; row < sold.recordCount(); ++row) {
            QVariantList values;
            for (const char* column : {"ReportDay", "Dispenser", "DispenserName", "RefNum", "PatientName", "ItemID", "Description",
                                       "Quantity", "Amount", "Discount", "Net"})
                values << sold.valueAt(row, QString::fromLatin1(column));
            c.execute(insert, values);
        }
        return std::nullopt;
    };
}

const ProcedureRegistration reportPromptProcedures[] = {
    // A row when billing holds lines under the reference number.
    ProcedureRegistration{{QStringLiteral("sp_PARS_SearchRefNum"), {text("@RefNum", 10)},
                           [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
                               return c.query(QStringLiteral("SELECT RefNum FROM billing.tbBillCharges WHERE RefNum = ? LIMIT 1"),
                                              {a.text(QStringLiteral("REFNUM")).trimmed()});
                           }}},
    // The charge account's name and address; no row for an unknown account.
    ProcedureRegistration{{QStringLiteral("sp_Pars_GetAccountName"), {text("@AccountNum", 20)},
                           [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
                               return c.query(QStringLiteral("SELECT Company, Address FROM build_file.tbCoCompany "
                                                             "WHERE AccountNum = ? LIMIT 1"),
                                              {a.text(QStringLiteral("ACCOUNTNUM")).trimmed()});
                           }}},
    ProcedureRegistration{{QStringLiteral("Pharma_IncomeCashClear"), {},
                           [](Connection& c, ProcArgs&) -> std::optional<Recordset> {
                               ensureIncomeCashTable(c);
                               c.execute(QStringLiteral("DELETE FROM ") + incomeCashTable(c));
                               return std::nullopt;
                           }}},
    ProcedureRegistration{{QStringLiteral("Pharma_CashDailyReportLoad"), {typed("@ReportDate", ParamType::DateTime)},
                           loadIncomeCash(false)}},
    ProcedureRegistration{{QStringLiteral("Pharma_CashDailyReportLoadUserid"),
                           {typed("@ReportDate", ParamType::DateTime), text("@UserID", 20)}, loadIncomeCash(true)}},
    // What the cash-income file reads: this connection's rows, none before a preparation.
    ProcedureRegistration{{QStringLiteral("Pharma_IncomeCashRows"), {},
                           [](Connection& c, ProcArgs&) -> std::optional<Recordset> {
                               ensureIncomeCashTable(c);
                               return c.query(QStringLiteral("SELECT ReportDate, UserID, UserName, RefNum, CustomerName, ItemID, "
                                                             "Description, Quantity, Amount, Discount, Net FROM %1 "
                                                             "ORDER BY RefNum, ItemID")
                                                  .arg(incomeCashTable(c)));
                           }}},
};

} // namespace
} // namespace qx::hospitaldb
