#include "SourceTree.h"

// The checkout's and build folder's places come from the build, in this one file only: a define
// that differs between clones keeps every file that sees it out of the shared compiler cache.
namespace qx::test {

QString sourcePath(const QString& relative) {
    return QStringLiteral(QX_SOURCE_DIR "/") + relative;
}

QString databaseToolPath() { return QStringLiteral(QX_DB_TOOL); }

} // namespace qx::test
