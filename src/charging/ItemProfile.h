#pragma once
#include "components/Recordset.h"

#include <QString>
#include <functional>

namespace qx {

class FlexGrid;
namespace DrugCatalog {
class Drug;
}

// The "Previous Orders" grid below a charging screen's item grid: the patient's earlier
// transactions of the item on the current line, as the drug component lists them. The screen
// owns one profile for as long as it lives; each load replaces the recordset of the last.
class ItemProfile {
public:
    // The manual-posting screen's profile enables its grid only when there is something to show;
    // the request screens' leaves the grid's enabled state alone and knows generic requests; the
    // unit-dose screen's gives the remark column double width and ends the rows its own way.
    enum class Variant { ManualPosting, Request, UnitDose };

    // The request line the profile is for, as the request screens mark it.
    struct RequestLine {
        bool genericRequest = false;  // "*" in the generic-request column: the code is the generic's id
        QString remarks;
        QString dosage;
    };

    static const QString kItemLayout;
    static const QString kGenericLayout;
    // A served request line: remarks "--Issued---" with dosage "XXX" ends its profile with this row.
    static const QString kDiscontinued;

    ItemProfile(FlexGrid* grid, Variant variant) : grid_(grid), variant_(variant) {}

    // Fills the grid for the patient's transactions of the item (of the generic's products for a
    // generic request line). An empty profile shows the header and one empty row.
    void load(DrugCatalog::Drug& drug, const QString& patientKey, const QString& itemCode, const RequestLine& line);
    void load(DrugCatalog::Drug& drug, const QString& patientKey, const QString& itemCode);
    // Drops the recordset (the screen's unload).
    void close() { rs_ = Recordset(); }
    const Recordset& recordset() const { return rs_; }

    // Run after the grid is bound to a profile with rows, before it is shown: rows a screen ends
    // the profile with.
    std::function<void(FlexGrid&)> addTrailingRows;

private:
    void layOut(bool generic);

    FlexGrid* grid_;
    Variant variant_;
    Recordset rs_;
};

} // namespace qx
