// The stock-card procedure: one line from its named values, the stock on hand at the location
// moved with it, and the nursing request it serves marked.
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/Procedures.h"
#include "hospitaldb/StockLedger.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// The moment arrives as text, "mm/dd/yyyy hh:mm:ss" from the screens; empty text is now.
QDateTime transDateOf(Connection& c, const QString& value) {
    const QString s = value.trimmed();
    if (s.isEmpty())
        return c.serverNow();
    for (const char* format : {"MM/dd/yyyy hh:mm:ss", "M/d/yyyy h:mm:ss", "MM/dd/yyyy hh:mm", "MM/dd/yyyy"}) {
        const QDateTime d = QDateTime::fromString(s, QString::fromLatin1(format));
        if (d.isValid())
            return d;
    }
    const QDateTime d = parseDbDateTime(s);
    if (d.isValid())
        return d;
    throw AppError(kDbErrorNumber, QStringLiteral("Drug_AddStockCard"),
                   QStringLiteral("Conversion failed when converting date and/or time from character string."));
}

std::optional<Recordset> addStockCard(Connection& c, ProcArgs& a) {
    auto t = [&a](const char* n) { return a.text(QString::fromLatin1(n)); };
    auto num = [&a](const char* n) { return a.number(QString::fromLatin1(n)); };
    StockCardEntry e;
    e.summaryCode = t("STRSUMMARYCODE").trimmed();
    e.hospNum = t("STRHOSPNUM").trimmed();
    e.idNum = t("STRIDNUM").trimmed();
    e.itemId = t("STRITEMID").trimmed();
    e.transDate = transDateOf(c, t("TRANSDATE"));
    e.revenueId = t("STRREVENUEID").trimmed();
    e.refNum = t("STRREFNUM").trimmed();
    e.quantity = num("FLTQUANTITY");
    e.quantityRec = num("FLTQUANTITYREC");
    e.amount = num("FLTAMOUNT");
    e.userId = t("STRUSERID").trimmed();
    e.dosageId = t("STRDOSAGEID");
    e.clinicId = t("STRCLINICID");
    e.itemType = t("STRITEMTYPE");
    e.requestById = t("STRREQUESTBYID");
    e.locationId = t("STRLOCATIONID").trimmed();
    e.targetLocationId = t("STRTARGETLOCATIONID");
    e.roomId = t("STRROOMID");
    e.remark = t("STRREMARK");
    e.requestNumber = t("STRREQUESTNUMBER").trimmed();
    e.inOut = t("STRINOUT");
    e.communication = int(a.integer(QStringLiteral("INTCOMMUNICATION")));
    e.postOrReturn = int(a.integer(QStringLiteral("INTPOSTORRETURN")));
    e.creditMemoNum = a.isNull(QStringLiteral("STRCREDITMEMONUM")) ? QVariant() : QVariant(t("STRCREDITMEMONUM").trimmed());
    e.dispenserCode = num("INTDISPENSERCODE");
    e.cashName = t("STRCASHNAME");
    e.sequence = t("STRSEQUENCE").trimmed();
    e.reportDate = a.value(QStringLiteral("DATREPORTDATE")).toDateTime();
    e.shift = int(a.integer(QStringLiteral("INTSHIFT")));
    e.senior = a.flag(QStringLiteral("BITSENIOR"));
    e.acctNum = t("STRACCTNUM").trimmed();
    e.cashAddress = t("STRCASHADDRESS");
    e.cashDoctor = t("STRCASHDOCTOR");
    e.disCompute = a.flag(QStringLiteral("DISCOMPUTE"));
    e.packageId = t("PACKAGEID");
    e.discountRevenueId = t("STRDISCOUNTREVENUEID");
    e.discount = num("FLTDISCOUNT");
    e.vatAmount = num("FLTVATAMOUNT");
    e.netAmount = num("FLTNETAMOUNT");
    if (e.itemId.isEmpty() || e.refNum.isEmpty() || e.locationId.isEmpty())
        throw AppError(kDbErrorNumber, QStringLiteral("Drug_AddStockCard"),
                       QStringLiteral("A stock-card line needs an item code, a reference number and a location."));

    postStockCardEntry(c, e, stockDeltaOf(e.summaryCode, e.quantity));
    if (e.communication == 1 && !e.requestNumber.isEmpty())
        markRequestServed(c, e.requestNumber, e.userId, e.transDate);
    return std::nullopt;
}

const ProcedureRegistration addStockCardProc{{
    QStringLiteral("Drug_AddStockCard"),
    {text("@strSummaryCode", 2), text("@strHospNum", 15), text("@strIDNum", 15), text("@strItemID", 15),
     text("@TransDate", 19), text("@strRevenueID", 2), text("@strRefNum", 20),
     typed("@fltQuantity", ParamType::Double), typed("@fltQuantityRec", ParamType::Double),
     typed("@fltAmount", ParamType::Double), text("@strUserID", 10), text("@strDosageID", 10),
     text("@strClinicID", 10), text("@strItemType", 1), text("@strRequestByID", 15), text("@strLocationID", 10),
     text("@strTargetLocationID", 10), text("@strRoomID", 10), text("@strRemark", 100),
     text("@strRequestNumber", 15), text("@strInOut", 1), typed("@intCommunication", ParamType::Integer),
     typed("@intPostOrReturn", ParamType::Integer), text("@strCreditMemoNum", 15),
     typed("@intDispenserCode", ParamType::Integer), text("@strCashName", 50), text("@strSequence", 20),
     typed("@datReportDate", ParamType::DateTime), typed("@intShift", ParamType::Integer),
     typed("@bitSenior", ParamType::Flag), text("@strAcctNum", 15), text("@strCashAddress", 100),
     text("@strCashDoctor", 50), typed("@disCompute", ParamType::Flag), text("@PackageID", 15),
     text("@strDiscountRevenueID", 2), typed("@fltDiscount", ParamType::Double),
     typed("@fltVATAmount", ParamType::Double), typed("@fltNetAmount", ParamType::Double)},
    addStockCard}};

} // namespace
} // namespace qx::hospitaldb
