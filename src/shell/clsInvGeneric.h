#pragma once
#include <QString>

namespace qx {

class Connection;

// A generic name of tbForGeneric, read only.
class clsInvGeneric {
public:
    QString GenericID;
    QString GenericName;
    // Loads the generic; when not found every member keeps its value. Errors are raised again
    // under "prjQuillax.clsInvGeneric.Init".
    void Init(Connection& con, const QString& genericId);
};

} // namespace qx
