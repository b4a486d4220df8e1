// Procedures of the pharmacy's surcharges: an unpaid line of tbCashAssessment under its "SU"
// number, and the list of them by status and search text.
#include "components/Connection.h"
#include "components/Procedures.h"
#include "components/SearchText.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

const QString kSurchargeItem = QStringLiteral("SURCHARGE");

// The surcharge as an unpaid pharmacy line the cashier collects.
const ProcedureRegistration saveSurcharge{{
    QStringLiteral("sp_Pharma_SaveSurcharge"),
    {text("@RefNum", 20), number("@ItemsPrice"), number("@Percent"), number("@Amount"), text("@UserID", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        c.execute(QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID, Name, Quantity, Amount, "
                                 "UnitPrice, SurchargePrice, SurchargePercent, UserID, TransDate) "
                                 "VALUES (?, 'PH', ?, 'SURCHARGE', 1, ?, ?, ?, ?, ?, ?)"),
                  {a.text(QStringLiteral("REFNUM")).trimmed(), kSurchargeItem, a.number(QStringLiteral("AMOUNT")),
                   a.number(QStringLiteral("AMOUNT")), a.number(QStringLiteral("ITEMSPRICE")),
                   a.number(QStringLiteral("PERCENT")), a.text(QStringLiteral("USERID")), c.serverNow()});
        return std::nullopt;
    }}};

// Surcharges by status ("" unpaid, "1" paid: with a receipt number, "R" revoked), whose number
// or receipt number contains the search text; the number is the second column.
const ProcedureRegistration searchSurcharge{{
    QStringLiteral("sp_Pharma_SearchSurcharge"),
    {text("@Status", 1), text("@Search", 50)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString status = a.text(QStringLiteral("STATUS")).trimmed();
        QString where;
        if (status == QLatin1String("R"))
            where = QStringLiteral("COALESCE(RecordStatus, '') = 'R'");
        else if (status == QLatin1String("1"))
            where = QStringLiteral("COALESCE(RecordStatus, '') <> 'R' AND COALESCE(TRIM(ORNumber), '') <> ''");
        else
            where = QStringLiteral("COALESCE(RecordStatus, '') <> 'R' AND COALESCE(TRIM(ORNumber), '') = ''");
        const QString like = likeContaining(a.text(QStringLiteral("SEARCH")).trimmed());
        return c.query(QStringLiteral("SELECT TransDate, RefNum, COALESCE(ORNumber, '') AS ORNumber, SurchargePrice AS "
                                      "ItemsPrice, SurchargePercent AS Percentage, Amount, UserID "
                                      "FROM billing.tbCashAssessment WHERE ItemID = ? AND RevenueID = 'PH' AND %1 "
                                      "AND (UPPER(RefNum) LIKE UPPER(?) ESCAPE '\\' OR UPPER(COALESCE(ORNumber, '')) "
                                      "LIKE UPPER(?) ESCAPE '\\') ORDER BY id")
                           .arg(where),
                       {kSurchargeItem, like, like});
    }}};

} // namespace
} // namespace qx::hospitaldb
