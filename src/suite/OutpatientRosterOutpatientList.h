#pragma once
#include "components/OutpatientRoster.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// Out-patient and emergency visits, newest first.
class OutpatientRosterOutpatientList : public OutpatientRoster::OutpatientList, private ConnectedComponent {
public:
    explicit OutpatientRosterOutpatientList(ConnectionProvider provider);
    bool InitConnection(const QString& connectionString) override { return bindConnection(connectionString); }
    QString ShowList(const QString& text = QString()) override;
};

} // namespace qx::suite
