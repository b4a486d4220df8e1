#pragma once
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace qx {

class Connection;
class FlexGrid;
namespace DrugCatalog {
class Drug;
}

// The steps every charging screen's item entry shares: turning what was typed on the code column
// into a found item, committing a quantity against the stock, and the price change of a line. The
// screens keep their own messages and what they write into their grids.

// ---- Item code ----

// SearchDrug of the code at the location; under inventory switch 89 the patient is passed too.
bool SearchItemAt(Connection& con, DrugCatalog::Drug& drug, const QString& code,
                  const std::optional<QString>& location, const QString& patientKey);

// Kelvar-mode hospitals: the stock-location chooser; its choice becomes the run-wide dispensing
// location, which is answered.
QString ChooseDispensingLocation(QWidget* parent);

struct ItemCodeRequest {
    QString typed;             // the editor's text
    // A scanned barcode of an item stands for the item's code.
    bool acceptBarcode = true;
    const FlexGrid* grid = nullptr;
    int codeCol = 1;           // duplicates are looked for in this column, other rows than the current
    int firstRow = 1;
    QWidget* parent = nullptr;  // of the location chooser
    // Kelvar-mode hospitals: the location chooser first; its choice becomes the dispensing location.
    bool chooseLocation = false;
    // The picker for a text that is not a code; answers the chosen code, "" when cancelled.
    std::function<QString(const QString& text)> pick;
    // The picker answers generic ids: a code is turned into the first item of its generic.
    bool byGeneric = false;
    std::optional<QString> location;  // where the item is searched
    QString patientKey;               // given to the search under inventory switch 89
};

enum class ItemCodeResult {
    Found,      // the drug component holds the item
    Empty,      // nothing to look up (an empty text, a cancelled picker)
    Duplicate,  // another line already carries the code
    NotFound,
};

struct ItemCodeOutcome {
    ItemCodeResult result = ItemCodeResult::Empty;
    QString code;  // what the editor holds afterwards: the resolved code, the picker's answer
};

// Barcode, location chooser, picker for non-numeric text, duplicate test, generic conversion and
// the search, in this order.
ItemCodeOutcome ResolveItemCode(Connection& con, DrugCatalog::Drug& drug, const ItemCodeRequest& request);

// ---- Quantity ----

struct QuantityCommitRequest {
    QWidget* parent = nullptr;  // of the prompts
    QString typed;
    double stockOnHand = 0;
    bool checkStock = true;
    // A quantity above this is refused (request screens under inventory switch 110: no more
    // than was requested).
    std::optional<double> requestedLimit;
    // Only whole quantities are taken ("Invalid quantity because of the decimal." otherwise).
    bool wholeOnly = true;
    // A whole quantity above what a prescription has left for refill asks whether to go on; No
    // stops the commit (the outcome tells it, so that the editor can show "0").
    std::optional<double> refillLeft;
    // A quantity of 0 or less is refused ("Quantity is invalid.").
    bool refuseNonPositive = true;
    // The typed text counts by its leading number ("12 TABS" is 12), not only when it is numeric.
    bool leadingNumber = false;
    // A quantity above the stock is refused with this message instead of the over-stock prompt.
    bool refuseOverStock = false;
    QString overStockRefusal;
    QString overStockRefusalTitle;  // empty: ShowInfo's
    // Choice "2" of the over-stock prompt: finds a substitute and refills the line; true when the
    // cell is still to be committed.
    std::function<bool()> findSubstitute;
    // Choice "2" ends the entry once the substitute was looked for: nothing is committed and no
    // further question is asked.
    bool substituteEndsEntry = false;
    // Ask before a large entry (above 100, or above 5000 in amount): the line's description and
    // unit price, read after any substitution.
    bool askLargeQuantity = false;
    // The large-entry question comes whatever the over-stock prompt was answered; its No still
    // keeps the editor open.
    bool askLargeAfterAnyAnswer = false;
    std::function<QString()> description;
    std::function<double()> unitPrice;
};

enum class QuantityVerdict {
    Invalid,      // not a whole number above 0: told, nothing changes
    Refused,      // above the stock where that is refused: told, nothing changes
    Commit,       // the quantity is to be written
    Uncommitted,  // a prompt's answer keeps the editor open
};

struct QuantityCommitOutcome {
    QuantityVerdict verdict = QuantityVerdict::Invalid;
    double quantity = 0;
    bool overStockAsked = false;
    QString logChoice;  // the over-stock prompt's choice text, "" when it was not shown
    bool refillDeclined = false;  // the refill question was answered No
};

// Checks a typed quantity: above 0, within the requested limit, whole, within the refill balance
// (a question), within the stock (or the over-stock prompt: proceed, substitute, cancel), then the
// large-quantity question unless the entry was cancelled.
QuantityCommitOutcome CommitQuantity(const QuantityCommitRequest& request);

// ---- Price change ----

struct LinePrice {
    QString description;
    qint16 quantity = 0;
    double itemPrice = 0;     // the current price the dialog shows
    double newItemPrice = 0;  // the proposed price in its box
    double totalAmount = 0;
};

// The change-price dialog on a line: answers the unit price and amount it leaves (those given,
// when it was closed without a new price).
LinePrice AskPriceChange(QWidget* parent, const LinePrice& line);

} // namespace qx
