#pragma once
#include <QString>

namespace qx {

class Connection;
namespace DrugCatalog {
class Drug;
}

// Stages a posted charge slip again from what was posted, for its print or a reprint.
struct PostedSlipRestage {
    QString idNum;       // the patient the slip was posted to
    QString slipNumber;
    QString key;         // the staging key; empty: the user of the slip's first posted line
    bool toDump = false;  // the preview ("dump") rows, else the charge-slip rows
};

// Reads the slip's posted lines back (Pharma_GetChargePrint), clears what the key staged for the
// patient and slip, and stages every line whose item the drug component still finds, described as
// the slips print it. Runs on the caller's transaction. Answers the key used; empty, with nothing
// cleared, when the slip has no posted line.
QString RestagePostedChargeSlip(Connection& con, DrugCatalog::Drug& drug, const PostedSlipRestage& restage);

// What a staged charge line prints for the item just found: the name and description at site QVH
// or for a drug without a generic name, else the generic name, the description and the name in
// brackets.
QString StagedChargeDescription(const DrugCatalog::Drug& drug);

} // namespace qx
