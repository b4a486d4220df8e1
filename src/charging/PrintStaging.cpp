#include "charging/PrintStaging.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/Procedures.h"
#include "components/TextCut.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"

namespace qx {

namespace {

const QString kPrintStagingModule = QStringLiteral("mdlMain");

// The discount type goes as text to a server that declares it as text, else as its number.
QVariant discountTypeValue(const QString& discountType) {
    const ProcedureDecl* decl = ProcedureRegistry::instance().find(QStringLiteral("Pharma_AppendCharge"));
    if (decl)
        for (const ProcParam& p : decl->params)
            if (p.name == QLatin1String("DISCOUNTTYPE") && p.type != ParamType::Text)
                return ToDouble(discountType);
    return discountType;
}

// A text as Pharma_AppendCharge stores it: cut to the declared size (never inside a surrogate
// pair) and trimmed, so that the marks find the row it wrote.
QString storedByAppendCharge(const char* param, const QString& value) {
    QString v = value;
    if (const ProcedureDecl* decl = ProcedureRegistry::instance().find(QStringLiteral("Pharma_AppendCharge")))
        for (const ProcParam& p : decl->params)
            if (p.name == QLatin1String(param) && p.size > 0)
                v = leftWholeChars(v, p.size);
    return v.trimmed();
}

} // namespace

void ClearChargePrint(Connection& con, const QString& key, const QString& idNum, const QString& refNum, bool useDump) {
    try {
        con.callProcedure(useDump ? QStringLiteral("Pharma_EraseCharge_Dump") : QStringLiteral("Pharma_EraseCharge"),
                          {{QStringLiteral("@strUserID"), key},
                           {QStringLiteral("@strIdNum"), idNum},
                           {QStringLiteral("@strRefNum"), refNum}});
    } catch (...) {
        reportApplicationError(kPrintStagingModule, QStringLiteral("ClearChargePrint"), 0);
    }
}

void AppendChargePrint(Connection& con, const ChargePrintLine& l) {
    con.callProcedure(QStringLiteral("Pharma_AppendCharge"),
                      {{QStringLiteral("@STRUSERID"), l.key},
                       {QStringLiteral("@STRREFNUM"), l.refNum},
                       {QStringLiteral("@STRDESCRIPTION"), leftWholeChars(l.description, 200)},
                       {QStringLiteral("@INTQUANTITY"), ToDouble(l.quantity)},
                       {QStringLiteral("@MONAMOUNT"), l.amount},
                       {QStringLiteral("@STRIDNUM"), l.idNum},
                       {QStringLiteral("@STRITEMID"), l.itemId},
                       {QStringLiteral("@MONUNITPRICE"), l.unitPrice},
                       {QStringLiteral("@MONDISCOUNT"), l.discount},
                       {QStringLiteral("@DISCOUNTTYPE"), discountTypeValue(l.discountType)},
                       {QStringLiteral("@DOSAGE"), l.dosage},
                       {QStringLiteral("@NURSE"), leftWholeChars(l.nurse, 100)},
                       {QStringLiteral("@SCNUMBER"), leftWholeChars(l.scNumber, 20)},
                       {QStringLiteral("@DISCOUNTPERCENTAGE"), l.discountPercentage},
                       {QStringLiteral("@ISVATEXEMPT"), l.vatExempt},
                       {QStringLiteral("@TAXABLEAMOUNT"), l.taxableAmount},
                       {QStringLiteral("@VATAMOUNT"), l.vatAmount},
                       {QStringLiteral("@ORIGUNITPRICE"), l.origUnitPrice},
                       {QStringLiteral("@NETAMOUNT"), l.netAmount}});
    const bool mdrp = l.mdrp == 1;
    if (!mdrp && l.scpwdId.isEmpty() && l.s2Id.isEmpty())
        return;
    QStringList sets;
    QVariantList binds;
    if (mdrp)
        sets << QStringLiteral("isMDRP = 1");
    if (!l.scpwdId.isEmpty()) {
        sets << QStringLiteral("SCPWDID = ?");
        binds << l.scpwdId;
    }
    if (!l.s2Id.isEmpty()) {
        sets << QStringLiteral("S2ID = ?");
        binds << l.s2Id;
    }
    // The staging key and patient too: rows of other workstations and patients are not this line.
    // Every key as the row holds it; the item code stays as stored.
    const QString sql = QStringLiteral("UPDATE tbPharmaChargePrint SET %1 WHERE RefNum = ? AND ItemID = ? AND UserID = ? AND IdNum = ?")
                            .arg(sets.join(QStringLiteral(", ")));
    binds << storedByAppendCharge("STRREFNUM", l.refNum) << storedByAppendCharge("STRITEMID", l.itemId)
          << storedByAppendCharge("STRUSERID", l.key) << storedByAppendCharge("STRIDNUM", l.idNum);
    con.execute(sql, binds);
}

void AppendChargePrintDump(Connection& con, const QString& key, const QString& refNum, const QString& description,
                           double quantity, double amount, const QString& idNum, const QString& itemId,
                           double unitPrice, double discount, double discountPercentage,
                           const QString& discountType, const QString& nurse, const QString& scNumber) {
    con.callProcedure(QStringLiteral("Pharma_AppendCharge_dump"),
                      {{QStringLiteral("@strUserID"), key},
                       {QStringLiteral("@strRefNum"), refNum},
                       {QStringLiteral("@strDescription"), leftWholeChars(description, 200)},
                       {QStringLiteral("@intQuantity"), quantity},
                       {QStringLiteral("@monAmount"), amount},
                       {QStringLiteral("@strIdNum"), idNum},
                       {QStringLiteral("@strItemID"), itemId},
                       {QStringLiteral("@monUnitPrice"), unitPrice},
                       {QStringLiteral("@monDiscount"), discount},
                       {QStringLiteral("@DiscountPercentage"), discountPercentage},
                       {QStringLiteral("@DiscountType"), discountType},
                       {QStringLiteral("@Nurse"), leftWholeChars(nurse, 100)},
                       {QStringLiteral("@SCNumber"), leftWholeChars(scNumber, 20)}});
}

void EraseCreditMemoPrint(Connection& con, const QString& key, const QString& idNum, const QString& refNum) {
    con.callProcedure(QStringLiteral("Pharma_EraseCM"), {{QStringLiteral("@strID"), key},
                                                          {QStringLiteral("@strIdNum"), idNum},
                                                          {QStringLiteral("@strRefNum"), refNum}});
}

void AppendCreditMemoPrint(Connection& con, const QString& key, const QString& refNum, const QString& description,
                           double quantity, double amount, const QString& chargeSlip, qint16 quantityIssued,
                           const QString& idNum) {
    con.callProcedure(QStringLiteral("Pharma_AppendCM"), {{QStringLiteral("@strUserID"), key},
                                                           {QStringLiteral("@strRefNum"), refNum},
                                                           {QStringLiteral("@strDescription"), leftWholeChars(description, 90)},
                                                           {QStringLiteral("@intQuantity"), quantity},
                                                           {QStringLiteral("@monQuantity"), amount},
                                                           {QStringLiteral("@strChargeSlip"), chargeSlip},
                                                           {QStringLiteral("@intQtyIssued"), quantityIssued},
                                                           {QStringLiteral("@strIdNum"), idNum}});
}

void DeleteCashPrint(Connection& con, const QString& key) {
    try {
        con.callProcedure(QStringLiteral("Pharma_DeleteCashPrint"), {{QStringLiteral("@strUserID"), key}});
    } catch (...) {
        const AppError e = currentError();
        throw AppError(e.number(), QStringLiteral("mdlMain.DeleteCashPrint"), e.description());
    }
}

} // namespace qx
