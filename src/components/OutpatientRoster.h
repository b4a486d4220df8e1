#pragma once
#include <QString>

namespace qx::OutpatientRoster {

class OutpatientList {
public:
    virtual ~OutpatientList() = default;
    virtual bool InitConnection(const QString& connectionString) = 0;
    // The chosen visit id, "" when cancelled.
    virtual QString ShowList(const QString& text = QString()) = 0;
};

} // namespace qx::OutpatientRoster
