// Procedures that answer item questions: an item's antibiotic class, the names of the classes the
// colour legend shows, and whether an item's barcode is carried by another item too.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

const ProcedureRegistration antibioticClass{{
    QStringLiteral("Pharma_GetAntiBioticClass"),
    {{QStringLiteral("@ItemID"), ParamType::Text}},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT AntibioticClassID FROM tbInvMaster WHERE ItemID = ?"),
                       {a.text(QStringLiteral("ITEMID")).trimmed()});
    }}};

// One row for a known item: Duplicate 1 when another item carries the same barcode. An unknown
// item gives no row, which the caller takes as a duplicate (nothing safe to print).
const ProcedureRegistration duplicateBarcode{{
    QStringLiteral("sp_Pharma_DuplicateBarcode"),
    {{QStringLiteral("@ItemID"), ParamType::Text}, {QStringLiteral("@ItemText"), ParamType::Text}},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT CASE WHEN EXISTS (SELECT 1 FROM tbInvMaster o WHERE o.Barcode = m.Barcode "
                                      "AND o.ItemID <> m.ItemID) THEN 1 ELSE 0 END AS Duplicate "
                                      "FROM tbInvMaster m WHERE m.ItemID = ?"),
                       {a.text(QStringLiteral("ITEMID")).trimmed()});
    }}};


// One row naming the antibiotic classes behind the grid's font colours: RED (class 1, shown as
// pink), BLUE (2), GREEN (3) and ORANGE (4); a class not on file is Null. No row when no class is.
const ProcedureRegistration colorCoding{{
    QStringLiteral("Pharma_GetColorCoding"),
    {},
    [](Connection& c, ProcArgs&) -> std::optional<Recordset> {
        return c.query(QStringLiteral(
            "SELECT (SELECT AntibioticClass FROM tbInvAntibioticClass WHERE AntibioticClassID = '1') AS RED, "
            "(SELECT AntibioticClass FROM tbInvAntibioticClass WHERE AntibioticClassID = '2') AS BLUE, "
            "(SELECT AntibioticClass FROM tbInvAntibioticClass WHERE AntibioticClassID = '3') AS GREEN, "
            "(SELECT AntibioticClass FROM tbInvAntibioticClass WHERE AntibioticClassID = '4') AS ORANGE "
            "WHERE EXISTS (SELECT 1 FROM tbInvAntibioticClass)"));
    }}};

// The item's Medicare type; no row for an unknown item.
const ProcedureRegistration isMedicareItem{{
    QStringLiteral("Pharma_IsMedicareItem"),
    {{QStringLiteral("@ItemID"), ParamType::Text}},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT MedicareType FROM tbInvMaster WHERE ItemID = ?"),
                       {a.text(QStringLiteral("ITEMID")).trimmed()});
    }}};

} // namespace
} // namespace qx::hospitaldb
