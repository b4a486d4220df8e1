#pragma once
#include "components/Recordset.h"

namespace qx::WardStations {

class Station {
public:
    virtual ~Station() = default;
    virtual bool InitConnection(const QString& connectionString) = 0;
    // The active stations: fields StationID, Station.
    virtual Recordset List() = 0;
};

} // namespace qx::WardStations
