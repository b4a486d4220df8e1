#include "charging/Numbering.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "hospitaldb/DocumentCounter.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"

namespace qx {

namespace {
const QString kSiteQVH = QStringLiteral("QVH");
} // namespace

QString GetTerminalChargeSlipNo(Connection& con, const QString& employeeCode) {
    const std::optional<qint64> counter = hospitaldb::readCounter(con, hospitaldb::chargeSlipTerminalRow(employeeCode));
    if (!counter)
        return QStringLiteral("0");
    return QStringLiteral("C") + Format(Trim(QString::number(*counter)), QStringLiteral("000000")) + QStringLiteral("M");
}

void AdvanceTerminalChargeSlipNo(Connection& con, const QString& employeeCode) {
    con.callProcedure(QStringLiteral("UpdateChargeSlip_PerUser"), {{QStringLiteral("@UserID"), employeeCode}});
}

QString GetTerminalChargeSlipCounter(Connection& con, const QString& employeeCode) {
    const std::optional<qint64> counter = hospitaldb::readCounter(con, hospitaldb::chargeSlipTerminalRow(employeeCode));
    return Format(counter.value_or(1), QStringLiteral("000000"));
}

bool ChargeSlipExists(Connection& con, const QString& siteCode, const QString& number) {
    const QString slip = Trim(number);
    if (siteCode == kSiteQVH) {
        std::optional<Recordset> rs =
            con.callProcedure(QStringLiteral("sp_Pharma_Validate_Chargeslip"), {{QStringLiteral("@RefNum"), slip}});
        return rs && !rs->isEmpty();
    }
    return !con.query(QStringLiteral("SELECT 1 FROM tbInvStockCard WHERE RefNum = ? LIMIT 1"), {slip}).isEmpty();
}

bool CreditMemoExists(Connection& con, const QString& number) {
    return !con.query(QStringLiteral("SELECT 1 FROM tbInvStockCard WHERE CreditMemoNum = ? LIMIT 1"), {Trim(number)})
                .isEmpty();
}

TerminalChargeSlipSeries::TerminalChargeSlipSeries(Connection& con, QString employeeCode, QString siteCode)
    : con_(con), employeeCode_(std::move(employeeCode)), siteCode_(std::move(siteCode)) {}

// Without a counter the employee would post every save under "0".
QString TerminalChargeSlipSeries::current() {
    hospitaldb::ensureCounter(con_, hospitaldb::chargeSlipTerminalRow(employeeCode_));
    return GetTerminalChargeSlipNo(con_, employeeCode_);
}

void TerminalChargeSlipSeries::advance() { AdvanceTerminalChargeSlipNo(con_, employeeCode_); }

bool TerminalChargeSlipSeries::isUsed(const QString& number) { return ChargeSlipExists(con_, siteCode_, number); }

DrugChargeSlipSeries::DrugChargeSlipSeries(Connection& con, DrugCatalog::ChargeslipNumbers& numbers, QString siteCode,
                                           std::optional<QString> patientKey)
    : con_(con), numbers_(numbers), siteCode_(std::move(siteCode)), patientKey_(std::move(patientKey)) {}

QString DrugChargeSlipSeries::current() { return numbers_.CurrentDispensingChargeSlip(patientKey_); }

void DrugChargeSlipSeries::advance() { numbers_.UpdateDispensingChargeSlip(patientKey_); }

bool DrugChargeSlipSeries::isUsed(const QString& number) { return ChargeSlipExists(con_, siteCode_, number); }

CreditMemoSeries::CreditMemoSeries(Connection& con, DrugCatalog::ChargeslipNumbers& numbers, Kind kind)
    : con_(con), numbers_(numbers), kind_(kind) {}

QString CreditMemoSeries::current() {
    return kind_ == Kind::CreditMemo ? numbers_.CurrentCreditMemo() : numbers_.CurrentAdjustmentSlip();
}

void CreditMemoSeries::advance() {
    if (kind_ == Kind::CreditMemo)
        numbers_.UpdateCreditMemo();
    else
        numbers_.UpdateAdjustmentSlip();
}

bool CreditMemoSeries::isUsed(const QString& number) { return CreditMemoExists(con_, number); }

QString CreditMemoSeries::kind() const {
    return kind_ == Kind::CreditMemo ? QStringLiteral("CM") : QStringLiteral("AS");
}

QString ClaimNumber(Connection& con, NumberSeries& series, const QString& idNum, const QString& claimedBy) {
    Transaction tx(con);
    for (int tries = 0; tries < kMaxClaimTries; ++tries) {
        const QString number = Trim(series.current());
        if (!series.isUsed(number) && hospitaldb::reserveDocumentNumber(con, series.kind(), number, idNum, claimedBy)) {
            tx.commit();
            return number;
        }
        series.advance();
    }
    throw AppError(kRaisedAgainNumber, fullProcedureName(QStringLiteral("mdlMain"), QStringLiteral("ClaimNumber")),
                   QStringLiteral("No free document number was found after %1 tries. Please check the number counter.")
                       .arg(kMaxClaimTries));
}

} // namespace qx
