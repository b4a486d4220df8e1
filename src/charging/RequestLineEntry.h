#pragma once
#include <QString>
#include <optional>

class QWidget;

namespace qx {

class ChargeGrid;
class Connection;
class FlexGrid;
struct ItemCodeOutcome;
struct RequestGridColumns;

namespace DrugCatalog {
class Drug;
}

// What the request screens share when a line is edited: the names of an item written into the
// line, and the amount of a committed issued quantity.

// Whether a resolved code may go on the line: a code already on another line and an inactive
// item are told and refused; a code not found is refused without a word.
bool AcceptRequestItem(const ItemCodeOutcome& outcome, const DrugCatalog::Drug& drug);

// The item's generic name, brand, supplier, formulary mark and unit of measure.
void WriteRequestItemNames(Connection& con, FlexGrid& grid, int row, const QString& itemCode,
                           const RequestGridColumns& columns);

// The amount of a request line once its issued quantity is committed, each later rule replacing
// the earlier: quantity × unit price ("######.00"); × the fixed charge when the item has one
// ("#####0.00"); the HMO price (inventory switch 104, an HMO patient) and the VA price (switch
// 103, a VA patient) ("######0.00"); an MDRP item at its unit price ("######.00").
struct RequestCommitPricing {
    QString itemCode;    // trimmed
    QString patientKey;  // the admission or visit, trimmed
    double quantity = 0;
    double unitPrice = 0;    // the line's unit price as shown
    double fixedCharge = 0;  // the line's fixed charge as shown
    // The out-patient screen: the base amount from its out-patient selling price, and the fixed
    // charge after the HMO and VA prices.
    std::optional<double> basePrice;
    bool fixedChargeAfterSpecialPrices = false;
};
QString RequestCommitAmount(Connection& con, const RequestCommitPricing& line);

// The dosage column's look-up: the typed dosage, else the dosage picker's choice. A found
// dosage's id is committed into the cell, and its frequency fills the requested quantity only
// when the line has none (a refill balance stays); otherwise the editor stays open.
void TakeRequestDosage(ChargeGrid& chargeGrid, int row, int requestedCol);

// The price-change dialog over one line, where its quantity, unit price and amount are numbers
// (a cancelled "XXX" line has none): the amount and the price taken come back "#######0.00".
struct LinePriceColumns {
    int description = 3, issued = 10, unitPrice = 14, priceTaken = 25, amount = 12;
};
void ChangeLinePrice(QWidget* parent, FlexGrid& grid, int row, const LinePriceColumns& columns);

} // namespace qx
