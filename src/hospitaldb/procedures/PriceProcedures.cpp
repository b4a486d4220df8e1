// Procedures behind the price and discount look-ups: the price lists per item, location and kind,
// the card discounts with their monthly allowance, and the amount actually charged on a slip.
#include "components/Connection.h"
#include "components/Procedures.h"

#include <QDate>

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// The item's price of one kind at one location, under the column the caller reads; no row when
// the list has none.
Recordset listPrice(Connection& c, const QString& item, const QString& location, const char* kind,
                    const char* column) {
    return c.query(QStringLiteral("SELECT Price AS %1 FROM tbPharmaItemPrice WHERE ItemID = ? AND LocationID = ? "
                                  "AND PriceKind = ?")
                       .arg(QString::fromLatin1(column)),
                   {item.trimmed(), location.trimmed(), QString::fromLatin1(kind)});
}

// The third value is 1 from every caller: the amount per unit, which is how the list keeps it.
const ProcedureRegistration gsisAmount{{
    QStringLiteral("Pharma_GetGSISAmount"),
    {text("@ItemID", 20), text("@LocationID", 10), {QStringLiteral("@PerUnit"), ParamType::Integer}},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return listPrice(c, a.text(QStringLiteral("ITEMID")), a.text(QStringLiteral("LOCATIONID")), "GSIS",
                         "GSISAmount");
    }}};

const ProcedureRegistration hmoPrice{{
    QStringLiteral("PharmaCSR_GetHMOPrice"),
    {text("@ItemID", 20), text("@LocationID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return listPrice(c, a.text(QStringLiteral("ITEMID")), a.text(QStringLiteral("LOCATIONID")), "HMO", "HMOPrice");
    }}};

const ProcedureRegistration velmiraPrice{{
    QStringLiteral("PharmaCSR_GetVelmiraPrice"),
    {text("@ItemID", 20), text("@LocationID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return listPrice(c, a.text(QStringLiteral("ITEMID")), a.text(QStringLiteral("LOCATIONID")), "VELMIRA",
                         "VelmiraPrice");
    }}};

// The patient is sent so that a hospital may price per account; this list prices per item.
const ProcedureRegistration vaPrice{{
    QStringLiteral("sp_Inv_GetVAPrice"),
    {text("@IDNum", 20), text("@ItemID", 20), text("@LocationID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return listPrice(c, a.text(QStringLiteral("ITEMID")), a.text(QStringLiteral("LOCATIONID")), "VA",
                         "VASellingPrice");
    }}};

// The discount of the card's type on the item, only for a card registered under that type.
const ProcedureRegistration discountInfo{{
    QStringLiteral("Pharma_GetDiscountInfo"),
    {text("@CardNum", 30), text("@ItemID", 20), text("@CardTypeID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT COALESCE(D.Discount, 0) AS Discount FROM tbPharmaCardDiscount D "
                                      "INNER JOIN tbPharmaCardMaster M ON TRIM(CAST(M.CardTypeID AS TEXT)) = D.CardTypeID "
                                      "WHERE M.CardNumFolded = UPPER(?) AND D.ItemID = ? AND D.CardTypeID = ?"),
                       {a.text(QStringLiteral("CARDNUM")).trimmed(), a.text(QStringLiteral("ITEMID")).trimmed(),
                        a.text(QStringLiteral("CARDTYPEID")).trimmed()});
    }}};

// What the card may still buy of the item this month: the type's monthly allowance less what
// the card's assessments of this month hold, never below 0. No row when the item has no
// allowance, which the caller reads as used up.
const ProcedureRegistration countPurchased{{
    QStringLiteral("sp_Pharma_CountPurchasedItem"),
    {text("@CardNum", 30), text("@ItemID", 20), text("@CardTypeID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString card = a.text(QStringLiteral("CARDNUM")).trimmed();
        const QString item = a.text(QStringLiteral("ITEMID")).trimmed();
        Recordset allowance = c.query(QStringLiteral("SELECT MonthlyAllowance FROM tbPharmaCardDiscount "
                                                     "WHERE CardTypeID = ? AND ItemID = ? AND MonthlyAllowance IS NOT NULL"),
                                      {a.text(QStringLiteral("CARDTYPEID")).trimmed(), item});
        if (allowance.isEmpty())
            return allowance;
        const QDate today = c.serverNow().date();
        const QDateTime monthStart(QDate(today.year(), today.month(), 1), QTime(0, 0));
        Recordset bought = c.query(QStringLiteral("SELECT COALESCE(SUM(Quantity), 0) AS Bought FROM billing.tbCashAssessment "
                                                  "WHERE ItemID = ? AND UPPER(TRIM(CardNum)) = UPPER(?) AND TransDate >= ? AND TransDate < ?"),
                                   {item, card, monthStart, monthStart.addMonths(1)});
        const double left = allowance.number(QStringLiteral("MonthlyAllowance")) - bought.number(QStringLiteral("Bought"));
        return Recordset({QStringLiteral("Quantity")}, {{left > 0 ? left : 0.0}});
    }}};

// The amount per unit of the slip's first issue line of the item; no row when it was not issued.
const ProcedureRegistration actualAmount{{
    QStringLiteral("Pharma_GetActualAmount"),
    {text("@RefNum", 20), text("@ItemID", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT CASE WHEN COALESCE(Quantity, 0) = 0 THEN Amount ELSE Amount / Quantity END "
                                      "AS Amount FROM tbInvStockCard WHERE RefNum = ? AND ItemID = ? "
                                      "AND SummaryCode = 'PH' ORDER BY id LIMIT 1"),
                       {a.text(QStringLiteral("REFNUM")).trimmed(), a.text(QStringLiteral("ITEMID")).trimmed()});
    }}};

} // namespace
} // namespace qx::hospitaldb
