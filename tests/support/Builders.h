#pragma once
#include "components/Connection.h"

#include <QDate>
#include <QDateTime>
#include <optional>

// The builders are called with designated initializers that name only what a test changes;
// GCC 12 warns about the members left to their defaults, which is the point.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

// Small fixture builders: one call puts a consistent set of rows in place, with defaults that
// a test overrides by name, e.g. addItem(db(), {.itemId = "AMOX500", .onHand = 3}).
namespace qx::test {

// An item in the master file with its stock and prices at one location. Calling it again for
// another location of the same item adds only that location's row.
struct ItemSpec {
    QString itemId = QStringLiteral("PARA500");
    QString name = QStringLiteral("PARACETAMOL");
    QString description = QStringLiteral("500 MG TABLET");
    QString genericId = QStringLiteral("G-PARA");
    QString genericName = QStringLiteral("PARACETAMOL");
    QString barcode;
    QString classificationId = QStringLiteral("C01");
    QString unitOfMeasureId = QStringLiteral("TAB");
    QString location = QStringLiteral("20");
    double onHand = 100;
    double minStockLevel = 10;
    // Selling prices, written where the columns exist (the drug catalogue's per-location prices).
    double priceIn = 5.25;
    double priceOut = 4.75;
    std::optional<double> fixedPrice;
    std::optional<double> fixedCharge;
    double listCost = 3.5;
    double averageCost = 3.5;
    bool isMDRP = false;
    double mdrpPrice = 0;
    bool seniorDiscounted = true;
    bool vatExempt = false;
    int itemStatus = 0;
};
void addItem(Connection& c, const ItemSpec& item = {});

// A patient of the registry (PATIENT_DATA tbMaster), shared by admissions and visits.
struct PersonSpec {
    QString hospNum = QStringLiteral("H000001");
    QString lastName = QStringLiteral("DELA CRUZ");
    QString firstName = QStringLiteral("JUAN");
    QString middleName = QStringLiteral("SANTOS");
    QString sex = QStringLiteral("M");
    QDate birthDate = QDate(1970, 5, 17);
    QString seniorCitizenId;
};

// An admission (numeric id) in a room of a station, under a doctor; room, station and doctor
// rows are created when missing.
struct AdmissionSpec {
    QString idNum = QStringLiteral("1001");
    PersonSpec person;
    QString roomId = QStringLiteral("301");
    QString roomClassId = QStringLiteral("A");
    QString stationId = QStringLiteral("3F");
    QString doctorId = QStringLiteral("D001");
    QString accountNum;
    QDateTime admDate = QDateTime(QDate(2026, 1, 5), QTime(8, 0));
    std::optional<QDateTime> billingDate;
    std::optional<QDateTime> dischargeDate;
    bool lateCharges = false;
    bool seniorDiscounted = false;
};
void addAdmittedPatient(Connection& c, const AdmissionSpec& admission = {});

// An out-patient or emergency visit (id ending in a letter). An empty account means the
// patient's own account (the hospital number).
struct VisitSpec {
    QString idNum = QStringLiteral("5001A");
    PersonSpec person = {.hospNum = QStringLiteral("H000101"), .lastName = QStringLiteral("REYES"),
                         .firstName = QStringLiteral("MARIA"), .middleName = QStringLiteral("LOPEZ"),
                         .sex = QStringLiteral("F"), .birthDate = QDate(1985, 3, 2)};
    QString doctorId = QStringLiteral("D001");
    QString accountNum;
    double erNum = 0;
    QDateTime admDate = QDateTime(QDate(2026, 1, 5), QTime(9, 30));
    std::optional<QDateTime> dischargeDate;
    bool seniorDiscounted = false;
};
void addOutPatientVisit(Connection& c, const VisitSpec& visit = {});

// An open nursing-station request line for the pharmacy. In/out follows the patient id
// (admissions are numeric) unless given.
struct RequestSpec {
    QString idNum = QStringLiteral("1001");
    QString hospNum = QStringLiteral("H000001");
    QString itemId = QStringLiteral("PARA500");
    double quantity = 2;
    QString stationId = QStringLiteral("3F");
    QString requestNumber = QStringLiteral("RQ000001");
    QString inOut;
    bool stat = false;
    QDateTime requestDate = QDateTime(QDate(2026, 1, 5), QTime(10, 15));
    QString doctorId = QStringLiteral("D001");
    QString dosage = QStringLiteral("1 TAB Q4H");
    QString remarks;
    QString userId = QStringLiteral("N0001");
};
void addPendingRequest(Connection& c, const RequestSpec& request = {});

} // namespace qx::test
