#pragma once
#include "platform/Colors.h"

#include <QString>

namespace qx {

class Connection;
namespace DrugCatalog {
struct InventRecord;
}

// What prices one request line of an out-patient or emergency visit.
struct OutPatientRequestLine {
    QString itemCode;
    QString visitId;           // trimmed
    double quantity = 0;       // the requested quantity
    bool outPriceAccount = false;  // the visit's company account is charged out-patient prices
    double fixedCharge = 0;    // the item's fixed charge, 0 when none
    // A line changed to a scanned item: an account not charged out-patient prices pays the
    // in-patient selling price once the mark-up group and the FLQC company rate are passed.
    bool changedByScan = false;
};

struct OutPatientRequestPrice {
    QString unitPrice;  // column 14
    QString amount;     // column 12
    bool mdrp = false;  // the MDRP price applies: the code cell is painted pink
};

// The out-patient request screens' unit-price rule: out-price accounts from the out-patient
// selling price (rate A with the out-patient mark-up in mark-up-group hospitals, rate B for a
// company at FLQC), other accounts likewise with the in-patient mark-up and, at OXBEN for
// company class "I", the in-patient selling price. The amount follows the fixed charge when
// there is one; then the E.R. and HMO price at FENT, the HMO (switch 104), VA (switch 103) and
// MDRP prices replace price and amount, each later one the earlier.
// The rule's unit price alone, before the fixed charge and the special prices.
QString OutPatientBaseUnitPrice(Connection& con, const DrugCatalog::InventRecord& invent,
                                const OutPatientRequestLine& line);

OutPatientRequestPrice ComputeUnitPrice(Connection& con, const DrugCatalog::InventRecord& invent,
                                        const OutPatientRequestLine& line);

} // namespace qx
