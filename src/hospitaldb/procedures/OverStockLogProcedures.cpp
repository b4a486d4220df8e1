// The over-stock log: what the pharmacist chose when a posted quantity went beyond the stock.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

const ProcedureRegistration logOverStockChoice{{
    QStringLiteral("sp_Pharma_LogChoice"),
    {text("@Choice", 50), text("@ItemID", 20), text("@Quantity", 20), text("@OnHand", 20), text("@UserID", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("INSERT INTO tbPharmaOverStockLog (Choice, ItemID, Quantity, OnHand, UserID, LogDate) "
                                 "VALUES (?, ?, ?, ?, ?, ?)"),
                  {a.text(QStringLiteral("CHOICE")), a.text(QStringLiteral("ITEMID")).trimmed(),
                   a.text(QStringLiteral("QUANTITY")), a.text(QStringLiteral("ONHAND")),
                   a.text(QStringLiteral("USERID")).trimmed(), c.serverNow()});
        return std::nullopt;
    }}};

} // namespace
} // namespace qx::hospitaldb
