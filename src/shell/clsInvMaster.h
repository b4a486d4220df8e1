#pragma once
#include "shell/clsInvGeneric.h"
#include "shell/clsInvSupplier.h"

#include <QString>
#include <memory>

namespace qx {

class Connection;

// An item of the item master, read only. Its generic name and supplier records are created and
// loaded on first use, and loaded again only when the item's generic or supplier changes.
// Errors are raised again under "prjQuillax.clsInvMaster.<member>".
class clsInvMaster {
public:
    QString ItemID;
    bool IsPNF = false;
    QString ItemName;
    QString ItemDesc;

    // The item's generic record; empty without a query when the item has no generic id.
    clsInvGeneric& Generic();
    // The item's supplier record; empty without a query when the item has no supplier id.
    clsInvSupplier& Supplier();
    // Loads the item on `con`, kept for the generic and supplier loads. When not found every
    // member keeps its value; a Null PNF keeps IsPNF.
    void Init(Connection& con, const QString& itemCode);

private:
    Connection* con_ = nullptr;
    QString supplierId_;
    QString genericId_;
    std::unique_ptr<clsInvGeneric> generic_;
    std::unique_ptr<clsInvSupplier> supplier_;
};

} // namespace qx
