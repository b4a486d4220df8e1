// Procedures of the customer discount cards.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

// The card's row with its holder's name and its type's name; no row for an unknown card. The
// card number is the key, so the type id the caller sends narrows nothing.
const ProcedureRegistration loadCardInfo{{
    QStringLiteral("Pharma_LoadCardInfo"),
    {{QStringLiteral("@CardNum"), ParamType::Text, 30}, {QStringLiteral("@CardTypeID"), ParamType::Text, 10}},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral(
                           "SELECT M.CardNum AS CardNum, "
                           "COALESCE(M.LastName, '') || ', ' || COALESCE(M.FirstName, '') || ' ' || COALESCE(M.MiddleName, '') "
                           "AS CardHolder, COALESCE(CAST(M.CardTypeID AS TEXT), '') AS CardTypeID, T.CardTypeName AS CardTypeName "
                           "FROM tbPharmaCardMaster M LEFT OUTER JOIN tbPharmaCardType T ON T.CardTypeID = M.CardTypeID "
                           "WHERE M.CardNumFolded = UPPER(TRIM(?))"),
                       {a.text(QStringLiteral("CARDNUM"))});
    }}};

} // namespace
} // namespace qx::hospitaldb
