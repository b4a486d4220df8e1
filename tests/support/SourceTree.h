#pragma once
#include <QString>

namespace qx::test {

// A file of the checkout (report definitions, golden files), by its path from the top folder.
QString sourcePath(const QString& relative);

// The built quillax-db, for tests of its command line.
QString databaseToolPath();

} // namespace qx::test
