// The antibiotic classes whose names the charging screens' colour legend shows beside the grid's
// font colours (class 1 pink, 2 blue, 3 green, 4 orange).
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

void applyAntibioticClasses(Connection& c) {
    ddl(c, QStringLiteral("CREATE TABLE IF NOT EXISTS tbInvAntibioticClass (\n"
                          "    AntibioticClassID TEXT NOT NULL PRIMARY KEY,\n"
                          "    AntibioticClass TEXT\n"
                          ")"));
}

const MigrationRegistration antibioticClassesMigration{{2200, QStringLiteral("Antibiotic classes of the colour legend"), applyAntibioticClasses}};

void fillAntibioticClasses(Connection& c) {
    struct AntibioticClass { const char* id; const char* name; };
    for (const AntibioticClass& k : {AntibioticClass{"1", "RESERVED ANTIBIOTICS"}, AntibioticClass{"2", "RESTRICTED ANTIBIOTICS"},
                                     AntibioticClass{"3", "FIRST-LINE ANTIBIOTICS"}, AntibioticClass{"4", "SECOND-LINE ANTIBIOTICS"},
                                     AntibioticClass{"5", "ANTI-TUBERCULOSIS"}})
        c.execute(QStringLiteral("INSERT INTO tbInvAntibioticClass (AntibioticClassID, AntibioticClass) VALUES (?, ?)"),
                  {QString::fromLatin1(k.id), QString::fromLatin1(k.name)});
}

const DemoRegistration antibioticClassesDemo{{2200, QStringLiteral("antibiotic classes"), fillAntibioticClasses}};

} // namespace
} // namespace qx::hospitaldb
