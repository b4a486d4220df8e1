#pragma once
#include "components/AccountFirms.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

class AccountFirmsFirmList : public AccountFirms::FirmList, private ConnectedComponent {
public:
    explicit AccountFirmsFirmList(ConnectionProvider provider);
    bool InitConnection(const QString& connectionString) override { return bindConnection(connectionString); }
    QString ShowList(const QString& text = QString(), const std::optional<QString>& kind = std::nullopt) override;
};

} // namespace qx::suite
