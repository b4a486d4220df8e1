#pragma once
#include "components/DispenserRoll.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

class DispenserRollDispenserList : public DispenserRoll::DispenserList, private ConnectedComponent {
public:
    explicit DispenserRollDispenserList(ConnectionProvider provider);
    bool InitConnection(const QString& connectionString) override { return bindConnection(connectionString); }
    QString ShowList(const QString& text = QString()) override;
};

} // namespace qx::suite
