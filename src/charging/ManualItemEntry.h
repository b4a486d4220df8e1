#pragma once
#include "charging/ItemEntry.h"

#include <QString>
#include <functional>
#include <set>
#include <vector>

class QCloseEvent;
class QDialog;
class QLineEdit;

namespace qx {

class ChargeGrid;
class FlexGrid;
namespace DrugPicker {
class DrugList;
}

// The drug component and the item picker of the session; error 91 when there are none.
DrugCatalog::Drug& CurrentDrug();
DrugPicker::DrugList& CurrentDrugPicker();

// The item-entry glue of the manual charge-entry screens: the look-up on the current cell, the
// code and dosage columns, the editor's commit, the quantity check with its over-stock substitute
// and the price change's gate. A screen gives its grid, columns and messages, and fills and prices
// its own lines through the hooks.
struct ManualItemEntryConfig {
    QWidget* window = nullptr;  // parent of the prompts
    ChargeGrid* chargeGrid = nullptr;
    QLineEdit* patientBox = nullptr;  // the patient the lines are charged to
    QString noPatientText;            // told when a code is looked up before there is a patient; empty: no test
    struct Columns {
        int code = 1, description = 2, dosage = 5, quantity = 6, stock = 7, amount = 8, unitPrice = 10,
            overStockChoice = 14;
    } cols;
    // Columns the commit writes as typed (the quantity through its check); other columns look up.
    std::set<int> typedCols;
    // The quantity cell is written by quantityTaken, not with the typed text.
    bool quantityWrittenByScreen = false;
    // Cells made bold in the antibiotic class's colour once the dosage is taken.
    std::vector<int> antibioticColorCols;
    // The item picker also lists supplies and controlled items.
    bool pickDrugsOrCsr = false;
    // Only whole quantities are taken.
    bool wholeQuantities = true;
    // A quantity counts by its leading number ("1.2.3" is 1.2).
    bool leadingNumberQuantities = false;
    // A quantity above the stock is refused (with AllowZeroOnHand) only at site QVH; elsewhere
    // the over-stock prompt asks.
    bool overStockRefusedOnlyAtQVH = false;
    // The large-quantity question comes whatever the over-stock prompt was answered.
    bool askLargeAfterAnyAnswer = false;
    // The over-stock prompt's substitute ends the entry: the line holds the substitute (or what it
    // held) and its quantity is typed again, with no further prompt.
    bool substituteEndsEntry = false;

    // Run before every look-up (a location the screen switches to, say).
    std::function<void()> beforeLookUp;
    // The code was found (the drug component holds the item, the editor its code): the screen's
    // checks and the filling of the line; true commits the editor.
    std::function<bool(int row)> itemFound;
    // A quantity passed its check: the screen writes or prices it.
    std::function<void(int row, double quantity)> quantityTaken;
    // The dosage's frequency went through the quantity check: committed or not.
    std::function<void(int row, const QString& frequency, bool committed)> dosageQuantity;
    // The over-stock substitute: told that the picked code is not found; the found item (in the
    // drug component) to be put on the line.
    std::function<void()> substituteNotFound;
    std::function<void(int row)> substituteFound;
    // Run on the found substitute before it is put on the line; false refuses it (told there).
    std::function<bool(int row)> substituteAcceptable;
};

class ManualItemEntry {
public:
    explicit ManualItemEntry(ManualItemEntryConfig config);

    // The "..." button, and a commit on a column that is not typed: the code or dosage look-up,
    // then the editor commits or stays open.
    void lookUp();
    // The editor's commit (Enter, double click).
    void commit();
    // Checks a typed quantity of the line (prompts included); on Commit quantityTaken has run.
    // `logChoice` receives the over-stock prompt's choice text.
    QuantityVerdict commitQuantity(int row, const QString& typed, QString& logChoice);
    // The price change may open on the current cell (switch rule of site JAWKC included).
    bool priceChangeOpen(int row) const;
    // Asks the change of the line's price; the amount and unit price written back.
    LinePrice changePrice(int row, const LinePrice& line);

private:
    bool lookUpCode(int row);
    bool takeDosage(int row);
    bool findSubstitute(int row);
    FlexGrid& grid() const;

    ManualItemEntryConfig config_;
};

// The closing question of a charge-entry window with unsaved lines: false (the event ignored)
// when the user stays; otherwise `onClose` runs and the dialog is done.
bool CloseChargeEntryWindow(QDialog& window, QCloseEvent* event, const QString& module,
                            const std::function<bool()>& unsaved, const std::function<void()>& onClose);

} // namespace qx
