#pragma once
#include "components/InpatientRoster.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// Admitted patients; mode 2 also lists discharged confinements.
class InpatientRosterInpatientList : public InpatientRoster::InpatientList, private ConnectedComponent {
public:
    explicit InpatientRosterInpatientList(ConnectionProvider provider);
    bool InitConnection(const QString& connectionString) override { return bindConnection(connectionString); }
    QString ShowList(const QString& text = QString(), const std::optional<int>& mode = std::nullopt) override;
};

} // namespace qx::suite
