#include "charging/PriceLookups.h"

#include "components/AppError.h"
#include "components/Connection.h"
#include "platform/Values.h"
#include "shell/Switches.h"

#include <optional>

namespace qx {

double gGSISDependentRate = 0;
double gGSISMemberRate = 0;

namespace {

// The first row's column; nothing when there is no row.
std::optional<QVariant> firstValue(const Recordset& rs, const QString& column) {
    if (rs.isEmpty())
        return std::nullopt;
    return rs.value(column);
}

std::optional<QVariant> queryFirst(Connection& con, const QString& sql, const QVariantList& binds, const QString& column) {
    return firstValue(con.query(sql, binds), column);
}

std::optional<QVariant> procedureFirst(Connection& con, const QString& name, const QVariantMap& values,
                                       const QString& column) {
    return firstValue(con.callProcedure(name, values).value_or(Recordset()), column);
}

// Money keeps four decimals.
double money(const std::optional<QVariant>& v) { return v ? Round(CDbl(*v), 4) : 0.0; }
double number(const std::optional<QVariant>& v) { return v ? CDbl(*v) : 0.0; }
bool flag(const std::optional<QVariant>& v) { return v && CBool(*v); }

// A price to two decimals, halves away from zero, as the pattern "#####00.00" writes it. A Null
// price is an error, never a price of 0.
double twoDecimalPrice(const std::optional<QVariant>& v) {
    if (!v)
        return 0;
    return CDbl(Format(*v, QStringLiteral("#####00.00")));
}

QString itemMasterSql(const char* column) {
    return QStringLiteral("SELECT COALESCE(%1, 0) AS %1 FROM tbInvMaster WHERE ItemID = ?").arg(QString::fromLatin1(column));
}

} // namespace

double GetMDRPDrugPrice(Connection& con, const QString& itemCode) {
    return number(queryFirst(con, itemMasterSql("MDRPDrugPrice"), {itemCode}, QStringLiteral("MDRPDrugPrice")));
}

qint16 GetMDRPFlag(Connection& con, const QString& itemCode) {
    return flag(queryFirst(con, itemMasterSql("isMDRP"), {itemCode}, QStringLiteral("isMDRP"))) ? 1 : 0;
}

bool IsItemSeniorDiscounted(Connection& con, const QString& itemCode) {
    return flag(queryFirst(con, itemMasterSql("isSeniorDiscounted"), {itemCode}, QStringLiteral("isSeniorDiscounted")));
}

bool IsItemVATExempt(Connection& con, const QString& itemCode) {
    return flag(queryFirst(con, itemMasterSql("isVATExempt"), {itemCode}, QStringLiteral("isVATExempt")));
}

double GetFixedEmployeePrice(Connection& con, const QString& itemCode) {
    return money(queryFirst(con, itemMasterSql("FixedEmp"), {itemCode}, QStringLiteral("FixedEmp")));
}

double GetFixedPrice(Connection& con, const QString& itemCode, const QString& locationId) {
    return money(queryFirst(con,
                            QStringLiteral("SELECT COALESCE(FixedPrice, 0) AS FixedPrice FROM tbInvent "
                                           "WHERE ItemID = ? AND LocationID = ?"),
                            {itemCode, locationId}, QStringLiteral("FixedPrice")));
}

double GetFixedCharge(Connection& con, const QString& itemCode, const QString& locationId) {
    return money(queryFirst(con,
                            QStringLiteral("SELECT COALESCE(FixedCharge, 0) AS FixedCharge FROM tbInvent "
                                           "WHERE ItemID = ? AND LocationID = ?"),
                            {itemCode, locationId}, QStringLiteral("FixedCharge")));
}

double GetHMOPrice(Connection& con, const QString& itemCode, const QString& patientId, const QString& locationId) {
    if (gInvSwitchHMOMarkupPrice) {
        const QString column = IsNumeric(patientId) ? QStringLiteral("HMOMarkupInPrice") : QStringLiteral("HMOMarkupOutPrice");
        return twoDecimalPrice(queryFirst(con,
                                          QStringLiteral("SELECT COALESCE(%1, 0) AS HMOPrice FROM tbInvent "
                                                         "WHERE ItemID = ? AND LocationID = ?")
                                              .arg(column),
                                          {itemCode, locationId}, QStringLiteral("HMOPrice")));
    }
    return twoDecimalPrice(procedureFirst(con, QStringLiteral("PharmaCSR_GetHMOPrice"),
                                          {{QStringLiteral("@ItemID"), itemCode}, {QStringLiteral("@LocationID"), locationId}},
                                          QStringLiteral("HMOPrice")));
}

double GetVAPrice(Connection& con, const QString& patientId, const QString& itemCode, const QString& locationId) {
    return twoDecimalPrice(procedureFirst(con, QStringLiteral("sp_Inv_GetVAPrice"),
                                          {{QStringLiteral("@IDNum"), patientId},
                                           {QStringLiteral("@ItemID"), itemCode},
                                           {QStringLiteral("@LocationID"), locationId}},
                                          QStringLiteral("VASellingPrice")));
}

double GetVelmiraPrice(Connection& con, const QString& itemCode, const QString& locationId) {
    return twoDecimalPrice(procedureFirst(con, QStringLiteral("PharmaCSR_GetVelmiraPrice"),
                                          {{QStringLiteral("@ItemID"), itemCode}, {QStringLiteral("@LocationID"), locationId}},
                                          QStringLiteral("VelmiraPrice")));
}

double GetGSISAmount(Connection& con, const QString& itemCode, const QString& locationId) {
    return money(procedureFirst(con, QStringLiteral("Pharma_GetGSISAmount"),
                                {{QStringLiteral("@ItemID"), itemCode},
                                 {QStringLiteral("@LocationID"), locationId},
                                 {QStringLiteral("@PerUnit"), 1}},
                                QStringLiteral("GSISAmount")));
}

double GetDiscountInfo(Connection& con, const QString& cardNumber, const QString& itemCode, const QString& cardTypeId) {
    return number(procedureFirst(con, QStringLiteral("Pharma_GetDiscountInfo"),
                                 {{QStringLiteral("@CardNum"), cardNumber},
                                  {QStringLiteral("@ItemID"), itemCode},
                                  {QStringLiteral("@CardTypeID"), cardTypeId}},
                                 QStringLiteral("Discount")));
}

double CountPurchasedItem(Connection& con, const QString& cardNumber, const QString& itemCode,
                          const QString& cardTypeId) {
    return number(procedureFirst(con, QStringLiteral("sp_Pharma_CountPurchasedItem"),
                                 {{QStringLiteral("@CardNum"), cardNumber},
                                  {QStringLiteral("@ItemID"), itemCode},
                                  {QStringLiteral("@CardTypeID"), cardTypeId}},
                                 QStringLiteral("Quantity")));
}

QString GetActualAmount(Connection& con, const QString& slipNumber, const QString& itemCode) {
    const auto amount = procedureFirst(con, QStringLiteral("Pharma_GetActualAmount"),
                                       {{QStringLiteral("@RefNum"), slipNumber}, {QStringLiteral("@ItemID"), itemCode}},
                                       QStringLiteral("Amount"));
    return amount ? Text(*amount) : QStringLiteral("0");
}

double GetHospitalDiscountRate(Connection& con, int kind) {
    static const char* const columns[] = {"SeniorDiscount", "CashEmployeeDiscount", "CashEmployeeDiscount2"};
    if (kind < 1 || kind > 3)
        throw AppError(kDbErrorNumber, QStringLiteral("GetHospitalDiscountRate"),
                       QStringLiteral("Command text was not set for the command object."));
    return number(queryFirst(con,
                             QStringLiteral("SELECT COALESCE(%1, 0) AS Discount FROM patient_data.tbHospitalInfo "
                                            "ORDER BY id LIMIT 1")
                                 .arg(QString::fromLatin1(columns[kind - 1])),
                             {}, QStringLiteral("Discount")));
}

void LoadGSISRates(Connection& con) {
    Recordset rs = con.query(QStringLiteral("SELECT COALESCE(GSISDependent, 0) AS Dependent, COALESCE(GSISMember, 0) AS Member "
                                            "FROM tbHospitalInfo LIMIT 1"));
    gGSISDependentRate = rs.isEmpty() ? 0 : CDbl(rs.value(QStringLiteral("Dependent")));
    gGSISMemberRate = rs.isEmpty() ? 0 : CDbl(rs.value(QStringLiteral("Member")));
}

} // namespace qx
