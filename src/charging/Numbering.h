#pragma once
#include <QString>
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
    virtual QString current() = 0;
    virtual void advance() = 0;
    virtual bool isUsed(const QString& number) = 0;
    // 'CS' charge slip, 'CM' credit memo, 'AS' adjustment slip.
    virtual QString kind() const = 0;
};

// The employee's own counter (site QVH). A claim gives an employee without a counter one.
class TerminalChargeSlipSeries : public NumberSeries {
public:
    TerminalChargeSlipSeries(Connection& con, QString employeeCode, QString siteCode);
    QString current() override;
    void advance() override;
    bool isUsed(const QString& number) override;
    QString kind() const override { return QStringLiteral("CS"); }

private:
    Connection& con_;
    QString employeeCode_, siteCode_;
};

// The drug component's charge slips, per patient when `patientKey` is given (pharmacy switch 22).
class DrugChargeSlipSeries : public NumberSeries {
public:
    DrugChargeSlipSeries(Connection& con, DrugCatalog::ChargeslipNumbers& numbers, QString siteCode,
                         std::optional<QString> patientKey = std::nullopt);
    QString current() override;
    void advance() override;
    bool isUsed(const QString& number) override;
    QString kind() const override { return QStringLiteral("CS"); }

private:
    Connection& con_;
    DrugCatalog::ChargeslipNumbers& numbers_;
    QString siteCode_;
    std::optional<QString> patientKey_;
};

// The drug component's credit memos (returns) or adjustment slips (corrections).
class CreditMemoSeries : public NumberSeries {
public:
    enum class Kind { CreditMemo, AdjustmentSlip };
    CreditMemoSeries(Connection& con, DrugCatalog::ChargeslipNumbers& numbers, Kind kind);
    QString current() override;
    void advance() override;
    bool isUsed(const QString& number) override;
    QString kind() const override;

private:
    Connection& con_;
    DrugCatalog::ChargeslipNumbers& numbers_;
    Kind kind_;
};

// Most numbers a claim tries before it gives up.
constexpr int kMaxClaimTries = 1000;

// Claims a free number for a save of patient `idNum`, inside the save's transaction: reads the
// current number and, while it is used, moves on and reads again; the number found is recorded
// as this save's, so that no other save can post under it. After the first line is posted the
// caller moves the series on once more (`series.advance()`). Gives up with an error after
// kMaxClaimTries numbers.
QString ClaimNumber(Connection& con, NumberSeries& series, const QString& idNum, const QString& claimedBy);

} // namespace qx
