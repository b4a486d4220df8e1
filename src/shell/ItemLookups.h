#pragma once
#include <QString>

namespace qx {

class Connection;
class FlexGrid;

// Small questions about an item, a doctor or a room. A Null read gives empty text.

// The item's brand name; "" when unknown.
QString GetBrandName(Connection& con, const QString& itemCode);
// "name - description" ("name - " without a description); "" when unknown.
QString GetItemNameDesc(Connection& con, const QString& itemCode);
// The item's unit of measure, "0" when it has none; "" when the item is unknown.
QString GetUnitOfMeasure(Connection& con, const QString& itemCode);
// The item carrying the barcode; the barcode itself when none does; "" for "" without a query.
QString GetItemIDByBarcode(Connection& con, const QString& barcode);
// The first item of the generic; the generic id itself when none; "" for "" without a query.
QString GetItemIDByGeneric(Connection& con, const QString& genericId);
// The colour (decimal colour value) that marks the item's antibiotic class 1 to 5; "" otherwise.
QString GetAntibioticClassColor(Connection& con, const QString& itemCode);
// The antibiotic class colour for a class id, as above.
QString AntibioticClassColor(const QString& classId);
// A SELECT of the dangerous-drug items at the main pharmacy, items under the alias b, with its
// WHERE clause open: callers append " AND b.ItemID = ?" or a name condition (bound) and
// " ORDER BY b.ItemName". Columns: item code, name, description, stock on hand.
QString GetPDEAFilterSQL();
// Sets `isDangerous` when the item's classification names it a dangerous drug; else leaves it.
void IsDangerousDrug(Connection& con, const QString& itemCode, bool& isDangerous);
// Sets `hasValidS2` when the doctor holds an S2 licence number expiring after the server's now;
// else leaves it.
void DoctorHasValidS2(Connection& con, const QString& doctorId, bool& hasValidS2);
// False when a line of the grid (every row with an item code in `itemCol`) holds a dangerous
// drug and the doctor has no valid S2 licence; the doctor is asked at most once.
bool CheckDangerousDrugLicense(Connection& con, const QString& doctorId, const FlexGrid& grid, int itemCol);
// The class of the room: "A" for "OP" (without a query) and for an unknown room. An error shows the
// "Application Error" box and ends the program.
QString GetRoomClassID(Connection& con, const QString& roomId);

} // namespace qx
