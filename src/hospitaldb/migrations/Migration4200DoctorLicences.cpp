// BUILD_FILE: a doctor's licence numbers, printed on the doctor's prescription.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

const ColumnAdd kDoctorLicenceColumns[] = {
    {"build_file", "tbCoDoctor", "PRCNumber", "TEXT"},
    {"build_file", "tbCoDoctor", "PTRNumber", "TEXT"},
    {"build_file", "tbCoDoctor", "TINNumber", "TEXT"},
};

void addDoctorLicences(Connection& c) { addMissingColumns(c, kDoctorLicenceColumns); }

const MigrationRegistration doctorLicencesMigration{
    {4200, QStringLiteral("BUILD_FILE doctor licence numbers"), addDoctorLicences}};

} // namespace
} // namespace qx::hospitaldb
