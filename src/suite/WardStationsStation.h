#pragma once
#include "components/WardStations.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// The active nursing stations of build_file.tbCoStation.
class WardStationsStation : public WardStations::Station, private ConnectedComponent {
public:
    explicit WardStationsStation(ConnectionProvider provider);
    bool InitConnection(const QString& connectionString) override { return bindConnection(connectionString); }
    Recordset List() override;
};

} // namespace qx::suite
