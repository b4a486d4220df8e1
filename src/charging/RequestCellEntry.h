#pragma once
#include "charging/RequestLineLoader.h"

#include <QPixmap>
#include <QString>
#include <functional>

class QLabel;
class QWidget;

namespace qx {

class ChargeGrid;

// What the cell editor of a request screen takes into a line, shared by the in-patient and the
// out-patient screen: Enter commits the issued quantity on its column (with the stock and
// large-order prompts and the over-stock prompt's substitute) and hands every other column to the
// "..." action, which takes the item on the code column (the barcode walk while scanning) and the
// dosage on its column. Each screen configures it with its columns, its price rule and the
// differences below; it builds one whenever needed, its controls being rebuilt at every load.
struct RequestCellEntry {
    // The in-patient grid's columns by default.
    struct Columns {
        int code = 1, description = 3, dosage = 8, requested = 9, issued = 10, stock = 11, amount = 12,
            unitPrice = 14, genericMark = 22, priceOut = 24, logChoice = 27, fixedCharge = 28, barcode = 30,
            scanFlag = 31;
    };

    QWidget* parent = nullptr;  // of the prompts
    ChargeGrid* chargeGrid = nullptr;
    Columns columns;
    QString patientKey;  // the admission or visit, trimmed
    RequestGridPictures pictures;
    int* scanRow = nullptr;  // the line the barcode check waits on
    QLabel* total = nullptr;
    std::function<QString()> totalCharges;
    // "&Cancel Request" of a refused scan: true when the user confirmed the cancellation.
    std::function<bool()> cancelLine;
    // The screen's price rule over a line the drug component's current item now describes (code,
    // names and stock written): a look-up or a scan's change prices it whole, amount included...
    std::function<void(int row, bool changedByScan)> priceItemLine;
    // ...a substitute taken at the over-stock prompt only its price columns.
    std::function<void(int row)> priceSubstitute;

    // ---- Where the screens differ ----
    // The picture of a scanned line settled by cancelling its request; the check picture when none.
    QPixmap cancelledScan;
    // A scan's "Ch&ange Request" takes only a code scanned or typed as such, never a picker's answer.
    bool changeOnlyTypedCodes = false;
    // A substitute not found is told ("Drug code not found!"), and a refused one still meets the
    // large-order question before the commit stops.
    bool outPatientSubstitute = false;
    // The over-stock prompt's Cancel writes nothing, its log text included.
    bool overStockCancelWritesNothing = false;
    // The committed amount's base is the out-patient price and its fixed charge comes after the HMO
    // and VA prices.
    bool outPatientAmount = false;

    // Enter or a double click in the editor.
    void commit() const;
    // The "..." action.
    void lookUp() const;

private:
    void commitIssuedQuantity(int row, const QString& typed) const;
    // The over-stock prompt's "Find Substitute Drug": false when nothing was taken.
    bool findSubstitute(int row) const;
    void enterItemCode(int row) const;
    void scanItemCode(int row) const;
    // The found item's code, description, names and stock written into the line.
    void describeLine(int row) const;
};

} // namespace qx
