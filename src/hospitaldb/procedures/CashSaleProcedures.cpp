// Procedures of the direct cash sale: one item's summary at a location, and the transcribed lines
// of a patient's prescription still waiting to be sold.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// One row when the item is stocked at the location. Every column but Status holds a value.
const ProcedureRegistration drugMiniInfo{{
    QStringLiteral("Drug_MiniInfo"),
    {text("@strItemID", 15), text("@strLocationID", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral(
                           "SELECT COALESCE(m.ItemName, '') AS \"Drug Name\", COALESCE(m.ItemDesc, '') AS Description, "
                           "COALESCE(i.OnHand, 0) AS Stock, COALESCE(i.SellingPriceIn, 0) AS \"IP Price\", "
                           "COALESCE(i.SellingPriceOut, 0) AS \"OP Price\", COALESCE(m.DrugClass, '') AS ClassID, "
                           "m.isSeniorDiscounted AS Discounted, COALESCE(m.AverageCost, 0) AS UnitCost, "
                           "COALESCE(i.MarkupOut, 0) AS MarkUpAmount, "
                           "CASE WHEN m.ItemStatus = 1 OR i.ItemStatus = 1 THEN 1 ELSE 0 END AS Status "
                           "FROM tbInvMaster m INNER JOIN tbInvent i ON i.ItemID = m.ItemID AND i.LocationID = TRIM(?) "
                           "WHERE m.ItemID = TRIM(?)"),
                       {a.text(QStringLiteral("STRLOCATIONID")), a.text(QStringLiteral("STRITEMID"))});
    }}};

// The patient's transcribed lines of the revenue that no sale has served yet, oldest first. An
// empty room matches any room.
const ProcedureRegistration drugListTranscription{{
    QStringLiteral("Drug_ListTranscription"),
    {text("@IDNum", 15), text("@RoomID", 10), text("@RevenueID", 2)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString room = a.text(QStringLiteral("ROOMID")).trimmed();
        QVariantList binds{a.text(QStringLiteral("IDNUM")).trimmed(), a.text(QStringLiteral("REVENUEID")).trimmed()};
        if (!room.isEmpty())
            binds << room;
        return c.query(QStringLiteral(
                           "SELECT t.RefNumber AS RefNumber, t.GenericID AS \"Generic Code\", "
                           "COALESCE(t.GenericName, '') AS \"Generic Name\", t.Quantity AS Quantity, "
                           "COALESCE(t.Dosage, '') AS Dosage, COALESCE(t.Remarks, '') AS Remarks, "
                           "t.RequestNum AS RequestNum "
                           "FROM tbPharmaTranscription t "
                           "WHERE t.IdNum = ? AND t.RevenueID = ? %1"
                           "AND COALESCE(TRIM(t.RecordStatus), '') = '' "
                           "AND NOT EXISTS (SELECT 1 FROM tbInvStockCard s WHERE s.RequestNumber = t.RequestNum) "
                           "ORDER BY t.id")
                           .arg(room.isEmpty() ? QString() : QStringLiteral("AND t.RoomID = ? ")),
                       binds);
    }}};

} // namespace
} // namespace qx::hospitaldb
