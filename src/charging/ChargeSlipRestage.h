#pragma once
#include "charging/PrintStaging.h"

#include <QString>
#include <functional>
#include <optional>

namespace qx {

class Connection;
class Recordset;
namespace DrugCatalog {
class Drug;
}

// What a slip's first posted line tells its header.
struct PostedSlipFirstLine {
    QString userId;
    QString dispenserName;
    QString encoder;
    QString transDate;
};

// Stages a posted charge slip again from what was posted, for its print or a reprint.
struct PostedSlipRestage {
    QString idNum;       // the patient the slip was posted to
    QString slipNumber;
    QString key;         // the staging key; empty: the user of the slip's first posted line
    bool toDump = false;  // the preview ("dump") rows, else the charge-slip rows
    // The reprints of the posted lists: the item looked up by its code alone, the line's dosage
    // staged, and described by `describe` when given.
    bool byCodeOnly = false;
    bool withDosage = false;
    bool withPrices = false;  // the line's unit price, discount and discount type staged too
    std::function<QString(const DrugCatalog::Drug&)> describe;
    // A line whose item the drug component no longer finds is staged with the item master's
    // description (ItemMasterChargeDescription) instead of being left off.
    bool keepUnfoundLines = false;
    // The read-back procedure; Pharma_GetChargePrint_New also gives the slip's discount line.
    QString procedure = QStringLiteral("Pharma_GetChargePrint");
    // A line whose item the drug component lacks (a discount's revenue code) is staged under this
    // description when given, ahead of keepUnfoundLines.
    std::function<QString(const QString& itemId)> describeMissing;
    // Staged in every line's dosage field unless withDosage (the employee slip shows the account there).
    QString dosage;
};

// Reads the slip's posted lines back (`procedure`), clears what the key staged for the
// patient and slip, and stages every line whose item the drug component still finds, described as
// the slips print it. Runs on the caller's transaction. Answers the key used; empty, with nothing
// cleared, when the slip has no posted line.
QString RestagePostedChargeSlip(Connection& con, DrugCatalog::Drug& drug, const PostedSlipRestage& restage,
                                PostedSlipFirstLine* firstLine = nullptr);

// RestagePostedChargeSlip for a reprint, in a transaction of its own: the slip is staged whole or
// not at all. False when the slip has no posted line.
bool StagePostedSlipForReprint(Connection& con, DrugCatalog::Drug& drug, const PostedSlipRestage& restage,
                               PostedSlipFirstLine* firstLine = nullptr);

// A posted credit memo or adjustment slip staged again for its reprint.
struct PostedMemoRestage {
    QString idNum;
    QString memoNumber;
    QString key;  // the staging key (the workstation)
    // The description a line's item prints; nothing leaves the line off the reprint.
    std::function<std::optional<QString>(const QString& itemCode)> describe;
};

// Reads the memo's posted lines back (Pharma_GetCMPrint), clears exactly what the key staged for
// the patient and memo, and stages every described line: quantity made positive, amount as
// posted, the charge slip it came from. Runs on the caller's transaction. False, with nothing
// cleared, when the memo has no posted line.
bool RestagePostedCreditMemo(Connection& con, const PostedMemoRestage& restage, PostedSlipFirstLine* firstLine = nullptr);

// RestagePostedCreditMemo for a reprint, in a transaction of its own: the memo is staged whole or
// not at all. False when the memo has no posted line.
bool StagePostedMemoForReprint(Connection& con, const PostedMemoRestage& restage,
                               PostedSlipFirstLine* firstLine = nullptr);

// A memo line's description from the item master: the generic name, the description and the name
// in brackets, or the name and the description for an item without a generic name; the code
// itself for a code the master lacks.
QString ItemMasterMemoDescription(Connection& con, const QString& itemCode);

// The line form of the out-patient list's reprints: the generic name, the description and the
// name in brackets when the drug has a generic name (blanks count as one), else the name and the
// description.
QString GenericFirstDescription(const DrugCatalog::Drug& drug);

// StagedChargeDescription from the item master, for an item the drug component no longer finds;
// the code itself for a code the master lacks.
QString ItemMasterChargeDescription(Connection& con, const QString& itemCode);

// The charge-slip line form of the in-patient list's reprint: the drug name, the description in
// brackets and the generic name, or the name and the description without a generic name.
QString BracketedDescriptionCharge(const DrugCatalog::Drug& drug);

// What a staged charge line prints for the item just found: the name and description at site QVH
// or for a drug without a generic name, else the generic name, the description and the name in
// brackets.
QString StagedChargeDescription(const DrugCatalog::Drug& drug);

// The lines of a cash assessment as its reprints read them back (Pharma_GetCashReprint): the
// assessing user, the doctor and each item line.
Recordset ReadCashAssessmentLines(Connection& con, const QString& refNum);

// The current line of that read as its assessment slip stages it: under `key`, the patient
// "CASH" and the reference. `withLineFacts` carries the line's discount rate, VAT split and MDRP
// mark too; without, they stage as a line without them.
ChargePrintLine CashAssessmentPrintLine(const Recordset& rs, const QString& refNum, const QString& key,
                                        bool withLineFacts);

} // namespace qx
