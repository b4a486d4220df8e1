// Embedded databases: indexes over upper(...) written before the connection folded case by
// Unicode hold the old ASCII-only keys for names such as "Peña"; rebuild them with the
// connection's own upper() so look-ups and updates of those rows agree with the index.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

void rebuildCaseFoldedIndexes(Connection& c) {
    if (c.engine() == Engine::SQLite)
        c.executeScript(QStringLiteral("REINDEX"));
}

const MigrationRegistration caseFoldedIndexesMigration{{1350, QStringLiteral("Rebuild case-folded indexes on embedded databases"),
                                          rebuildCaseFoldedIndexes}};

} // namespace
} // namespace qx::hospitaldb
