#include "charging/ChargeEligibility.h"

#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"

namespace qx {

bool IsChargeOkay(Connection& con, const QString& idNum) {
    bool okay = false;
    try {
        auto rs = con.callProcedure(QStringLiteral("Pharma_OkeyCharge"), {{QStringLiteral("@IDNum"), idNum}});
        if (!rs || rs->isEmpty())
            okay = true;
        else {
            const QVariant ok = rs->value(QStringLiteral("OK"));
            okay = IsNull(ok) || CDbl(ok) != 0;
        }
    } catch (...) {
        MsgBox(currentError().description(), vbOKOnly, kProductTitle);
    }
    return okay;
}

bool IsChargeOkayOPD(Connection& con, const QString& idNum) {
    auto rs = con.callProcedure(QStringLiteral("Pharma_OkeyChargeOPD"), {{QStringLiteral("@IDNum"), idNum}});
    return rs && !rs->isEmpty();
}

bool IsIssuedToday(Connection& con, const QString& patientId, const QString& itemCode) {
    auto rs = con.callProcedure(QStringLiteral("Pharma_IssuedDate"),
                                {{QStringLiteral("@IDNum"), patientId}, {QStringLiteral("@ItemID"), itemCode}});
    if (!rs || rs->isEmpty())
        return false;
    const QVariant issued = rs->value(QStringLiteral("DateIssued"));
    const QVariant today = rs->value(QStringLiteral("DateToday"));
    return !IsNull(issued) && !IsNull(today) && Text(issued) == Text(today);
}

void PostChargeDiscountToBilling(Connection& con, const QString& patientId, const QString& hospNum,
                                 const QString& slipNumber, const QString& revenueId, double amount,
                                 const QString& userCode, const QString& roomId) {
    const QString patientType = IsNumeric(patientId) ? QStringLiteral("I") : QStringLiteral("O");
    Transaction tx(con);
    con.callProcedure(QStringLiteral("sp_PARS_SaveCharges_Discount"),
                      {{QStringLiteral("@PATIENTTYPE"), patientType},
                       {QStringLiteral("@IDNUM"), patientId},
                       {QStringLiteral("@HOSPNUM"), hospNum},
                       {QStringLiteral("@REFNUM"), slipNumber},
                       {QStringLiteral("@REVENUEID"), revenueId},
                       {QStringLiteral("@ITEMID"), QStringLiteral("")},
                       {QStringLiteral("@QUANTITY"), qint16(1)},
                       {QStringLiteral("@AMOUNT"), amount},
                       {QStringLiteral("@USERID"), userCode},
                       {QStringLiteral("@ROOMID"), roomId},
                       {QStringLiteral("@DRCR"), QStringLiteral("C")},
                       {QStringLiteral("@ARCODE"), QStringLiteral("")},
                       {QStringLiteral("@REQUESTDOCID"), QStringLiteral("")}});
    tx.commit();
}

} // namespace qx
