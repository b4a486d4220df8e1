#pragma once
#include <QString>
#include <optional>

namespace qx {

class Connection;

// The cash numbers of the one counter row of billing.tbAssessmentNum (id 1). Each claim runs on
// the caller's save transaction with the row locked, tests the number against the table where a
// posted one stands and against tbInvDocumentClaim, records it there as this save's and leaves
// the counter just past it: two workstations never save under one number.
struct BillingNumberSeries {
    QString counterColumn;   // column of billing.tbAssessmentNum
    QString prefix;          // "PH", "SU", ...
    int width = 6;           // digits at least
    QString claimKind;       // kind in tbInvDocumentClaim
    QString postedTable;     // where a posted number stands, e.g. billing.tbCashAssessment
    QString postedColumn;    // its number column
    // What a counter of 0 (not started) gives: one past the largest numeric tail of the posted
    // numbers, the number 1, or 0 itself.
    enum class Zero { PastLargestTail, One, AsIs } zero = Zero::PastLargestTail;
};

// "PH" + six digits from `assessmentnum`; a counter of 0 starts one past the largest numeric
// tail of the assessment references (1 on an empty system).
const BillingNumberSeries& AssessmentNumberSeries();
// "PH" + eight digits from `PreNumberAssessment`.
const BillingNumberSeries& PreNumberedAssessmentSeries();

// Cash credit advises: "PH" + the plain digits of `CMAdviseNum` (PH1 from 0).
const BillingNumberSeries& CreditAdviseNumberSeries();
// Cash credit memos: "CM" + the plain digits of `CMNumber` (CM0 from 0).
const BillingNumberSeries& CashCreditMemoNumberSeries();

// Surcharges: "SU" + the plain digits of `assessmentnum`, the assessments' own counter (SU1 from 0).
const BillingNumberSeries& SurchargeNumberSeries();

// Claims the first free number at or after the counter (see above). Throws AppError when the row
// is missing or no number is free.
QString ClaimBillingNumber(Connection& con, const BillingNumberSeries& series, const QString& idNum,
                           const QString& claimedBy);

// The counter's value, nullopt without the row.
std::optional<qint64> BillingCounterValue(Connection& con, const QString& counterColumn);

// The pre-printed number typed on the screen ("PH" + digits), inside the save: false when it is
// posted or held by another save already; else it is recorded as this save's and the counter
// moves on to one past it (never back).
bool ClaimTypedPreNumber(Connection& con, const QString& number, const QString& idNum, const QString& claimedBy);

// The cashier's "SI" invoice number of a stand-alone sale, inside the save: false when a
// stock-card line or another save holds it; else it is recorded as this save's.
bool ClaimSalesInvoiceNumber(Connection& con, const QString& number, const QString& idNum, const QString& claimedBy);

// Whether an assessment line of the pharmacy stands under the number (trimmed).
bool AssessmentSlipExists(Connection& con, const QString& number);

} // namespace qx
