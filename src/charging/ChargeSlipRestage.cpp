#include "charging/ChargeSlipRestage.h"

#include "charging/PrintStaging.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/Recordset.h"

#include <cmath>
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/QueryHelpers.h"
#include "shell/clsInvMaster.h"
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

QString BracketedDescriptionCharge(const DrugCatalog::Drug& drug) {
    const QString name = drug.DrugName().trimmed();
    const QString description = drug.Description().trimmed();
    if (drug.GenericName().isEmpty())
        return name + u' ' + description;
    return name + QStringLiteral(" (") + description + QStringLiteral(") ") + drug.GenericName().trimmed();
}

QString GenericFirstDescription(const DrugCatalog::Drug& drug) {
    const QString name = drug.DrugName().trimmed();
    const QString description = drug.Description().trimmed();
    if (drug.GenericName().isEmpty())
        return name + u' ' + description;
    return drug.GenericName().trimmed() + u' ' + description + QStringLiteral(" (") + name + u')';
}

namespace {

void readFirstLine(const Recordset& rs, PostedSlipFirstLine* firstLine, bool withDate) {
    if (!firstLine)
        return;
    firstLine->userId = rs.text(QStringLiteral("UserID"));
    firstLine->dispenserName = rs.text(QStringLiteral("DispenserName"));
    firstLine->encoder = rs.text(QStringLiteral("Encoder"));
    if (withDate) {
        const QVariant when = rs.value(QStringLiteral("DateTrans"));
        firstLine->transDate = when.isNull() ? QString() : Format(CDate(when), QStringLiteral("mm/dd/yyyy hh:nn:ss AMPM"));
    }
}

} // namespace

QString RestagePostedChargeSlip(Connection& con, DrugCatalog::Drug& drug, const PostedSlipRestage& restage,
                                PostedSlipFirstLine* firstLine) {
    const QString idNum = restage.idNum.trimmed();
    const QString slip = restage.slipNumber.trimmed();
    std::optional<Recordset> posted = con.callProcedure(restage.procedure,
                                                        {{QStringLiteral("@strIdNum"), idNum},
                                                         {QStringLiteral("@strRefNum"), slip}});
    if (!posted || posted->eof())
        return QString();
    Recordset& rs = *posted;
    readFirstLine(rs, firstLine, true);
    const QString key = restage.key.isEmpty() ? rs.text(QStringLiteral("UserID")).trimmed() : restage.key;
    // Cleared here rather than through ClearChargePrint, whose error ends the program: a failure
    // must reach the caller's transaction.
    con.callProcedure(restage.toDump ? QStringLiteral("Pharma_EraseCharge_Dump") : QStringLiteral("Pharma_EraseCharge"),
                      {{QStringLiteral("@strUserID"), key},
                       {QStringLiteral("@strIdNum"), idNum},
                       {QStringLiteral("@strRefNum"), rs.text(QStringLiteral("refnum")).trimmed()}});
    const bool byLocation = !restage.byCodeOnly && GetInvSwitch(con, QStringLiteral("89"));
    for (; !rs.eof(); rs.moveNext()) {
        const QString item = rs.text(QStringLiteral("ItemID")).trimmed();
        const bool found = byLocation ? drug.SearchDrug(item, gLocationID, idNum) : drug.SearchDrug(item);
        if (!found && !restage.keepUnfoundLines && !restage.describeMissing)
            continue;
        const QString description = found ? (restage.describe ? restage.describe(drug) : StagedChargeDescription(drug))
                                    : restage.describeMissing ? restage.describeMissing(item)
                                                              : ItemMasterChargeDescription(con, item);
        const QString refNum = rs.text(QStringLiteral("refnum")).trimmed();
        const double quantity = rs.number(QStringLiteral("Quantity"));
        const double amount = rs.number(QStringLiteral("Amount"));
        if (restage.toDump) {
            AppendChargePrintDump(con, key, refNum, description, quantity, amount, idNum, item, 0, 0,
                                  0, QString(), QString(), QString());
            continue;
        }
        ChargePrintLine line;
        line.key = key;
        line.refNum = refNum;
        line.description = description;
        line.dosage = restage.withDosage ? rs.text(QStringLiteral("DosageID")).trimmed() : restage.dosage;
        if (restage.withPrices) {
            line.unitPrice = rs.number(QStringLiteral("UnitPrice"));
            line.discount = rs.number(QStringLiteral("Discount"));
            line.discountType = rs.text(QStringLiteral("DiscountType"));
        }
        line.quantity = QString::number(quantity);
        line.amount = amount;
        line.idNum = idNum;
        line.itemId = item;
        AppendChargePrint(con, line);
    }
    return key;
}

QString ItemMasterChargeDescription(Connection& con, const QString& itemCode) {
    clsInvMaster item;
    item.Init(con, itemCode);
    if (item.ItemID.isEmpty())
        return itemCode;
    const QString generic = item.Generic().GenericName.trimmed();
    if (gSiteCode == QLatin1String("QVH") || generic.isEmpty())
        return item.ItemName.trimmed() + u' ' + item.ItemDesc.trimmed();
    return generic + u' ' + item.ItemDesc.trimmed() + QStringLiteral(" (") + item.ItemName.trimmed() + u')';
}

QString ItemMasterMemoDescription(Connection& con, const QString& itemCode) {
    clsInvMaster item;
    item.Init(con, itemCode);
    if (item.ItemID.isEmpty())
        return itemCode;
    const QString generic = item.Generic().GenericName.trimmed();
    if (generic.isEmpty())
        return item.ItemName.trimmed() + u' ' + item.ItemDesc.trimmed();
    return generic + u' ' + item.ItemDesc.trimmed() + QStringLiteral(" (") + item.ItemName.trimmed() + u')';
}

bool StagePostedSlipForReprint(Connection& con, DrugCatalog::Drug& drug, const PostedSlipRestage& restage,
                               PostedSlipFirstLine* firstLine) {
    Transaction staging(con);
    if (RestagePostedChargeSlip(con, drug, restage, firstLine).isEmpty())
        return false;
    staging.commit();
    return true;
}

bool StagePostedMemoForReprint(Connection& con, const PostedMemoRestage& restage, PostedSlipFirstLine* firstLine) {
    Transaction staging(con);
    if (!RestagePostedCreditMemo(con, restage, firstLine))
        return false;
    staging.commit();
    return true;
}

bool RestagePostedCreditMemo(Connection& con, const PostedMemoRestage& restage, PostedSlipFirstLine* firstLine) {
    const QString idNum = restage.idNum.trimmed();
    const QString memo = restage.memoNumber.trimmed();
    std::optional<Recordset> posted = con.callProcedure(QStringLiteral("Pharma_GetCMPrint"),
                                                        {{QStringLiteral("@strIdNum"), idNum},
                                                         {QStringLiteral("@strRefNum"), memo}});
    if (!posted || posted->eof())
        return false;
    Recordset& rs = *posted;
    readFirstLine(rs, firstLine, false);
    EraseCreditMemoPrint(con, restage.key, idNum, memo);
    for (; !rs.eof(); rs.moveNext()) {
        const QString item = rs.text(QStringLiteral("ItemID")).trimmed();
        const std::optional<QString> description =
            restage.describe ? restage.describe(item) : std::optional<QString>(ItemMasterMemoDescription(con, item));
        if (!description)
            continue;
        // The charge slip the line was returned from; an older procedure gives it as refnum.
        const QString chargeSlip =
            GetFieldValue(rs, QStringLiteral("ChargeSlip"), rs.value(QStringLiteral("refnum"))).toString().trimmed();
        AppendCreditMemoPrint(con, restage.key, memo, *description, std::abs(rs.number(QStringLiteral("Quantity"))),
                              rs.number(QStringLiteral("Amount")), chargeSlip, 0, idNum);
    }
    return true;
}

Recordset ReadCashAssessmentLines(Connection& con, const QString& refNum) {
    std::optional<Recordset> rs =
        con.callProcedure(QStringLiteral("Pharma_GetCashReprint"), {{QStringLiteral("@RefNum"), refNum}});
    return rs ? *rs : Recordset();
}

ChargePrintLine CashAssessmentPrintLine(const Recordset& rs, const QString& refNum, const QString& key,
                                        bool withLineFacts) {
    ChargePrintLine line;
    line.key = key;
    line.refNum = refNum;
    line.description = rs.text(QStringLiteral("Description"));
    line.quantity = rs.text(QStringLiteral("Quantity"));
    line.amount = rs.value(QStringLiteral("Amount")).toDouble();
    line.idNum = QStringLiteral("CASH");
    line.itemId = rs.text(QStringLiteral("ItemID"));
    line.unitPrice = rs.value(QStringLiteral("UnitPrice")).toDouble();
    line.discount = rs.value(QStringLiteral("Discount")).toDouble();
    line.discountType = rs.text(QStringLiteral("DiscountType"));
    if (!withLineFacts)
        return line;
    // Fields an older database does not return take the values of a line without VAT split or marks.
    line.discountPercentage = GetFieldValue(rs, QStringLiteral("discountRate"), 0).toDouble();
    line.vatExempt = CBool(GetFieldValue(rs, QStringLiteral("isVATExempt"), false));
    line.mdrp = CBool(GetFieldValue(rs, QStringLiteral("IsMDRP"), false)) ? 1 : 0;
    line.taxableAmount = GetFieldValue(rs, QStringLiteral("TaxableAmount"), line.amount).toDouble();
    line.vatAmount = GetFieldValue(rs, QStringLiteral("VatAmount"), 0).toDouble();
    line.origUnitPrice = GetFieldValue(rs, QStringLiteral("UnitPrice"), line.amount).toDouble();
    return line;
}

} // namespace qx
