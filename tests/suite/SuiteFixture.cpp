#include "SuiteFixture.h"
#include "components/PasswordScramble.h"

namespace qx::test {

void addSuiteReferenceRows(Connection& c) {
    auto run = [&c](const char* sql, const QVariantList& binds = {}) { c.execute(QString::fromUtf8(sql), binds); };
    for (const auto& [id, dept, first, last] :
         std::initializer_list<std::tuple<const char*, const char*, const char*, const char*>>{
             {"8", "15", "MARIA", "SANTOS"}, {"1001", "15", "JOSE", "REYES"}, {"9001", "22", "ROSA", "VILLANUEVA"}}) {
        run("INSERT INTO password.tbPasswordMain (EmployeeID, Password, DepartmentID) VALUES (?, ?, ?)",
            {id, ScrambleText(QStringLiteral("E"), kPasswordKey, QStringLiteral("X")), dept});
        run("INSERT INTO password.tbPasswordMaster (EmployeeID, FirstName, LastName) VALUES (?, ?, ?)",
            {id, first, last});
    }
    run("INSERT INTO build_file.tbCoDoctor (doctorid, LastName, FirstName, MiddleName) VALUES "
        "('D001', 'AGUILAR', 'RAMON', 'BAUTISTA'), ('D002', 'BELTRAN', 'CLARA', NULL), ('D''03', 'O''HARA', 'SEAN', NULL)");
    run("INSERT INTO build_file.tbCoDosage (DosageID, Description, Frequency) VALUES "
        "('OD', 'ONCE A DAY', 1), ('TID', 'THREE TIMES A DAY', 3), ('Q6H', 'EVERY 6 HOURS', 4)");
    run("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class, FringeBenefit) VALUES "
        "('C0001', 'HARBOR SHIPPING', 'I', 0), ('FB001', 'EMPLOYEES FRINGE BENEFIT', 'S', 1)");
    run("INSERT INTO build_file.tbCoStation (StationID, Station, Status) VALUES "
        "('3F', '3RD FLOOR', 'A'), ('2F', '2ND FLOOR', 'A'), ('OLD', 'CLOSED WING', 'I')");
    run("INSERT INTO patient_data.tbMaster (HospNum, LastName, FirstName, MiddleName) VALUES "
        "('H1', 'DELA CRUZ', 'JUAN', 'SANTOS'), ('H2', 'REYES', 'MARIA', 'LOPEZ'), ('H3', 'TAN', 'LEE', NULL), "
        "('H4', 'UY', 'ANA', NULL)");
    run("INSERT INTO patient_data.tbPatient (IDNum, HospNum, RoomID, AdmDate, DcrDate) VALUES "
        "('1001', 'H1', '301', ?, NULL), ('0901', 'H4', '302', ?, ?)",
        {QDateTime(QDate(2026, 1, 5), QTime(8, 0)), QDateTime(QDate(2025, 6, 1), QTime(8, 0)),
         QDateTime(QDate(2025, 6, 9), QTime(8, 0))});
    run("INSERT INTO patient_data.tbOutPatient (IDNum, HospNum, AdmDate) VALUES ('5001A', 'H2', ?)",
        {QDateTime(QDate(2026, 1, 6), QTime(9, 0))});
    run("INSERT INTO tbForGeneric (GenericID, GenericName) VALUES ('G-PARA', 'PARACETAMOL'), ('G-AMOX', 'AMOXICILLIN')");
    run("INSERT INTO tbInvMaster (ItemID, ItemName, ItemDesc, GenericID, ItemStatus) VALUES "
        "('PARA500', 'BIOGESIC', '500 MG TABLET', 'G-PARA', 0), ('AMOX500', 'AMOXIL', '500 MG CAPSULE', 'G-AMOX', 0), "
        "('OLD1', 'ABANDONED', 'TABLET', 'G-PARA', 1)");
    run("INSERT INTO tbInvent (ItemID, LocationID, OnHand) VALUES ('PARA500', '20', 100), ('PARA500', '186', 7), "
        "('AMOX500', '20', 50)");
    // Issues to admission 1001: two slips; part of one line came back.
    struct Line { const char* ref; const char* item; const char* code; double qty; };
    for (const Line& l : {Line{"CS0001", "PARA500", "PH", 10}, Line{"CS0001", "AMOX500", "PH", 6},
                          Line{"CS0001", "PARA500", "PC", 4}, Line{"CS0002", "PARA500", "PH", 2},
                          Line{"CS0002", "AMOX500", "PH", 3}, Line{"CS0002", "AMOX500", "PC", 3}})
        run("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, HospNum, SummaryCode, LocationID, TransDate, Quantity) "
            "VALUES (?, ?, '1001', 'H1', ?, '20', ?, ?)",
            {l.ref, l.item, l.code, QDateTime(QDate(2026, 1, 7), QTime(10, 0)), l.qty});
}

} // namespace qx::test
