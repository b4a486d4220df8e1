// Demo data: the patient registry, current admissions and out-patient visits.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

struct Person {
    const char* hospNum;
    const char* last;
    const char* first;
    const char* middle;
    const char* sex;
    int age;
    const char* seniorId;
};

// Admissions: numeric ids, a room, a doctor, days since admission.
struct Admission {
    const char* idNum;
    Person person;
    const char* room;
    const char* doctor;
    const char* account;
    int daysIn;
    bool billClosed;
};

// Visits: ids end in a letter; emergency visits carry an ER number.
struct Visit {
    const char* idNum;
    Person person;
    const char* doctor;
    const char* account;
    int erNum;
};

const Admission kAdmissions[] = {
    {"260001", {"000101", "DELA CRUZ", "JUAN", "SANTOS", "M", 45, ""}, "201", "D001", "", 3, false},
    {"260002", {"000102", "SANTOS", "MARIA", "REYES", "F", 67, "SC-44120"}, "202", "D002", "", 5, false},
    {"260003", {"000103", "REYES", "JOSE", "GARCIA", "M", 38, ""}, "203", "D001", "C0001", 2, false},
    {"260004", {"000104", "GARCIA", "ANA", "LIM", "F", 29, ""}, "204", "D005", "", 1, false},
    {"260005", {"000105", "MENDOZA", "PEDRO", "CRUZ", "M", 72, "SC-38007"}, "205", "D004", "", 7, false},
    {"260006", {"000106", "TORRES", "LUZ", "VILLA", "F", 51, ""}, "301", "D002", "C0002", 4, false},
    {"260007", {"000107", "D'ANGELO", "CARLO", "RAMOS", "M", 60, ""}, "302", "D003", "", 2, false},
    {"260008", {"000108", "FLORES", "ELENA", "NAVARRO", "F", 34, ""}, "303", "D005", "", 6, true},
    {"260009", {"000109", "VILLANUEVA", "MARK", "AQUINO", "M", 23, ""}, "304", "D001", "", 1, false},
    {"260010", {"000110", "AQUINO", "ROSA", "BAUTISTA", "F", 81, "SC-29133"}, "305", "D002", "", 9, false},
};

const Visit kVisits[] = {
    {"26501A", {"000111", "BAUTISTA", "LEO", "CASTRO", "M", 40, ""}, "D001", "", 0},
    {"26502A", {"000112", "CASTRO", "NINA", "SORIANO", "F", 62, "SC-50211"}, "D002", "", 0},
    {"26503A", {"000113", "NAVARRO", "PAULO", "DIAZ", "M", 27, ""}, "D005", "C0001", 0},
    {"26504E", {"000114", "SORIANO", "GRACE", "TAN", "F", 19, ""}, "D003", "", 1},
    {"26505E", {"000115", "LIM", "VICTOR", "UY", "M", 55, ""}, "D004", "", 2},
};

void addPerson(Connection& c, const Person& p, const QDate& today) {
    // Birthdays fall a little after today's date, so the stated age holds for a while.
    const QDate born = today.addYears(-p.age - 1).addDays(40);
    c.execute(QStringLiteral("INSERT INTO patient_data.tbMaster (HospNum, LastName, FirstName, MiddleName, Sex, "
                             "BirthDate, SeniorCitizenID, SCBookletNumber) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
              {QString::fromLatin1(p.hospNum), QString::fromLatin1(p.last), QString::fromLatin1(p.first),
               QString::fromLatin1(p.middle), QString::fromLatin1(p.sex), QDateTime(born, QTime(0, 0)),
               *p.seniorId ? QVariant(QString::fromLatin1(p.seniorId)) : QVariant(QMetaType::fromType<QString>()),
               *p.seniorId ? QVariant(QStringLiteral("BK-") + QString::fromLatin1(p.hospNum))
                           : QVariant(QMetaType::fromType<QString>())});
}

void fillPatients(Connection& c) {
    const QDate today = QDate::currentDate();
    for (const Admission& a : kAdmissions) {
        addPerson(c, a.person, today);
        const QDateTime admitted(today.addDays(-a.daysIn), QTime(8 + a.daysIn % 8, 15 * (a.daysIn % 4)));
        c.execute(QStringLiteral("INSERT INTO patient_data.tbPatient (IDNum, HospNum, AdmDate, DoctorID, BillingDate, "
                                 "DcrDate, LateCharges, AccountNum, RoomID, PharmaSeniorDiscounted) "
                                 "VALUES (?, ?, ?, ?, ?, NULL, 0, ?, ?, ?)"),
                  {QString::fromLatin1(a.idNum), QString::fromLatin1(a.person.hospNum), admitted,
                   QString::fromLatin1(a.doctor),
                   a.billClosed ? QVariant(QDateTime(today, QTime(7, 30))) : QVariant(QMetaType::fromType<QDateTime>()),
                   *a.account ? QString::fromLatin1(a.account) : QString::fromLatin1(a.person.hospNum),
                   QString::fromLatin1(a.room), *a.person.seniorId ? 1 : 0});
        c.execute(QStringLiteral("INSERT INTO patient_data.tbPatient2 (IdNum, PatientsMed, VIP) VALUES (?, 0, ?)"),
                  {QString::fromLatin1(a.idNum), QString::fromLatin1(a.idNum) == QLatin1String("260006") ? 1 : 0});
    }
    int n = 0;
    for (const Visit& v : kVisits) {
        addPerson(c, v.person, today);
        c.execute(QStringLiteral("INSERT INTO patient_data.tbOutPatient (IDNum, HospNum, AdmDate, DoctorID, AccountNum, "
                                 "LateCharges, ERNum, DcrDate, PharmaSeniorDiscounted) VALUES (?, ?, ?, ?, ?, 0, ?, NULL, ?)"),
                  {QString::fromLatin1(v.idNum), QString::fromLatin1(v.person.hospNum),
                   QDateTime(today, QTime(8 + n, 10 * n)), QString::fromLatin1(v.doctor),
                   *v.account ? QString::fromLatin1(v.account) : QString::fromLatin1(v.person.hospNum), v.erNum,
                   *v.person.seniorId ? 1 : 0});
        ++n;
    }
}

const DemoRegistration patientsDemo{{110, QStringLiteral("patients, admissions and visits"), fillPatients}};

} // namespace
} // namespace qx::hospitaldb
