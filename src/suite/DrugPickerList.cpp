#include "suite/DrugPickerList.h"
#include "components/SearchText.h"
#include "components/SuiteComponents.h"
#include "suite/PickListDialog.h"

namespace qx::suite {

DrugPickerList::DrugPickerList(By by, ConnectionProvider provider)
    : ConnectedComponent(by == By::Brand ? progid::DrugList : progid::GenericList, std::move(provider)), by_(by) {}

QString DrugPickerList::ShowList(const std::optional<QString>& search, const std::optional<QVariant>&,
                                 const std::optional<QString>& location, const std::optional<QString>& genericOrCode) {
    Connection& c = db("ShowList");
    const QString where = location && !location->trimmed().isEmpty() ? location->trimmed() : kMainPharmacyLocation;
    QString startText = search.value_or(QString()).trimmed();
    // The fourth argument names a generic (the generic of a requested line): the list keeps to
    // it. Any other value is a typed text to start from.
    QString generic;
    if (genericOrCode && !genericOrCode->trimmed().isEmpty()) {
        const QString g = genericOrCode->trimmed();
        if (!c.query(QStringLiteral("SELECT GenericID FROM tbForGeneric WHERE UPPER(TRIM(GenericID)) = UPPER(?)"), {g})
                 .eof())
            generic = g;
        else if (startText.isEmpty())
            startText = g;
    }

    PickListSpec spec;
    if (by_ == By::Brand) {
        spec = {QStringLiteral("Drugs and Medicines"),
                {QStringLiteral("Item Code"), QStringLiteral("Brand Name"), QStringLiteral("Description"),
                 QStringLiteral("Generic Name"), QStringLiteral("On Hand")},
                {90, 200, 200, 200, 70},
                [&c, where, generic](const QString& text) {
                    const QString like = likeStartsWith(text.trimmed());
                    QVariantList binds{where, like, like, like};
                    QString sql = QStringLiteral(
                        "SELECT m.ItemID, m.ItemName, m.ItemDesc, g.GenericName, COALESCE(v.OnHand, 0) AS OnHand "
                        "FROM tbInvMaster m LEFT JOIN tbForGeneric g ON g.GenericID = m.GenericID "
                        "LEFT JOIN tbInvent v ON v.ItemID = m.ItemID AND v.LocationID = ? "
                        "WHERE COALESCE(m.ItemStatus, 0) = 0 AND (m.ItemNameFolded LIKE UPPER(?) ESCAPE '\\' "
                        "OR UPPER(m.ItemID) LIKE UPPER(?) ESCAPE '\\' OR UPPER(COALESCE(g.GenericName, '')) LIKE UPPER(?) ESCAPE '\\')");
                    if (!generic.isEmpty()) {
                        sql += QStringLiteral(" AND UPPER(TRIM(m.GenericID)) = UPPER(?)");
                        binds << generic;
                    }
                    return c.query(sql + QStringLiteral(" ORDER BY m.ItemName, m.ItemID LIMIT 500"), binds);
                },
                {}};
    } else {
        spec = {QStringLiteral("Generic Names"),
                {QStringLiteral("Generic ID"), QStringLiteral("Generic Name"), QStringLiteral("On Hand")},
                {90, 360, 70},
                [&c, where, generic](const QString& text) {
                    const QString like = likeStartsWith(text.trimmed());
                    QVariantList binds{where, like, like};
                    QString sql = QStringLiteral(
                        "SELECT g.GenericID, g.GenericName, COALESCE((SELECT SUM(v.OnHand) FROM tbInvMaster m "
                        "JOIN tbInvent v ON v.ItemID = m.ItemID WHERE m.GenericID = g.GenericID AND v.LocationID = ?), 0) "
                        "AS OnHand FROM tbForGeneric g WHERE (UPPER(COALESCE(g.GenericName, '')) LIKE UPPER(?) ESCAPE '\\' "
                        "OR UPPER(g.GenericID) LIKE UPPER(?) ESCAPE '\\')");
                    if (!generic.isEmpty()) {
                        sql += QStringLiteral(" AND UPPER(TRIM(g.GenericID)) = UPPER(?)");
                        binds << generic;
                    }
                    return c.query(sql + QStringLiteral(" ORDER BY g.GenericName LIMIT 500"), binds);
                },
                {}};
    }
    return PickListDialog::pickKey(std::move(spec), startText);
}

} // namespace qx::suite
