#include "charging/CashAssessmentNumbers.h"

#include "components/AppError.h"
#include "components/Connection.h"
#include "hospitaldb/DocumentCounter.h"

namespace qx {

namespace {

const QString kAssessmentNumTable = QStringLiteral("billing.tbAssessmentNum");
const QString kAssessmentClaimKind = QStringLiteral("PA");
const QString kSalesInvoiceClaimKind = QStringLiteral("SI");
const QString kCreditAdviseClaimKind = QStringLiteral("CA");
const QString kCashCreditMemoClaimKind = QStringLiteral("CC");
const QString kSurchargeClaimKind = QStringLiteral("SU");
constexpr int kMaxBillingClaimTries = 1000;

hospitaldb::CounterRow billingCounterRow(const QString& column) {
    return {kAssessmentNumTable, column, {QStringLiteral("id")}, {1}, 0};
}

QString billingNumber(const BillingNumberSeries& s, qint64 n) {
    return s.prefix + QStringLiteral("%1").arg(n, s.width, 10, QLatin1Char('0'));
}

bool postedUnder(Connection& con, const BillingNumberSeries& s, const QString& number) {
    return !con.query(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? LIMIT 1").arg(s.postedTable, s.postedColumn), {number})
                .isEmpty();
}

// One past the largest reference tail (after its first two characters) made of digits only.
qint64 nextAfterLargestTail(Connection& con, const BillingNumberSeries& s) {
    const Recordset rs = con.query(QStringLiteral("SELECT DISTINCT %1 FROM %2 WHERE %1 IS NOT NULL").arg(s.postedColumn, s.postedTable));
    qint64 largest = 0;
    for (int r = 0; r < rs.recordCount(); ++r) {
        const QString tail = rs.valueAt(r, 0).toString().trimmed().mid(2);
        bool digits = !tail.isEmpty() && tail.size() <= 18;
        for (QChar ch : tail)
            digits = digits && ch.isDigit() && ch.unicode() < 128;
        if (digits)
            largest = std::max(largest, tail.toLongLong());
    }
    return largest + 1;
}

void setBillingCounter(Connection& con, const QString& column, qint64 value) {
    con.execute(QStringLiteral("UPDATE %1 SET %2 = ? WHERE id = 1").arg(kAssessmentNumTable, column), {value});
}

[[noreturn]] void noNumber(const QString& why) {
    throw AppError(kDbErrorNumber, QStringLiteral("CashAssessmentNumbers"), why);
}

} // namespace

const BillingNumberSeries& AssessmentNumberSeries() {
    static const BillingNumberSeries s{QStringLiteral("assessmentnum"), QStringLiteral("PH"), 6, kAssessmentClaimKind,
                                       QStringLiteral("billing.tbCashAssessment"), QStringLiteral("RefNum")};
    return s;
}

const BillingNumberSeries& PreNumberedAssessmentSeries() {
    static const BillingNumberSeries s{QStringLiteral("PreNumberAssessment"), QStringLiteral("PH"), 8, kAssessmentClaimKind,
                                       QStringLiteral("billing.tbCashAssessment"), QStringLiteral("RefNum")};
    return s;
}

const BillingNumberSeries& CreditAdviseNumberSeries() {
    static const BillingNumberSeries s{QStringLiteral("CMAdviseNum"), QStringLiteral("PH"), 0, kCreditAdviseClaimKind,
                                       QStringLiteral("billing.tbCashCreditAdvise"), QStringLiteral("AdviseNo"),
                                       BillingNumberSeries::Zero::One};
    return s;
}

const BillingNumberSeries& CashCreditMemoNumberSeries() {
    static const BillingNumberSeries s{QStringLiteral("CMNumber"), QStringLiteral("CM"), 0, kCashCreditMemoClaimKind,
                                       QStringLiteral("tbInvStockCard"), QStringLiteral("CreditMemoNum"),
                                       BillingNumberSeries::Zero::AsIs};
    return s;
}

const BillingNumberSeries& SurchargeNumberSeries() {
    static const BillingNumberSeries s{QStringLiteral("assessmentnum"), QStringLiteral("SU"), 0, kSurchargeClaimKind,
                                       QStringLiteral("billing.tbCashAssessment"), QStringLiteral("RefNum"),
                                       BillingNumberSeries::Zero::One};
    return s;
}

std::optional<qint64> BillingCounterValue(Connection& con, const QString& counterColumn) {
    return hospitaldb::readCounter(con, billingCounterRow(counterColumn));
}

QString ClaimBillingNumber(Connection& con, const BillingNumberSeries& s, const QString& idNum, const QString& claimedBy) {
    Transaction tx(con);
    std::optional<qint64> counter = BillingCounterValue(con, s.counterColumn);
    if (!counter)
        noNumber(QStringLiteral("The number counter of the cash assessments is missing."));
    qint64 n = *counter;
    if (n <= 0 && s.zero == BillingNumberSeries::Zero::PastLargestTail)
        n = nextAfterLargestTail(con, s);
    else if (n <= 0 && s.zero == BillingNumberSeries::Zero::One)
        n = 1;
    else if (n < 0)
        n = 0;
    for (int tries = 0; tries < kMaxBillingClaimTries; ++tries, ++n) {
        const QString number = billingNumber(s, n);
        if (postedUnder(con, s, number) || !hospitaldb::reserveDocumentNumber(con, s.claimKind, number, idNum, claimedBy))
            continue;
        setBillingCounter(con, s.counterColumn, n + 1);
        tx.commit();
        return number;
    }
    noNumber(QStringLiteral("No free number was found. Please check the number counter."));
}

bool ClaimTypedPreNumber(Connection& con, const QString& typed, const QString& idNum, const QString& claimedBy) {
    const BillingNumberSeries& s = PreNumberedAssessmentSeries();
    const QString number = typed.trimmed();
    const QString digits = number.mid(s.prefix.size());
    bool numeric = number.startsWith(s.prefix) && !digits.isEmpty() && digits.size() <= 18;
    for (QChar ch : digits)
        numeric = numeric && ch.isDigit() && ch.unicode() < 128;
    if (!numeric)
        noNumber(QStringLiteral("Cash slip number is not valid. Pls Check!"));
    Transaction tx(con);
    const std::optional<qint64> counter = BillingCounterValue(con, s.counterColumn);
    if (postedUnder(con, s, number) || !hospitaldb::reserveDocumentNumber(con, s.claimKind, number, idNum, claimedBy))
        return false;
    const qint64 next = digits.toLongLong() + 1;
    if (counter && next > *counter)
        setBillingCounter(con, s.counterColumn, next);
    tx.commit();
    return true;
}

bool ClaimSalesInvoiceNumber(Connection& con, const QString& number, const QString& idNum, const QString& claimedBy) {
    const QString trimmed = number.trimmed();
    Transaction tx(con);
    if (!con.query(QStringLiteral("SELECT 1 FROM tbInvStockCard WHERE RefNum = ? LIMIT 1"), {trimmed}).isEmpty() ||
        !hospitaldb::reserveDocumentNumber(con, kSalesInvoiceClaimKind, trimmed, idNum, claimedBy))
        return false;
    tx.commit();
    return true;
}

bool AssessmentSlipExists(Connection& con, const QString& number) {
    return !con.query(QStringLiteral("SELECT 1 FROM billing.tbCashAssessment WHERE RefNum = ? AND RevenueID = 'PH' LIMIT 1"),
                      {number.trimmed()})
                .isEmpty();
}

} // namespace qx
