// Procedures of the cash assessment's pricing and discount lists.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// The mark-ups of an item's customer groups; no row for an item outside the groups.
const ProcedureRegistration cashGetMarkUpProcedure{{
    QStringLiteral("Pharma_GetMarkUp"),
    {text("@ItemID", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT CASH, Employee, SeniorCitizenIn, SeniorCitizenOut, VAT "
                                      "FROM tbPharmaMarkUpGroup WHERE UPPER(TRIM(ItemID)) = UPPER(TRIM(?))"),
                       {a.text(QStringLiteral("ITEMID"))});
    },
}};

// The discount classes the pharmacy offers under "Others", written as the combo shows them.
const ProcedureRegistration cashLoadDiscountProcedure{{
    QStringLiteral("Pharma_LoadDiscount"),
    {},
    [](Connection& c, ProcArgs&) -> std::optional<Recordset> {
        return c.query(QStringLiteral(
            "SELECT RevenueID || '-' || COALESCE(ItemName, '') AS Revenue FROM build_file.tbCoRevenueCode "
            "WHERE LGRP = 'D' AND PHActive = 'Y' AND RecordStatus = 'A' ORDER BY ItemName"));
    },
}};

} // namespace
} // namespace qx::hospitaldb
