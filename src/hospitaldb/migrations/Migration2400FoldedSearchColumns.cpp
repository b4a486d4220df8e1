// Case-blind name and card searches move from upper() indexes to folded columns with ordinary
// indexes, so that embedded files stay valid for the standard sqlite3 shell.
#include "hospitaldb/FoldedSearch.h"
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

const MigrationRegistration foldedSearchColumnsMigration{{2400, QStringLiteral("Folded search columns in place of upper() indexes"),
                                                          addFoldedSearchColumns}};

} // namespace
} // namespace qx::hospitaldb
