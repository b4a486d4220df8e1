#include "suite/DrugCatalogGeneric.h"

namespace qx::suite {

bool DrugCatalogGeneric::Search(double genericId) {
    Recordset rs = c_("Generic.Search").query(QStringLiteral("SELECT GenericName FROM tbForGeneric WHERE TRIM(GenericID) = ?"),
                            {idText(genericId)});
    if (rs.isEmpty()) {
        name_.clear();
        return false;
    }
    name_ = rs.text(QStringLiteral("GenericName"));
    return true;
}

} // namespace qx::suite
