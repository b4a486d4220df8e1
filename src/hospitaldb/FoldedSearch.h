#pragma once
#include "components/Connection.h"

namespace qx::hospitaldb {

// Case-blind searches compare a column that holds the searched text already folded to upper
// case, under an ordinary index, e.g. `ItemNameFolded LIKE UPPER(?) ESCAPE '\'`. No index may
// rest on upper(): on embedded files that is the program's own Unicode function, and the
// standard sqlite3 shell would then find the files corrupt.
//
// PostgreSQL computes the column itself (a stored generated column). On SQLite, triggers keep
// it in step on every insert and update; under the program they fold by Unicode. Under another
// tool, whose upper() folds ASCII only, a text beyond ASCII is left unfolded (NULL) for the
// program to fold at its next start.

// Adds the folded columns, their triggers and indexes, folds the existing rows and drops the
// upper() indexes they replace.
void addFoldedSearchColumns(Connection& c);

// Embedded databases: folds the rows another tool left unfolded. Returns how many.
int refreshFoldedSearchColumns(Connection& c);

} // namespace qx::hospitaldb
