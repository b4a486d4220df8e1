#include "suite/WardStationsStation.h"
#include "components/SuiteComponents.h"

namespace qx::suite {

WardStationsStation::WardStationsStation(ConnectionProvider provider)
    : ConnectedComponent(progid::Station, std::move(provider)) {}

Recordset WardStationsStation::List() {
    return db("List").query(QStringLiteral("SELECT StationID, Station FROM build_file.tbCoStation "
                                           "WHERE TRIM(Status) = ? ORDER BY Station"),
                            {QStringLiteral("A")});
}

} // namespace qx::suite
