#pragma once
#include "components/DrugCatalog.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QLineEdit;
class QWidget;

namespace qx {

class Connection;
class FlexGrid;
class NumberSeries;

// The save every charging screen shares: its checks run first, then one transaction claims the
// slip number, posts the lines to the stock card, runs the screen's follow-up statements and
// writes the user log; nothing of it stays when any step fails.

// ---- Checks ----

// Why a save may not go on, as the user is told: the message box and the control that gets the
// focus afterwards.
struct SaveRefusal {
    QString text;   // empty: the check has asked the user already, nothing more is shown
    int style = 0;  // buttons and icon of the message box
    QString title;  // empty: the application's
    QWidget* focus = nullptr;
};

// One check of a save; nullopt when it passes.
using SaveCheck = std::function<std::optional<SaveRefusal>()>;

// Runs the checks in order; the first refusal is shown and given its focus. True when all pass.
bool RunSaveChecks(const std::vector<SaveCheck>& checks);

// Raised by a save's own statements inside its transaction when a line may not be posted after
// all: the save rolls back and the refusal is told as a check's would be.
struct SaveRefused {
    SaveRefusal refusal;
};

// Runs a save for a screen: a SaveRefused is told as its refusal, any other failure as "nothing
// was saved". False when the save failed; the screen then keeps its lines.
bool RunSaveOrTell(const std::function<void()>& save);

// ---- The save ----

// One line to post: its stock-card values (the slip number is filled in by the save) and what the
// follow-up statements need of it.
struct PostingLine {
    int row = 0;
    DrugCatalog::StockCardArgs args;
    QString itemCode;    // as the line shows it
    QString quantity;    // texts of the line, for the over-stock log
    QString stockOnHand;
    QString overStockChoice;  // "" when no over-stock prompt was answered
};

struct ChargeSlipSave {
    NumberSeries* series = nullptr;
    DrugCatalog::Drug* drug = nullptr;
    QString idNum;      // the patient the number is claimed for
    QString claimedBy;  // the employee
    QString shownNumber;  // the number of a save that posts no line
    int slipPosition = 5;  // where the slip number goes in the stock-card values
    // The workstation's staged slip rows of the claimed number are cleared under this key before
    // the lines stage theirs; empty: nothing is cleared.
    QString stagingKey;
    std::vector<PostingLine> lines;
    // Statements that belong to the save whether or not it posts a line (same transaction, first).
    std::function<void(Connection&)> beforePosting;
    // Posts the lines under the claimed number in place of the drug component (whose values are
    // then not read).
    std::function<void(Connection&, const QString& slipNumber, const std::vector<PostingLine>&)> postLines;
    // Follow-up statements after the lines are on the stock card (same transaction).
    std::function<void(Connection&, const QString& slipNumber, const std::vector<PostingLine>&)> afterPosting;
    // The user-log line of the save, given the slip number; none when empty.
    std::function<QString(const QString& slipNumber)> userLog;
};

struct ChargeSlipPosted {
    QString slipNumber;
    std::vector<int> rows;  // the rows posted, to be marked
};

// Posts the save in one transaction: the number is claimed only when there is a line to post.
// Errors are raised after everything is rolled back.
ChargeSlipPosted PostChargeSlip(Connection& con, const ChargeSlipSave& save);

// Posts the slips of one save (its passes) in one transaction, each under its own claimed number,
// then runs `atEnd` on that transaction with what was posted. Nothing of it stays when any step
// fails; the error is raised after the rollback.
std::vector<ChargeSlipPosted> PostChargeSlips(
    Connection& con, const std::vector<ChargeSlipSave>& passes,
    const std::function<void(Connection&, const std::vector<ChargeSlipPosted>&)>& atEnd = {});
// PostChargeSlips for a screen, telling a failure as PostChargeSlipOrTell does.
std::optional<std::vector<ChargeSlipPosted>> PostChargeSlipsOrTell(
    Connection& con, const std::vector<ChargeSlipSave>& passes,
    const std::function<void(Connection&, const std::vector<ChargeSlipPosted>&)>& atEnd = {});

// PostChargeSlip for a screen: a failure is told ("nothing was saved") and answers nothing; the
// screen keeps its lines.
std::optional<ChargeSlipPosted> PostChargeSlipOrTell(Connection& con, const ChargeSlipSave& save);
// Prints the slip of a committed save; a failure is told and the lines stay posted.
void PrintPostedSlipOrTell(const QString& slipNumber, const std::function<void()>& print);

// ---- The manual posting screens ----

// What the checks of a manual posting screen's save read of the screen.
struct ManualPostingGrid {
    const FlexGrid* grid = nullptr;
    int codeCol = 1;
    int dosageCol = 5;
    int quantityCol = 6;
    int stockCol = 7;
    int amountCol = 8;
    int overStockChoiceCol = 14;
    int postedCol = 16;  // -1: the screen marks no line posted
    std::function<bool(int row)> canSaveRow;
    QLineEdit* doctorBox = nullptr;  // the doctor code the S2 check reads; focused by its refusal
    QString doctorName;              // as the S2 refusal names the doctor
    QString patientKey;              // given to the item search under inventory switch 89
};

// The checks in their order: zero entries, the supervisor (validation on), the doctor's S2
// licence (switch 93), some complete line; then every unposted line with a code must be complete
// and its item still found at the location, or the line is named. `verifyId` receives the
// supervisor who approved.
struct ManualPostingCheckOptions {
    bool supervisorValidation = true;  // the supervisor of hospitals that validate every save
    bool dangerousDrugLicence = true;  // the doctor's S2 licence under switch 93
};
std::vector<SaveCheck> ManualPostingChecks(Connection& con, DrugCatalog::Drug& drug, const ManualPostingGrid& screen,
                                           QString& verifyId, const ManualPostingCheckOptions& options = {});
// The supervisor's authorisation of a save under IsHasValidation; `verifyId` receives who approved.
// A refusal says "Invalid Password." under `title`.
SaveCheck SupervisorCheck(QString& verifyId, const QString& title = QStringLiteral("MESSAGE"));
// A line with a code whose quantity or amount is 0 or empty: the "WARNING" refusal. Lines whose
// amount reads `skippedAmountMark` (trimmed; none when empty) are left out.
SaveCheck ZeroEntriesCheck(const ManualPostingGrid& screen, const QString& skippedAmountMark = QString());
// Every line the save would post (`posts`) must still find its item (`found`); the first that
// does not is named: "Line n (code) is no longer found at this location.  Please check."
SaveCheck LinesStillFoundCheck(const ManualPostingGrid& screen, const std::function<bool(int row)>& posts,
                               const std::function<bool(int row)>& found);
// The rows a save posts: complete, with a code and without the posted mark.
std::vector<int> UnpostedCompleteRows(const ManualPostingGrid& screen);
// The line of a row with the stock-card values both manual screens give alike: item (3), date
// (4), quantity (6), nothing received (7), amount (8), employee (9), dosage (10), location (12),
// no target (13), shift (15), dispenser 0 (26) and workstation (28); `valueCount` values in all.
PostingLine ManualPostingLine(const ManualPostingGrid& screen, int row, const QString& transDate, int valueCount);
// The follow-up statements of a manual posting: the supervisor's id on the slip's lines (on every
// save when `verifierAlways`, else only when there is one), the direct-transaction flag at site
// JAWKC and the over-stock choices.
std::function<void(Connection&, const QString&, const std::vector<PostingLine>&)>
ManualPostingFollowUp(const QString& verifyId, bool verifierAlways, bool direct);

// ---- Follow-up statements of the manual posting screens ----

// Writes the supervisor's id into the slip's lines of the items.
void SetStockCardVerifier(Connection& con, const QString& slipNumber, const QStringList& itemCodes,
                          const QString& verifyId);
// Marks the slip's lines of the items as direct transactions or not.
void SetStockCardDirectTransaction(Connection& con, const QString& slipNumber, const QStringList& itemCodes,
                                   bool direct);
// Logs the over-stock choice of every line that carries one.
void LogOverStockChoices(Connection& con, const std::vector<PostingLine>& lines, const QString& employeeCode);

} // namespace qx
