#include "shell/clsInvMaster.h"

#include "components/Connection.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"

namespace qx {
namespace {
const QString kClsInvMasterModule = QStringLiteral("clsInvMaster");
}

void clsInvMaster::Init(Connection& con, const QString& itemCode) {
    generalProcedure(kClsInvMasterModule, QStringLiteral("Init"), [&] {
        con_ = &con;
        Recordset rs = con.query(QStringLiteral("SELECT ItemID, ItemName, ItemDesc, PNF, SupplierID, GenericID "
                                                "FROM tbInvMaster WHERE ItemID = ?"),
                                 {itemCode});
        if (rs.isEmpty())
            return;
        ItemID = rs.text(QStringLiteral("ItemID"));
        ItemName = rs.text(QStringLiteral("ItemName"));
        ItemDesc = rs.text(QStringLiteral("ItemDesc"));
        if (!rs.isNull(QStringLiteral("PNF")))
            IsPNF = CBool(rs.value(QStringLiteral("PNF")));
        supplierId_ = rs.text(QStringLiteral("SupplierID"));
        genericId_ = rs.text(QStringLiteral("GenericID"));
    });
}

clsInvGeneric& clsInvMaster::Generic() {
    return generalProcedure(kClsInvMasterModule, QStringLiteral("Generic"), [&]() -> clsInvGeneric& {
        // A fresh record for another generic, so that an item without one (or with one not on
        // file) never shows the previous item's name.
        if (!generic_)
            generic_ = std::make_unique<clsInvGeneric>();
        if (generic_->GenericID != genericId_) {
            *generic_ = clsInvGeneric();
            if (!genericId_.isEmpty() && con_)
                generic_->Init(*con_, genericId_);
        }
        return *generic_;
    });
}

clsInvSupplier& clsInvMaster::Supplier() {
    return generalProcedure(kClsInvMasterModule, QStringLiteral("Supplier"), [&]() -> clsInvSupplier& {
        if (!supplier_)
            supplier_ = std::make_unique<clsInvSupplier>();
        if (supplier_->SupplierID != supplierId_) {
            *supplier_ = clsInvSupplier();
            if (!supplierId_.isEmpty() && con_)
                supplier_->Init(*con_, supplierId_);
        }
        return *supplier_;
    });
}

} // namespace qx
