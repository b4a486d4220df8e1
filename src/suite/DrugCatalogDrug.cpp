#include "suite/DrugCatalogDrug.h"

namespace qx::suite {

namespace {
double num(const Recordset& rs, const char* field) { return rs.value(QString::fromLatin1(field)).toDouble(); }
} // namespace

// Prices and stock are the location's. Given a patient key (the callers' stock-per-location
// search), an item the location does not stock is not found. A miss clears the current item so
// that no caller reads the previous one's values.
bool DrugCatalogDrug::SearchDrug(const QString& code, const std::optional<QString>& location,
                                 const std::optional<QString>& patientKey) {
    item_ = Item{};
    const QString loc = location && !location->trimmed().isEmpty() ? location->trimmed() : defaultLocation();
    Recordset rs = c_("SearchDrug").query(
        QStringLiteral(
            "SELECT m.ItemID, m.ItemName, m.ItemDesc, m.ItemStatus, m.Unrestricted, m.OralOrInjectible, "
            "m.isSeniorDiscounted, m.ListCost, m.AverageCost, m.Barcode, g.GenericName, s.SupplierName, "
            "i.OnHand, i.SellingPriceIn, i.SellingPriceOut, i.RateA, i.RateB, i.MarkupIn, i.MarkupOut, "
            "i.MacDiscPercent, i.MacDiscAmount, i.MacExpiry "
            "FROM tbInvMaster m LEFT JOIN tbForGeneric g ON g.GenericID = m.GenericID "
            "LEFT JOIN tbInvSupplier s ON s.SupplierID = m.SupplierID "
            "LEFT JOIN tbInvent i ON i.ItemID = m.ItemID AND i.LocationID = ? "
            "WHERE UPPER(TRIM(m.ItemID)) = UPPER(TRIM(?))") +
            (patientKey ? QStringLiteral(" AND i.ItemID IS NOT NULL") : QString()),
        {loc, code});
    if (rs.isEmpty())
        return false;
    item_.code = rs.text(QStringLiteral("ItemID"));
    item_.name = rs.text(QStringLiteral("ItemName"));
    item_.description = rs.text(QStringLiteral("ItemDesc"));
    item_.genericName = rs.text(QStringLiteral("GenericName"));
    item_.status = num(rs, "ItemStatus") == 1 ? 1 : 0;
    // A Null flag means the item was never restricted.
    item_.unrestricted = rs.isNull(QStringLiteral("Unrestricted")) || num(rs, "Unrestricted") != 0;
    item_.oralOrInjectible = rs.value(QStringLiteral("OralOrInjectible"));
    item_.seniorDiscounted = num(rs, "isSeniorDiscounted") != 0;
    item_.listCost = num(rs, "ListCost");
    item_.supplier.SupplierName = rs.text(QStringLiteral("SupplierName"));
    DrugCatalog::InventRecord& inv = item_.invent;
    inv.StockOnHand = num(rs, "OnHand");
    inv.AverageCost = num(rs, "AverageCost");
    inv.SellingPriceIn = num(rs, "SellingPriceIn");
    inv.SellingPriceOut = num(rs, "SellingPriceOut");
    inv.RateA = num(rs, "RateA");
    inv.RateB = num(rs, "RateB");
    inv.MarkupIn = num(rs, "MarkupIn");
    inv.MarkupOut = num(rs, "MarkupOut");
    inv.MacDiscPercent = num(rs, "MacDiscPercent");
    inv.MacDiscAmount = num(rs, "MacDiscAmount");
    inv.Barcode = rs.text(QStringLiteral("Barcode"));
    if (!rs.isNull(QStringLiteral("MacExpiry")))
        inv.MacExpiry = rs.dateTime(QStringLiteral("MacExpiry")).date();
    return true;
}

void DrugCatalogDrug::AppendStockCard(const DrugCatalog::StockCardArgs& args) {
    DrugCatalogStockCard(c_("AppendStockCard")).post(StockCardLine::fromArgs(args));
}

void DrugCatalogDrug::AppendStockCards(const QVector<DrugCatalog::StockCardArgs>& lines) {
    QVector<StockCardLine> read;
    read.reserve(lines.size());
    for (const DrugCatalog::StockCardArgs& args : lines)
        read.push_back(StockCardLine::fromArgs(args));
    DrugCatalogStockCard(c_("AppendStockCards")).postAll(std::move(read));
}

} // namespace qx::suite
