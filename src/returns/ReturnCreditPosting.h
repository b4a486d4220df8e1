#pragma once
#include "charging/Numbering.h"
#include "components/DrugCatalog.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace qx {

class Connection;

// The one save of every screen that takes medicines back: credit memos (returns) and adjustment
// slips (corrections) of the return screens, and the credit memos of the returns that nursing
// stations request. One transaction claims the number, checks every line against what is left
// of its issue, posts one credit line per item through the drug component, stages the memo's
// print rows under the workstation and runs the screen's statements; nothing of it stays when any
// step fails. A posted line is never changed: a return or correction only adds credit lines.

// One item credited back.
struct CreditLine {
    int row = 0;    // the screen's row, answered back when posted
    QString name;   // how a refusal names the line, e.g. "Line 2 (PARA500)"
    // The stock-card values in the drug component's positions: patient (2), item (3), charge slip
    // of the issue (5), quantity (6), the kind of credit (24) and the workstation (28) at least.
    // Position 25, the number, is filled in by the save.
    DrugCatalog::StockCardArgs args;

    QString patientId() const;
    QString itemCode() const;    // trimmed
    QString chargeSlip() const;  // trimmed
    double quantity() const;
};

// Where the number of a save comes from.
enum class CreditNumberPolicy {
    NextFree,           // the first free number of the series' counter
    RequestNumberFirst, // the request's own number while it is free, else the next free one
};

struct CreditMemoSave {
    CreditMemoSeries::Kind kind = CreditMemoSeries::Kind::CreditMemo;
    QString idNum;       // the patient the number is claimed for
    QString claimedBy;   // the employee
    QString stagingKey;  // the workstation: the memo's print rows are cleared and staged under it
    CreditNumberPolicy numberPolicy = CreditNumberPolicy::NextFree;
    QString requestNumber;  // with RequestNumberFirst
    QString shownNumber;    // answered when no line is posted
    // Every line's item must be found at this location, else the save stops naming the line;
    // none: not looked up.
    std::optional<QString> itemLocation;
    // No line may credit more than its issue's net quantity (issued less what was credited since),
    // read inside the transaction; else the save stops naming the line.
    bool withinNetIssued = true;
    std::vector<CreditLine> lines;

    // Statements of the save that run first, whether or not a line is posted (same transaction).
    std::function<void(Connection&)> beforePosting;
    // After the lines are on the stock card, once per line in order (same transaction).
    std::function<void(Connection&, const QString& number, const CreditLine&)> afterLine;
    // Last, whether or not a line was posted; `number` is empty when none was (same transaction).
    std::function<void(Connection&, const QString& number)> afterPosting;
};

struct CreditMemoPosted {
    QString number;         // the number posted under; the shown number when nothing was posted
    std::vector<int> rows;  // the rows posted
    bool posted() const { return !rows.empty(); }
};

// Posts the save in one transaction: the number is claimed only when there is a line to post.
// A line refused inside the transaction raises SaveRefused; other errors are raised as they come;
// both after everything is rolled back.
CreditMemoPosted PostCreditMemo(Connection& con, DrugCatalog::Drug& drug, const CreditMemoSave& save);

// PostCreditMemo for a screen: a refused line is told as a check's refusal, a failure as
// "nothing was saved"; either answers nothing and the screen keeps its lines.
std::optional<CreditMemoPosted> PostCreditMemoOrTell(Connection& con, DrugCatalog::Drug& drug,
                                                     const CreditMemoSave& save);

// What is left to credit of the item issued to the patient under the charge slip: the issued
// quantity less every return and correction made against that slip since. On PostgreSQL inside a
// transaction the slip's issue lines of the item stay locked until it ends, so that two saves
// cannot both credit the same remainder.
double NetIssuedQuantity(Connection& con, const QString& patientId, const QString& chargeSlip, const QString& itemCode);

// Writes the reason of a return, as typed, onto the memo's stock-card lines and staged print rows.
void SetCreditMemoRemarks(Connection& con, const QString& number, const QString& remarks);

// The number series of a save: the request's own number first (reserved when no stock-card line
// and no other save holds it; the counter still moves on once), else the drug component's next
// free credit memo or adjustment slip.
class RequestCreditMemoSeries : public NumberSeries {
public:
    RequestCreditMemoSeries(Connection& con, DrugCatalog::ChargeslipNumbers& numbers, CreditMemoSeries::Kind kind,
                            QString requestNumber);
    QString current() override;
    QString claim(const QString& idNum, const QString& claimedBy) override;

private:
    Connection& con_;
    DrugCatalog::ChargeslipNumbers& numbers_;
    CreditMemoSeries fallback_;
    CreditMemoSeries::Kind kind_;
    QString requestNumber_;
};

} // namespace qx
