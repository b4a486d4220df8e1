// PASSWORD: employees and their scrambled passwords.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

const char* const kPasswordTables = R"(
CREATE TABLE IF NOT EXISTS password.tbPasswordMain (
    EmployeeID TEXT NOT NULL PRIMARY KEY,
    Password TEXT,
    DepartmentID TEXT,
    Right_Code1 TEXT,
    Right_Code2 TEXT
);
CREATE TABLE IF NOT EXISTS password.tbPasswordMaster (
    EmployeeID TEXT NOT NULL PRIMARY KEY,
    LastName TEXT,
    FirstName TEXT,
    MiddleName TEXT
)
)";

void createPassword(Connection& c) {
    ddl(c, QString::fromUtf8(kPasswordTables));
    createIndex(c, QStringLiteral("password"), QStringLiteral("tbPasswordMain"),
                QStringLiteral("ix_tbPasswordMain_DepartmentID"), QStringLiteral("DepartmentID"));
}

const MigrationRegistration passwordMigration{{105, QStringLiteral("PASSWORD tables"), createPassword}};

} // namespace
} // namespace qx::hospitaldb
