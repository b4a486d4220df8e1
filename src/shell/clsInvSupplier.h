#pragma once
#include <QString>

namespace qx {

class Connection;

// A supplier of tbInvSupplier, read only.
class clsInvSupplier {
public:
    QString SupplierID;
    QString SupplierName;
    // Loads the supplier; when not found every member keeps its value. Errors are raised again
    // under "prjQuillax.clsInvSupplier.Init".
    void Init(Connection& con, const QString& supplierId);
};

} // namespace qx
