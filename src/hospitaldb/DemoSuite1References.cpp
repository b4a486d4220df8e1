// Demo data of the login and reference components: pharmacy employees with scrambled
// passwords, dosages, the options row and a fringe-benefit account.
#include "components/PasswordScramble.h"
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

struct Employee {
    const char* id;
    const char* password;
    const char* department;
    const char* right1;
    const char* right2;
    const char* last;
    const char* first;
    const char* middle;
    const char* initials;
    const char* position;
};

// "8" is the pharmacy's supervisor; "9001" works in another department.
const Employee kEmployees[] = {
    {"8", "ADMIN", "15", "A", "S", "SANTOS", "MARIA", "LOPEZ", "MLS", "CHIEF PHARMACIST"},
    {"1001", "PHARMA1", "15", "A", "", "REYES", "JOSE", "CRUZ", "JCR", "PHARMACIST"},
    {"1002", "PHARMA2", "15", "", "", "GARCIA", "ANA", "DIAZ", "AGD", "PHARMACY ASSISTANT"},
    {"1003", "PHARMA3", "15", "", "", "MENDOZA", "PEDRO", "", "PM", "PHARMACY CLERK"},
    {"9001", "NURSE1", "22", "A", "", "VILLANUEVA", "ROSA", "TAN", "RTV", "STAFF NURSE"},
};

void fillEmployees(Connection& c) {
    for (const Employee& e : kEmployees) {
        const QString id = QString::fromLatin1(e.id);
        c.execute(QStringLiteral("INSERT INTO password.tbPasswordMain (EmployeeID, Password, DepartmentID, Right_Code1, "
                                 "Right_Code2) VALUES (?, ?, ?, ?, ?)"),
                  {id, ScrambleText(QStringLiteral("E"), kPasswordKey, QString::fromLatin1(e.password)),
                   QString::fromLatin1(e.department), QString::fromLatin1(e.right1), QString::fromLatin1(e.right2)});
        c.execute(QStringLiteral("INSERT INTO password.tbPasswordMaster (EmployeeID, LastName, FirstName, MiddleName, "
                                 "Initials, Position) VALUES (?, ?, ?, ?, ?, ?)"),
                  {id, QString::fromLatin1(e.last), QString::fromLatin1(e.first), QString::fromLatin1(e.middle),
                   QString::fromLatin1(e.initials), QString::fromLatin1(e.position)});
    }
}

void fillReferences(Connection& c) {
    struct Dosage { const char* id; const char* description; double frequency; };
    for (const Dosage& d : {Dosage{"OD", "ONCE A DAY", 1}, Dosage{"BID", "TWICE A DAY", 2},
                            Dosage{"TID", "THREE TIMES A DAY", 3}, Dosage{"QID", "FOUR TIMES A DAY", 4},
                            Dosage{"Q6H", "EVERY 6 HOURS", 4}, Dosage{"Q8H", "EVERY 8 HOURS", 3},
                            Dosage{"HS", "AT BEDTIME", 1}, Dosage{"PRN", "AS NEEDED", 1}, Dosage{"STAT", "AT ONCE", 1}})
        c.execute(QStringLiteral("INSERT INTO build_file.tbCoDosage (DosageID, Description, Frequency) VALUES (?, ?, ?)"),
                  {QString::fromLatin1(d.id), QString::fromLatin1(d.description), d.frequency});
    c.execute(QStringLiteral("INSERT INTO tbPharmaOptions (OptionRow, CommunicationTimer, SeniorCitizenDiscount) "
                             "VALUES (1, 5, 20)"));
    c.execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class, CreditLimit, OutPrice, "
                             "FringeBenefit) VALUES (?, ?, ?, ?, ?, 1)"),
              {QStringLiteral("FB001"), QStringLiteral("EMPLOYEES FRINGE BENEFIT"), QStringLiteral("S"), 3000.0, 0});
}

const DemoRegistration employeesDemo{{400, QStringLiteral("pharmacy employees with passwords"), fillEmployees}};
const DemoRegistration suiteReferencesDemo{{401, QStringLiteral("dosages, options, fringe-benefit account"), fillReferences}};

} // namespace
} // namespace qx::hospitaldb
