#pragma once
#include "charging/ChargePosting.h"
#include "charging/RequestRowTests.h"

#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace qx {

class Connection;
class FlexGrid;
namespace DrugCatalog {
class Drug;
}

// The checks the saves of the request-style screens (nursing requests, take-home prescriptions)
// share; each screen lists them in its own order with its own texts where they differ.

// What those checks read of the screen's grid.
struct RequestCheckGrid {
    const FlexGrid* grid = nullptr;
    RequestRowColumns rowColumns;
    int description = 3;
    int stock = 11;
};

// An empty doctor code: "pls add requesting doctor..", the doctor box focused.
SaveCheck RequestingDoctorCheck(QLineEdit* doctorCode);
// Pharmacy switch 9: a line whose Stock is a number below its issued quantity refuses the save.
SaveCheck WholeListStockCheck(Connection& con, const RequestCheckGrid& screen);
// A line whose amount (not "XXX") is above `limit` asks once whether to go on; No stops the
// save. The question names the limit as "(P)" and "0.00".
SaveCheck LargeAmountCheck(const RequestCheckGrid& screen, double limit, const QString& title);
// Under AllowZeroOnHand the first line with a code and an amount (not "XXX") whose stock is 0
// or less, or below its issued quantity, refuses the save naming its description.
SaveCheck StockOnHandRefusalCheck(const RequestCheckGrid& screen);
// A line with a code and an amount (not "XXX") whose quantity or amount is 0 or empty.
SaveCheck RequestZeroEntriesCheck(const RequestCheckGrid& screen);

// The first row (from 1) whose saveable, not cancelled line names a drug the drug component
// reports inactive; `search` finds the line's drug (trimmed code) as the screen searches it.
// 0 when there is none.
int FirstInactiveDrugRow(const FlexGrid& grid, const RequestRowColumns& columns, bool checkBarcode,
                         DrugCatalog::Drug& drug, const std::function<bool(const QString& code)>& search);
// "Drug in line n was set to inactive." with the advice line, for the row `firstInactive`
// answers (0: none), the number after two blanks with `leadingBlank`; `refused` runs before the
// message.
SaveCheck InactiveDrugCheck(const std::function<int()>& firstInactive, bool leadingBlank, QWidget* focus = nullptr,
                            const std::function<void()>& refused = {});

} // namespace qx
