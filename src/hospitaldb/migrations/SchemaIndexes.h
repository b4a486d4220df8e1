#pragma once
#include "hospitaldb/Schema.h"

#include <initializer_list>

namespace qx::hospitaldb {

// One index of a hospital table. A prefix search index serves `col LIKE ?` with a
// pattern such as 'AMOX%'; PostgreSQL needs the pattern operator class for that unless the
// database happens to use the C collation.
struct IndexSpec {
    const char* table;
    const char* name;
    const char* columns;
    bool prefixSearch = false;
};

// Creates each index on `schema` ("" for INVENTORY) unless it exists.
void createIndexes(Connection& c, const QString& schema, std::initializer_list<IndexSpec> indexes);

} // namespace qx::hospitaldb
