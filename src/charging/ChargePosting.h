#pragma once
#include "components/DrugCatalog.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace qx {

class Connection;
class NumberSeries;

// The save every charging screen shares: its checks run first, then one transaction claims the
// slip number, posts the lines to the stock card, runs the screen's follow-up statements and
// writes the user log; nothing of it stays when any step fails.

// ---- Checks ----

// Why a save may not go on, as the user is told: the message box and the control that gets the
// focus afterwards.
struct SaveRefusal {
    QString text;
    int style = 0;  // buttons and icon of the message box
    QString title;  // empty: the application's
    QWidget* focus = nullptr;
};

// One check of a save; nullopt when it passes.
using SaveCheck = std::function<std::optional<SaveRefusal>()>;

// Runs the checks in order; the first refusal is shown and given its focus. True when all pass.
bool RunSaveChecks(const std::vector<SaveCheck>& checks);

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
