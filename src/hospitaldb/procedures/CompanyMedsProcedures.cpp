// The company-medicine record of a posted line, with who posted it and when.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

const ProcedureRegistration insertCompanyMeds{{
    QStringLiteral("sp_Pharma_Insert_CompanyMeds"),
    {text("@RefNum", 20), text("@HospNum", 20), text("@IDNum", 20), text("@ItemID", 20), number("@UnitPrice"),
     number("@Quantity"), number("@Amount"), number("@MarkUp"), number("@ListCost"), text("@UserID", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("INSERT INTO tbPharmaCompanyMeds (RefNum, HospNum, IDNum, ItemID, UnitPrice, Quantity, "
                                 "Amount, MarkUp, ListCost, TransDate, UserID) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {a.text(QStringLiteral("REFNUM")).trimmed(), a.text(QStringLiteral("HOSPNUM")).trimmed(),
                   a.text(QStringLiteral("IDNUM")).trimmed(), a.text(QStringLiteral("ITEMID")).trimmed(),
                   a.number(QStringLiteral("UNITPRICE")), a.number(QStringLiteral("QUANTITY")),
                   a.number(QStringLiteral("AMOUNT")), a.number(QStringLiteral("MARKUP")),
                   a.number(QStringLiteral("LISTCOST")), c.serverNow(), a.text(QStringLiteral("USERID")).trimmed()});
        return std::nullopt;
    }}};

} // namespace
} // namespace qx::hospitaldb
