// Demo data of the cash side: the room classes with the mark-up a cash customer in such a room
// pays, and the addresses the cash-assessment screen shows for the registry's patients.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

void fillCashSide(Connection& c) {
    struct RoomClass { const char* id; const char* name; double markUp; };
    for (const RoomClass& k : {RoomClass{"A", "PRIVATE", 10}, RoomClass{"B", "SEMI-PRIVATE", 5}, RoomClass{"C", "WARD", 0}})
        c.execute(QStringLiteral("INSERT INTO build_file.tbCoRoomClass (RoomClassID, RoomClass, MarkUp) VALUES (?, ?, ?)"),
                  {QString::fromLatin1(k.id), QString::fromLatin1(k.name), k.markUp});
    c.execute(QStringLiteral("UPDATE patient_data.tbMaster SET ZipCode = '1000', Address = 'DEMO CITY', "
                             "HouseStreet = '12 MABINI STREET', Barangay = 'SAN ISIDRO', CivilStatusID = 'S' "
                             "WHERE Address IS NULL"));
}

const DemoRegistration cashSideDemo{{600, QStringLiteral("room classes and patient addresses"), fillCashSide}};

} // namespace
} // namespace qx::hospitaldb
