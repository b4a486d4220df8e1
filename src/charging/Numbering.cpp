#include "charging/Numbering.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "hospitaldb/DocumentCounter.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/Switches.h"

namespace qx {

namespace {
const QString kSiteQVH = QStringLiteral("QVH");
const QString kChargeSlipClaimKind = QStringLiteral("CS");
} // namespace

QString GetTerminalChargeSlipNo(Connection& con, const QString& employeeCode) {
    const std::optional<qint64> counter = hospitaldb::readCounter(con, hospitaldb::chargeSlipTerminalRow(employeeCode));
    if (!counter)
        return QStringLiteral("0");
    return QStringLiteral("C") + Format(Trim(QString::number(*counter)), QStringLiteral("000000")) + QStringLiteral("M");
}

void AdvanceTerminalChargeSlipNo(Connection& con, const QString& employeeCode) {
    con.callProcedure(QStringLiteral("UpdateChargeSlip_PerUser"),
                      {{QStringLiteral("@UserID"), hospitaldb::terminalCounterKey(employeeCode)}});
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

TerminalChargeSlipSeries::TerminalChargeSlipSeries(Connection& con, QString employeeCode)
    : con_(con), employeeCode_(std::move(employeeCode)) {}

QString TerminalChargeSlipSeries::current() { return GetTerminalChargeSlipNo(con_, employeeCode_); }

QString TerminalChargeSlipSeries::claim(const QString& idNum, const QString& claimedBy) {
    return hospitaldb::claimDocumentNumber(con_, hospitaldb::terminalChargeSlipSeries(employeeCode_), idNum, claimedBy);
}

DrugChargeSlipSeries::DrugChargeSlipSeries(DrugCatalog::ChargeslipNumbers& numbers, std::optional<QString> patientKey)
    : numbers_(numbers), patientKey_(std::move(patientKey)) {}

QString DrugChargeSlipSeries::current() { return numbers_.CurrentDispensingChargeSlip(patientKey_); }

QString DrugChargeSlipSeries::claim(const QString& idNum, const QString& claimedBy) {
    return numbers_.ClaimDispensingChargeSlip(patientKey_, idNum, claimedBy);
}

CreditMemoSeries::CreditMemoSeries(DrugCatalog::ChargeslipNumbers& numbers, Kind kind) : numbers_(numbers), kind_(kind) {}

QString CreditMemoSeries::current() {
    return kind_ == Kind::CreditMemo ? numbers_.CurrentCreditMemo() : numbers_.CurrentAdjustmentSlip();
}

QString CreditMemoSeries::claim(const QString& idNum, const QString& claimedBy) {
    return kind_ == Kind::CreditMemo ? numbers_.ClaimCreditMemo(idNum, claimedBy)
                                     : numbers_.ClaimAdjustmentSlip(idNum, claimedBy);
}

ProposedChargeSlipSeries::ProposedChargeSlipSeries(Connection& con, NumberSeries& fallback,
                                                   std::function<QString()> proposed)
    : con_(con), fallback_(fallback), proposed_(std::move(proposed)) {}

QString ProposedChargeSlipSeries::current() { return fallback_.current(); }

QString ProposedChargeSlipSeries::claim(const QString& idNum, const QString& claimedBy) {
    const QString number = Trim(proposed_());
    if (!number.isEmpty() && !ChargeSlipExists(con_, gSiteCode, number) &&
        hospitaldb::reserveDocumentNumber(con_, kChargeSlipClaimKind, number, idNum, claimedBy))
        return number;
    return fallback_.claim(idNum, claimedBy);
}

std::unique_ptr<NumberSeries> ChargeSlipSeriesFor(Connection& con, DrugCatalog::ChargeslipNumbers& numbers,
                                                  const QString& patientKey) {
    if (gSiteCode == kSiteQVH)
        return std::make_unique<TerminalChargeSlipSeries>(con, gEmployeeCode);
    if (GetPharmaSwitch(con, QStringLiteral("22")))
        return std::make_unique<DrugChargeSlipSeries>(numbers, patientKey);
    return std::make_unique<DrugChargeSlipSeries>(numbers);
}

QString ClaimNumber(Connection& con, NumberSeries& series, const QString& idNum, const QString& claimedBy) {
    Transaction tx(con);
    const QString number = series.claim(idNum, claimedBy);
    tx.commit();
    return number;
}

} // namespace qx
