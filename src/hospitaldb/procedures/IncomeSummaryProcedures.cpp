// The income summary's work table and the procedures that clear and load it for a range of days.
// The table is temporary: each connection (workstation) has its own rows, so two workstations
// preparing at once never mix them, and the report reads them on the connection that prepared
// them. The loads sum the income lines of each patient kind per day.
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

void ensureIncomeSummaryTable(Connection& c) {
    c.executeScript(c.isSQLite()
                        ? QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS tbPharmaIncomeSummary (PatientKind TEXT, KindName TEXT, "
                                         "ReportDay TEXT, Amount REAL, Discount REAL, VAT REAL, Net REAL, Lines INTEGER)")
                        : QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS tbPharmaIncomeSummary (PatientKind TEXT, KindName TEXT, "
                                         "ReportDay DATE, Amount DOUBLE PRECISION, Discount DOUBLE PRECISION, "
                                         "VAT DOUBLE PRECISION, Net DOUBLE PRECISION, Lines INTEGER)"));
}

// Which rows a load adds: charges of in- and out-patients, or cash sales.
enum class SummaryPart { Charges, Cash };

// Clears every work row, or only the cash sales.
ProcedureBody clearSummary(bool cashOnly) {
    return [cashOnly](Connection& c, ProcArgs&) -> std::optional<Recordset> {
        ensureIncomeSummaryTable(c);
        c.execute(cashOnly ? QStringLiteral("DELETE FROM tbPharmaIncomeSummary WHERE PatientKind = 'C'")
                           : QStringLiteral("DELETE FROM tbPharmaIncomeSummary"));
        return std::nullopt;
    };
}

ProcedureBody loadSummary(SummaryPart part) {
    return [part](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        ensureIncomeSummaryTable(c);
        QVariantMap lines{{QStringLiteral("StartDate"), a.value(QStringLiteral("STARTDATE"))},
                          {QStringLiteral("EndDate"), a.value(QStringLiteral("ENDDATE"))},
                          {QStringLiteral("SumBy"), QStringLiteral("Kind, Day")}};
        if (part == SummaryPart::Charges)
            lines.insert(QStringLiteral("Document"), QStringLiteral("CS"));
        else
            lines.insert(QStringLiteral("PatientKind"), QStringLiteral("C"));
        const Recordset days = c.callProcedure(QStringLiteral("Pharma_IncomeLines"), lines).value_or(Recordset());
        for (int row = 0; row < days.recordCount(); ++row) {
            QVariantList values;
            for (const char* column : {"PatientKind", "KindName", "ReportDay", "Amount", "Discount", "VAT", "Net", "Lines"})
                values << days.valueAt(row, QString::fromLatin1(column));
            c.execute(QStringLiteral("INSERT INTO tbPharmaIncomeSummary (PatientKind, KindName, ReportDay, Amount, Discount, "
                                     "VAT, Net, Lines) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                      values);
        }
        return std::nullopt;
    };
}

const QVector<ProcParam> kRange{typed("@StartDate", ParamType::DateTime), typed("@EndDate", ParamType::DateTime)};

const ProcedureRegistration summaryProcedures[] = {
    ProcedureRegistration{{QStringLiteral("PharmaIncomeSummary_Delete_Ver1"), {}, clearSummary(false)}},
    ProcedureRegistration{{QStringLiteral("PharmaIncomeSummary_Load_Ver1"), kRange, loadSummary(SummaryPart::Charges)}},
    ProcedureRegistration{{QStringLiteral("PharmaIncomeSummary_Load_Two_Ver1"), kRange, loadSummary(SummaryPart::Cash)}},
    ProcedureRegistration{{QStringLiteral("PharmaIncomeSummary_Clear"), {}, clearSummary(false)}},
    ProcedureRegistration{{QStringLiteral("PharmaIncomeSummary_Load_InAndOut"), kRange, loadSummary(SummaryPart::Charges)}},
    ProcedureRegistration{{QStringLiteral("PharmaIncomeSummary_Load_Cash"), kRange, loadSummary(SummaryPart::Cash)}},
    ProcedureRegistration{{QStringLiteral("PharmaIncomeSummary_Delete"), {}, clearSummary(false)}},
    ProcedureRegistration{{QStringLiteral("PharmaIncomeSummary_Load"), kRange, loadSummary(SummaryPart::Charges)}},
    ProcedureRegistration{{QStringLiteral("PharmaIncomeSummary_Load_Two"), kRange, loadSummary(SummaryPart::Cash)}},
    ProcedureRegistration{{QStringLiteral("Pharma_IncomeSummaryDeleteCash"), {}, clearSummary(true)}},
    // What the summary files read: the rows this connection prepared, none before a preparation.
    ProcedureRegistration{{QStringLiteral("Pharma_IncomeSummaryRows"), {},
                           [](Connection& c, ProcArgs&) -> std::optional<Recordset> {
                               ensureIncomeSummaryTable(c);
                               return c.query(QStringLiteral(
                                   "SELECT PatientKind, KindName, ReportDay, Amount, Discount, VAT, Net, Lines "
                                   "FROM tbPharmaIncomeSummary ORDER BY CASE PatientKind WHEN 'I' THEN 1 WHEN 'O' THEN 2 ELSE 3 END, ReportDay"));
                           }}},
};

} // namespace
} // namespace qx::hospitaldb
