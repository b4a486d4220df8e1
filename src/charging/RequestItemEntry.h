#pragma once
#include "charging/RequestLineLoader.h"

#include <QString>

class QWidget;

namespace qx {

class ChargeGrid;
class Connection;
class FlexGrid;
namespace DrugCatalog {
class Drug;
}

// Item entry on a request line's code column, shared by the request screens: the text typed or
// scanned is made a code, looked up, and the found item's prices finish the line.

struct PickedItemCode {
    QString text;            // what the editor holds afterwards
    bool named = false;      // a picker chose it from a name or a generic: no item code was typed
    bool cancelled = false;  // a generic request's picker gave nothing
};

// Kelvar-mode hospitals choose the dispensing location first. A name goes through the drug
// picker; a number on a generic request through the picker of that generic's items (of the
// generics, where the picker lists by generic). The editor shows the outcome.
PickedItemCode PickRequestItemCode(ChargeGrid& chargeGrid, QWidget* parent, int row, int genericMarkCol);

enum class RequestItemLookUp {
    Taken,     // the drug component holds the item to fill the line with
    Refused,   // told: a code another line carries already, or an inactive item
    NotFound,  // nothing to take, without a word
};

// Looks the code up for the line, refusing with its message a code another line carries already
// and an inactive item. A scan names an item by its barcode too and is never a generic id.
RequestItemLookUp LookUpRequestItem(Connection& con, DrugCatalog::Drug& drug, const FlexGrid& grid, int codeCol,
                                    const QString& code, bool scanned, const QString& patientKey);

// What a screen's price rule gave the line of the item found.
struct RequestLineFill {
    int row = 0;
    QString itemCode;
    QString patientKey;  // the admission or visit, trimmed
    double quantity = 0;
    QString unitPrice;   // the rule's unit price as written
    QString amount;      // the amount before the special prices
    QString barcode;
};

// The rest of the fill: the HMO, VA and MDRP prices replace the unit price and the amount (the
// code cell pink for MDRP), the amount written with any senior discount mark cleared, a generic
// request's marks dropped, the item's barcode kept for the scan.
void FinishRequestLineFill(Connection& con, FlexGrid& grid, const RequestGridColumns& columns,
                           const RequestLineFill& fill, const RequestGridPictures& pictures);

} // namespace qx
