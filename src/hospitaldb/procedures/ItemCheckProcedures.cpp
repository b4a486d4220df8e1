// Procedures that answer item questions: an item's antibiotic class and whether its barcode is
// carried by another item too.
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

} // namespace
} // namespace qx::hospitaldb
