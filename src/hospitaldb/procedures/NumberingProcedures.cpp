// Procedures of the per-employee charge-slip counter and the charge-slip used-number test.
#include "components/Connection.h"
#include "components/Procedures.h"
#include "hospitaldb/DocumentCounter.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// Moves the employee's counter on; an employee without a row gets one, so that the claim loop
// always sees a new number.
const ProcedureRegistration updatePerUser{{
    QStringLiteral("UpdateChargeSlip_PerUser"),
    {text("@UserID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        advanceCounter(c, chargeSlipTerminalRow(a.text(QStringLiteral("USERID"))));
        return std::nullopt;
    }}};

// Sets the employee's counter to the number given.
const ProcedureRegistration saveChargeSlipNumber{{
    QStringLiteral("sp_SaveChargeSlipNumber"),
    {text("@ChargeSlip", 10), text("@UserID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("INSERT INTO tbChargeSlipTerminal (UserID, ChargeSlip) VALUES (?, ?) "
                                 "ON CONFLICT (UserID) DO UPDATE SET ChargeSlip = excluded.ChargeSlip"),
                  {a.text(QStringLiteral("USERID")).trimmed(), a.text(QStringLiteral("CHARGESLIP")).trimmed().toLongLong()});
        return std::nullopt;
    }}};

// A row when the slip number is on the stock card or held by a save.
const ProcedureRegistration validateChargeslip{{
    QStringLiteral("sp_Pharma_Validate_Chargeslip"),
    {text("@RefNum", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString number = a.text(QStringLiteral("REFNUM")).trimmed();
        return c.query(QStringLiteral("SELECT RefNum FROM (SELECT RefNum FROM tbInvStockCard WHERE RefNum = ? LIMIT 1) s "
                                      "UNION ALL SELECT DocumentNumber FROM tbInvDocumentClaim "
                                      "WHERE Kind = 'CS' AND DocumentNumber = ?"),
                       {number, number});
    }}};

} // namespace
} // namespace qx::hospitaldb
