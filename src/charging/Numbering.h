#pragma once
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace qx {

class Connection;
namespace DrugCatalog {
class ChargeslipNumbers;
}

// ---- The per-employee charge-slip counter of site QVH ----

// The employee's current slip number, "C" + the counter as at least six digits + "M" (a Null
// counter reads as 1); "0" when the employee has no counter. Inside a save's transaction the
// counter stays locked until the save ends.
QString GetTerminalChargeSlipNo(Connection& con, const QString& employeeCode);
// Moves the employee's counter on (an employee without one gets one).
void AdvanceTerminalChargeSlipNo(Connection& con, const QString& employeeCode);
// The bare counter as at least six digits; "000001" when the employee has none.
QString GetTerminalChargeSlipCounter(Connection& con, const QString& employeeCode);

// ---- Used-number tests ----

// Whether a charge slip is used: at site QVH as the validating procedure answers, elsewhere when
// a stock-card line carries it. The number is trimmed.
bool ChargeSlipExists(Connection& con, const QString& siteCode, const QString& number);
// Whether a stock-card line carries the credit-memo or adjustment-slip number (trimmed).
bool CreditMemoExists(Connection& con, const QString& number);

// ---- The claim rule of a saving screen ----

// A series of document numbers as a save claims from them.
class NumberSeries {
public:
    virtual ~NumberSeries() = default;
    // The number a slip label shows before the save: a preview only, the claim looks again.
    virtual QString current() = 0;
    // See ClaimNumber.
    virtual QString claim(const QString& idNum, const QString& claimedBy) = 0;
};

// The employee's own counter (site QVH). A claim gives an employee without a counter one.
class TerminalChargeSlipSeries : public NumberSeries {
public:
    TerminalChargeSlipSeries(Connection& con, QString employeeCode);
    QString current() override;
    QString claim(const QString& idNum, const QString& claimedBy) override;

private:
    Connection& con_;
    QString employeeCode_;
};

// The drug component's charge slips, per patient when `patientKey` is given (pharmacy switch 22).
class DrugChargeSlipSeries : public NumberSeries {
public:
    explicit DrugChargeSlipSeries(DrugCatalog::ChargeslipNumbers& numbers, std::optional<QString> patientKey = std::nullopt);
    QString current() override;
    QString claim(const QString& idNum, const QString& claimedBy) override;

private:
    DrugCatalog::ChargeslipNumbers& numbers_;
    std::optional<QString> patientKey_;
};

// The drug component's credit memos (returns) or adjustment slips (corrections).
class CreditMemoSeries : public NumberSeries {
public:
    enum class Kind { CreditMemo, AdjustmentSlip };
    CreditMemoSeries(DrugCatalog::ChargeslipNumbers& numbers, Kind kind);
    QString current() override;
    QString claim(const QString& idNum, const QString& claimedBy) override;

private:
    DrugCatalog::ChargeslipNumbers& numbers_;
    Kind kind_;
};

// Charge slips that take the number the patient's records propose (`proposed`, asked at each
// claim) when it is free, on no stock-card line and held by no other save; otherwise, and for an
// empty proposal, the next free number of `fallback`. The counter moves only for the latter.
class ProposedChargeSlipSeries : public NumberSeries {
public:
    ProposedChargeSlipSeries(Connection& con, NumberSeries& fallback, std::function<QString()> proposed);
    QString current() override;
    QString claim(const QString& idNum, const QString& claimedBy) override;

private:
    Connection& con_;
    NumberSeries& fallback_;
    std::function<QString()> proposed_;
};

// The charge-slip series of a save for the patient: the employee's own counter at site QVH, else
// the drug component's, kept per patient under pharmacy switch 22.
std::unique_ptr<NumberSeries> ChargeSlipSeriesFor(Connection& con, DrugCatalog::ChargeslipNumbers& numbers,
                                                  const QString& patientKey);

// Claims a number for a save of patient `idNum`, inside the save's transaction: the smallest
// number at or after the series' counter that no stock-card line carries and no other save holds.
// It is recorded as this save's, so that no other save can post under it, and the counter is left
// just past it, so the caller moves nothing after the first line. Found, moved and recorded in two
// statements; a counter set low or reset costs no more. Throws AppError when no number is free.
QString ClaimNumber(Connection& con, NumberSeries& series, const QString& idNum, const QString& claimedBy);

} // namespace qx
