#pragma once
#include "charging/RequestRowTests.h"

#include <QString>
#include <array>
#include <functional>

class QDialog;
class QLabel;
class QLineEdit;

namespace qx {

class FlexGrid;
struct ChargeSlipHeader;

// What the serving code of a nursing-request screen reads and writes of the screen: the in-patient
// and the out-patient screen each describe themselves once, and both buttons run the same steps.
struct RequestServingScreen {
    QString module;  // the screen's name in the error log
    QDialog* window = nullptr;
    FlexGrid* grid = nullptr;
    QLineEdit* doctorCode = nullptr;
    std::array<QLabel*, 11> banner{};  // lblPatInfo
    RequestRowColumns rowColumns;
    int description = 3, stock = 11, remarks = 13, requestNumber = 15, requestingNurse = 17;
    int overStockChoice = 27;
    int posted = 29;
    int requestedCode = 21;  // -1: the line posts "0" in its place
    // The Stock column is refreshed from the drug component before the stock refusals.
    bool refreshStock = true;

    // What the lines are posted under.
    QString hospNum, idNum;
    QString room;
    QString targetLocation;
    QString inOut;
    QString slipReport;        // the report file of the printed slip
    bool accountOnSlip = false;  // the slip's "POSTEDDATE" carries the account name (banner 8)

    std::function<void(bool)> setCancelledForm;
};

class RequestScreenWindow;

// The description's parts every request screen gives alike (its window, list, doctor's box,
// banner and CancelledForm), with the usual columns; the screen then sets where it differs.
RequestServingScreen DescribeRequestServing(RequestScreenWindow& screen, const QString& module);

// ---- Validation (RequestValidation.cpp) ----

// Every check of a request screen's save, in order; the first refusal is told. True when the
// lines may be saved; `verifyId` then holds the supervisor who approved (hospitals that validate
// every save), else it is left empty.
bool ValidateRequestServing(const RequestServingScreen& screen, QString& verifyId);
// The first row (from 1) whose saveable, not cancelled line names a drug set inactive; 0 when none.
int InactiveRequestDrugs(const RequestServingScreen& screen);
// Writes every line's stock on hand at the dispensing location into its Stock cell (0 for an item
// no longer found); blank lines stay blank.
void RecomputeItemStock(const RequestServingScreen& screen);

// ---- Saving (RequestSave.cpp) ----

struct RequestSaveResult {
    bool saved = false;  // false: told, nothing was written
    QString slipNumber;  // the number posted under, or the one shown when no line was posted
    int postedLines = 0;
};

// Settles the grid in one transaction: cancelled lines' requests revoked, delayed lines left
// pending, served lines posted under one claimed charge slip with their requests, the over-stock
// choices logged and the supervisor recorded; with `stage`, the slip's lines staged under the
// workstation for its print; the user-log line `logText(number)` with them. Posted lines are
// marked and the number shown only after the commit.
RequestSaveResult SaveServedRequests(const RequestServingScreen& screen, const QString& verifyId, bool stage,
                                     const std::function<QString(const QString& slipNumber)>& logText);

// ---- The two buttons and the slip (RequestServingButtons.cpp) ----

// "&Print / Save" (print) or "&Save": validation, the save, the slip's print, the message, then
// the screen closes with CancelledForm False. A refused or failed save keeps the screen open.
void ServeRequests(const RequestServingScreen& screen, bool print);
// The slip's header values as the request screens print them.
ChargeSlipHeader RequestSlipHeader(const RequestServingScreen& screen, const QString& slipNumber);
// Builds the slip of the number and prints it: preview under pharmacy switch 16, the copies.
void PrintRequestChargeSlip(const RequestServingScreen& screen, const QString& slipNumber);

// "Print &Drug Profile": the patient's medication profile (report code 16) in the report window,
// with the patient values of the screen's banner, given its label of an index.
void ShowDrugProfile(const std::function<QLabel*(int index)>& banner);

} // namespace qx
