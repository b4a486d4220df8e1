#include "charging/ChargeSlipRestage.h"

#include "charging/PrintStaging.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "shell/HospitalSettings.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

namespace qx {

QString StagedChargeDescription(const DrugCatalog::Drug& drug) {
    const QString name = drug.DrugName().trimmed();
    const QString description = drug.Description().trimmed();
    const QString generic = drug.GenericName().trimmed();
    if (gSiteCode == QLatin1String("QVH") || generic.isEmpty())
        return name + u' ' + description;
    return generic + u' ' + description + QStringLiteral(" (") + name + u')';
}

QString RestagePostedChargeSlip(Connection& con, DrugCatalog::Drug& drug, const PostedSlipRestage& restage) {
    const QString idNum = restage.idNum.trimmed();
    const QString slip = restage.slipNumber.trimmed();
    std::optional<Recordset> posted = con.callProcedure(QStringLiteral("Pharma_GetChargePrint"),
                                                        {{QStringLiteral("@strIdNum"), idNum},
                                                         {QStringLiteral("@strRefNum"), slip}});
    if (!posted || posted->eof())
        return QString();
    Recordset& rs = *posted;
    const QString key = restage.key.isEmpty() ? rs.text(QStringLiteral("UserID")).trimmed() : restage.key;
    // Cleared here rather than through ClearChargePrint, whose error ends the program: a failure
    // must reach the caller's transaction.
    con.callProcedure(restage.toDump ? QStringLiteral("Pharma_EraseCharge_Dump") : QStringLiteral("Pharma_EraseCharge"),
                      {{QStringLiteral("@strUserID"), key},
                       {QStringLiteral("@strIdNum"), idNum},
                       {QStringLiteral("@strRefNum"), rs.text(QStringLiteral("refnum")).trimmed()}});
    const bool byLocation = GetInvSwitch(con, QStringLiteral("89"));
    for (; !rs.eof(); rs.moveNext()) {
        const QString item = rs.text(QStringLiteral("ItemID")).trimmed();
        const bool found = byLocation ? drug.SearchDrug(item, gLocationID, idNum) : drug.SearchDrug(item);
        if (!found)
            continue;
        const QString refNum = rs.text(QStringLiteral("refnum")).trimmed();
        const double quantity = rs.number(QStringLiteral("Quantity"));
        const double amount = rs.number(QStringLiteral("Amount"));
        if (restage.toDump) {
            AppendChargePrintDump(con, key, refNum, StagedChargeDescription(drug), quantity, amount, idNum, item, 0, 0,
                                  0, QString(), QString(), QString());
            continue;
        }
        ChargePrintLine line;
        line.key = key;
        line.refNum = refNum;
        line.description = StagedChargeDescription(drug);
        line.quantity = QString::number(quantity);
        line.amount = amount;
        line.idNum = idNum;
        line.itemId = item;
        AppendChargePrint(con, line);
    }
    return key;
}

} // namespace qx
