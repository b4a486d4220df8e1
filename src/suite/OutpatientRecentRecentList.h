#pragma once
#include "components/OutpatientRecent.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// Recent out-patient visits, and registered patients who have no visit yet.
class OutpatientRecentRecentList : public OutpatientRecent::RecentList, private ConnectedComponent {
public:
    explicit OutpatientRecentRecentList(ConnectionProvider provider);
    bool InitConnection(const QString& connectionString) override { return bindConnection(connectionString); }
    QString ShowList(const QString& text = QString()) override;
    bool MasterOrRegistered() const override { return master_; }

private:
    bool master_ = false;
};

} // namespace qx::suite
