#pragma once
#include <QString>
#include <optional>

namespace qx::InpatientRoster {

class InpatientList {
public:
    virtual ~InpatientList() = default;
    virtual bool InitConnection(const QString& connectionString) = 0;
    // The chosen admission number, "" when cancelled. Mode 2 also lists earlier confinements.
    virtual QString ShowList(const QString& text = QString(), const std::optional<int>& mode = std::nullopt) = 0;
};

} // namespace qx::InpatientRoster
