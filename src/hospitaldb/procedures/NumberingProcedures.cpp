// Procedures of the per-employee charge-slip counter and the charge-slip used-number test.
#include "components/AppError.h"
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
    {text("@UserID", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        advanceCounter(c, chargeSlipTerminalRow(a.text(QStringLiteral("USERID"))));
        return std::nullopt;
    }}};

// Sets the employee's counter to the number given, bare or as printed; anything else is refused
// and the counter stays.
const ProcedureRegistration saveChargeSlipNumber{{
    QStringLiteral("sp_SaveChargeSlipNumber"),
    {text("@ChargeSlip", 20), text("@UserID", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const std::optional<qint64> counter = parseTerminalChargeSlip(a.text(QStringLiteral("CHARGESLIP")));
        if (!counter)
            throw AppError(kDbErrorNumber, QStringLiteral("sp_SaveChargeSlipNumber"),
                           QStringLiteral("The charge slip number '%1' is not a number.")
                               .arg(a.text(QStringLiteral("CHARGESLIP")).trimmed()));
        const CounterRow row = chargeSlipTerminalRow(a.text(QStringLiteral("USERID")));
        c.execute(QStringLiteral("INSERT INTO tbChargeSlipTerminal (UserID, ChargeSlip) VALUES (?, ?) "
                                 "ON CONFLICT (UserID) DO UPDATE SET ChargeSlip = excluded.ChargeSlip"),
                  {row.keyValues.value(0), *counter});
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
