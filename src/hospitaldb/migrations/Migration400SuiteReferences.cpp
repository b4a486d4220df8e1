// Stores behind the reference components and pickers that the hospital tables do not carry:
// dosages, the pharmacy options, an employee's initials and position, and the fringe-benefit
// mark of a charge account. Columns are added only when missing.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

const ColumnAdd kSuiteReferencesColumns[] = {
    {"password", "tbPasswordMaster", "Initials", "TEXT"},
    {"password", "tbPasswordMaster", "Position", "TEXT"},
    {"build_file", "tbCoCompany", "FringeBenefit", "INTEGER NOT NULL DEFAULT 0"},
};

void applySuiteReferences(Connection& c) {
    addMissingColumns(c, kSuiteReferencesColumns);
    ddl(c, QStringLiteral(
               // Frequency: doses per day, written by the screens into quantity columns.
               "CREATE TABLE IF NOT EXISTS build_file.tbCoDosage (DosageID TEXT NOT NULL PRIMARY KEY, "
               "Description TEXT, Frequency {REAL} NOT NULL DEFAULT 0);\n"
               "CREATE TABLE IF NOT EXISTS tbPharmaOptions (OptionRow INTEGER NOT NULL PRIMARY KEY CHECK (OptionRow = 1), "
               "CommunicationTimer INTEGER NOT NULL DEFAULT 0, SeniorCitizenDiscount INTEGER NOT NULL DEFAULT 0)"));
}

const MigrationRegistration suiteReferencesMigration{{400, QStringLiteral("Reference component stores"), applySuiteReferences}};

} // namespace
} // namespace qx::hospitaldb
