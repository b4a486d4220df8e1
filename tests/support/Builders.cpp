#include "Builders.h"

namespace qx::test {

namespace {

QVariant optionalValue(const std::optional<double>& v) {
    return v ? QVariant(*v) : QVariant(QMetaType::fromType<double>());
}
QVariant optionalValue(const std::optional<QDateTime>& v) {
    return v ? QVariant(*v) : QVariant(QMetaType::fromType<QDateTime>());
}

bool exists(Connection& c, const QString& table, const QString& keyColumn, const QString& key) {
    return !c.query(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? LIMIT 1").arg(table, keyColumn), {key}).isEmpty();
}

void addPerson(Connection& c, const PersonSpec& p) {
    if (exists(c, QStringLiteral("patient_data.tbMaster"), QStringLiteral("HospNum"), p.hospNum))
        return;
    c.execute(QStringLiteral("INSERT INTO patient_data.tbMaster (HospNum, LastName, FirstName, MiddleName, Sex, "
                             "BirthDate, SeniorCitizenID) VALUES (?, ?, ?, ?, ?, ?, ?)"),
              {p.hospNum, p.lastName, p.firstName, p.middleName, p.sex, QDateTime(p.birthDate, QTime(0, 0)),
               p.seniorCitizenId.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(p.seniorCitizenId)});
}

void addDoctor(Connection& c, const QString& doctorId) {
    if (doctorId.isEmpty() || exists(c, QStringLiteral("build_file.tbCoDoctor"), QStringLiteral("doctorid"), doctorId))
        return;
    c.execute(QStringLiteral("INSERT INTO build_file.tbCoDoctor (doctorid, LastName, FirstName, s2number, s2expiry) "
                             "VALUES (?, ?, ?, ?, ?)"),
              {doctorId, QStringLiteral("DOCTOR ") + doctorId, QStringLiteral("TEST"), QStringLiteral("S2-") + doctorId,
               QDateTime(QDate(2099, 12, 31), QTime(0, 0))});
}

void addStation(Connection& c, const QString& stationId) {
    if (stationId.isEmpty() || exists(c, QStringLiteral("build_file.tbCoStation"), QStringLiteral("StationID"), stationId))
        return;
    c.execute(QStringLiteral("INSERT INTO build_file.tbCoStation (StationID, Station, Status) VALUES (?, ?, 'A')"),
              {stationId, QStringLiteral("STATION ") + stationId});
}

void addRoom(Connection& c, const QString& roomId, const QString& roomClassId, const QString& stationId) {
    if (roomId.isEmpty() || exists(c, QStringLiteral("build_file.tbCoRoom"), QStringLiteral("RoomID"), roomId))
        return;
    c.execute(QStringLiteral("INSERT INTO build_file.tbCoRoom (RoomID, RoomClassID, StationID) VALUES (?, ?, ?)"),
              {roomId, roomClassId, stationId});
}

} // namespace

void addItem(Connection& c, const ItemSpec& item) {
    if (!item.genericId.isEmpty() && !exists(c, QStringLiteral("tbForGeneric"), QStringLiteral("GenericID"), item.genericId))
        c.execute(QStringLiteral("INSERT INTO tbForGeneric (GenericID, GenericName) VALUES (?, ?)"),
                  {item.genericId, item.genericName});
    if (!exists(c, QStringLiteral("tbInvMaster"), QStringLiteral("ItemID"), item.itemId)) {
        c.execute(QStringLiteral("INSERT INTO tbInvMaster (ItemID, ItemName, ItemDesc, Barcode, GenericID, "
                                 "UnitOfMeasureID, ItemClassificationID, isMDRP, MDRPDrugPrice, isSeniorDiscounted, "
                                 "isVATExempt, ItemStatus, Packing, AverageCost, ListCost) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?)"),
                  {item.itemId, item.name, item.description, item.barcode.isEmpty() ? item.itemId : item.barcode,
                   item.genericId, item.unitOfMeasureId, item.classificationId, int(item.isMDRP), item.mdrpPrice,
                   int(item.seniorDiscounted), int(item.vatExempt), item.itemStatus, item.averageCost, item.listCost});
    }
    c.execute(QStringLiteral("INSERT INTO tbInvent (ItemID, LocationID, OnHand, MinStockLevel, ItemStatus, FixedPrice, "
                             "FixedCharge, Packing) VALUES (?, ?, ?, ?, ?, ?, ?, 1)"),
              {item.itemId, item.location, item.onHand, item.minStockLevel, item.itemStatus,
               optionalValue(item.fixedPrice), optionalValue(item.fixedCharge)});
    // The per-location selling prices belong to the drug catalogue's columns; set them when present.
    for (const auto& [column, value] : {std::pair{QStringLiteral("SellingPriceIn"), item.priceIn},
                                        std::pair{QStringLiteral("SellingPriceOut"), item.priceOut},
                                        std::pair{QStringLiteral("AverageCost"), item.averageCost}}) {
        if (c.columnExists(QString(), QStringLiteral("tbInvent"), column))
            c.execute(QStringLiteral("UPDATE tbInvent SET %1 = ? WHERE ItemID = ? AND LocationID = ?").arg(column),
                      {value, item.itemId, item.location});
    }
}

void addAdmittedPatient(Connection& c, const AdmissionSpec& a) {
    addPerson(c, a.person);
    addStation(c, a.stationId);
    addRoom(c, a.roomId, a.roomClassId, a.stationId);
    addDoctor(c, a.doctorId);
    c.execute(QStringLiteral("INSERT INTO patient_data.tbPatient (IDNum, HospNum, AdmDate, DoctorID, BillingDate, "
                             "DcrDate, LateCharges, AccountNum, RoomID, PharmaSeniorDiscounted) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {a.idNum, a.person.hospNum, a.admDate, a.doctorId, optionalValue(a.billingDate),
               optionalValue(a.dischargeDate), int(a.lateCharges), a.accountNum, a.roomId, int(a.seniorDiscounted)});
    c.execute(QStringLiteral("INSERT INTO patient_data.tbPatient2 (IdNum, PatientsMed, VIP) VALUES (?, 0, 0)"),
              {a.idNum});
}

void addOutPatientVisit(Connection& c, const VisitSpec& v) {
    addPerson(c, v.person);
    addDoctor(c, v.doctorId);
    c.execute(QStringLiteral("INSERT INTO patient_data.tbOutPatient (IDNum, HospNum, AdmDate, DoctorID, AccountNum, "
                             "LateCharges, ERNum, DcrDate, PharmaSeniorDiscounted) VALUES (?, ?, ?, ?, ?, 0, ?, ?, ?)"),
              {v.idNum, v.person.hospNum, v.admDate, v.doctorId,
               v.accountNum.isEmpty() ? v.person.hospNum : v.accountNum, v.erNum, optionalValue(v.dischargeDate),
               int(v.seniorDiscounted)});
}

void addPendingRequest(Connection& c, const RequestSpec& r) {
    const bool admitted = !r.idNum.isEmpty() && r.idNum.back().isDigit();
    const QString inOut = r.inOut.isEmpty() ? (admitted ? QStringLiteral("I") : QStringLiteral("O")) : r.inOut;
    c.execute(QStringLiteral("INSERT INTO station.tbNurseCommunicationFile (IDNum, HospNum, ItemID, Quantity, "
                             "RecordStatus, DepartmentID, InOut, StationID, RequestNumber, isStat, RequestDate, "
                             "DoctorID, Dosage, Remarks, UserID) VALUES (?, ?, ?, ?, '', 'PH', ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {r.idNum, r.hospNum, r.itemId, r.quantity, inOut, r.stationId, r.requestNumber, int(r.stat),
               r.requestDate, r.doctorId, r.dosage, r.remarks, r.userId});
}

} // namespace qx::test
