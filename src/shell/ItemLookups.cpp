#include "shell/ItemLookups.h"

#include "components/Connection.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"

#include <QHash>

namespace qx {

QString GetBrandName(Connection& con, const QString& itemCode) {
    Recordset rs = con.query(QStringLiteral("SELECT BrandName FROM tbInvMaster WHERE ItemID = ?"), {itemCode});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("BrandName"));
}

QString GetItemNameDesc(Connection& con, const QString& itemCode) {
    Recordset rs = con.query(QStringLiteral("SELECT ItemName || ' - ' || COALESCE(ItemDesc, '') AS ItemName "
                                            "FROM tbInvMaster WHERE ItemID = ?"),
                             {itemCode});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("ItemName"));
}

QString GetUnitOfMeasure(Connection& con, const QString& itemCode) {
    Recordset rs = con.query(QStringLiteral("SELECT COALESCE(B.UnitOfMeasure, '0') AS UnitOfMeasure FROM tbInvMaster A "
                                            "LEFT JOIN tbInvUnitOfMeasure B ON B.UnitOfMeasureID = A.UnitOfMeasureID "
                                            "WHERE A.ItemID = ?"),
                             {itemCode});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("UnitOfMeasure"));
}

QString GetItemIDByBarcode(Connection& con, const QString& barcode) {
    if (barcode.isEmpty())
        return QString();
    Recordset rs = con.query(QStringLiteral("SELECT COALESCE(ItemID, '0') AS ItemID FROM tbInvMaster WHERE Barcode = ? "
                                            "ORDER BY ItemID LIMIT 1"),
                             {RTrim(barcode)});
    return rs.isEmpty() ? barcode : rs.text(QStringLiteral("ItemID"));
}

QString GetItemIDByGeneric(Connection& con, const QString& genericId) {
    if (genericId.isEmpty())
        return QString();
    Recordset rs = con.query(QStringLiteral("SELECT COALESCE(ItemID, '0') AS ItemID FROM tbInvMaster WHERE GenericID = ? "
                                            "ORDER BY ItemID LIMIT 1"),
                             {RTrim(genericId)});
    return rs.isEmpty() ? genericId : rs.text(QStringLiteral("ItemID"));
}

QString AntibioticClassColor(const QString& classId) {
    static const QHash<QString, QString> colours{
        {QStringLiteral("1"), QString::number(rgbValue(255, 0, 255))},
        {QStringLiteral("2"), QString::number(rgbValue(0, 0, 255))},
        {QStringLiteral("3"), QString::number(rgbValue(0, 192, 0))},
        {QStringLiteral("4"), QString::number(rgbValue(255, 128, 0))},
        {QStringLiteral("5"), QString::number(rgbValue(192, 0, 192))},
    };
    return colours.value(classId);
}

QString GetAntibioticClassColor(Connection& con, const QString& itemCode) {
    auto rs = con.callProcedure(QStringLiteral("Pharma_GetAntiBioticClass"), {{QStringLiteral("@ItemID"), itemCode}});
    if (!rs || rs->isEmpty())
        return QString();
    return AntibioticClassColor(rs->text(QStringLiteral("AntibioticClassID")));
}

QString GetPDEAFilterSQL() {
    return QStringLiteral("SELECT b.ItemID, b.ItemName, b.ItemDesc, COALESCE(i.OnHand, 0) AS OnHand FROM tbInvMaster b "
                          "INNER JOIN tbInvClassification c ON c.ItemClassificationID = b.ItemClassificationID "
                          "INNER JOIN tbInvent i ON i.ItemID = b.ItemID AND i.LocationID IN ('20') "
                          "WHERE UPPER(c.ItemClassificationName) LIKE '%DANGEROUS DRUG%'");
}

void IsDangerousDrug(Connection& con, const QString& itemCode, bool& isDangerous) {
    Recordset rs = con.query(QStringLiteral("SELECT b.ItemClassificationID FROM tbInvMaster a INNER JOIN tbInvClassification b "
                                            "ON a.ItemClassificationID = b.ItemClassificationID WHERE a.ItemID = ? "
                                            "AND UPPER(b.ItemClassificationName) LIKE '%DANGEROUS DRUG%'"),
                             {itemCode});
    if (!rs.isEmpty())
        isDangerous = true;
}

void DoctorHasValidS2(Connection& con, const QString& doctorId, bool& hasValidS2) {
    Recordset rs = con.query(QStringLiteral("SELECT doctorid FROM build_file.tbCoDoctor WHERE doctorid = ? "
                                            "AND COALESCE(TRIM(s2number), '') <> '' AND s2expiry > ?"),
                             {doctorId, con.serverNow()});
    if (!rs.isEmpty())
        hasValidS2 = true;
}

bool CheckDangerousDrugLicense(Connection& con, const QString& doctorId, const FlexGrid& grid, int itemCol) {
    bool dangerous = false;
    for (int r = 1; r < grid.rows(); ++r) {
        // A removed line leaves an empty row above later ones, so an empty code does not end the walk.
        const QString item = grid.textMatrix(r, itemCol);
        if (Trim(item).isEmpty())
            continue;
        IsDangerousDrug(con, item, dangerous);
        if (dangerous) {
            bool licensed = false;
            DoctorHasValidS2(con, doctorId, licensed);
            return licensed;
        }
    }
    return true;
}

QString GetRoomClassID(Connection& con, const QString& roomId) {
    if (roomId == QLatin1String("OP"))
        return QStringLiteral("A");
    QString roomClass = QStringLiteral("A");
    eventHandler(QStringLiteral("mdlMain"), QStringLiteral("GetRoomClassID"), [&] {
        Recordset rs = con.query(QStringLiteral("SELECT RoomClassID FROM build_file.tbCoRoom WHERE RoomID = ? LIMIT 1"),
                                 {Trim(roomId)});
        if (!rs.isEmpty())
            roomClass = rs.text(QStringLiteral("RoomClassID"));
    });
    return roomClass;
}

} // namespace qx
