#include "SourceTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// The checkout's and build folder's places come from the build, in this one file only: a define
// that differs between clones keeps every file that sees it out of the shared compiler cache.
namespace qx::test {

QString sourcePath(const QString& relative) {
    return QStringLiteral(QX_SOURCE_DIR "/") + relative;
}

bool installShippedReport(const QString& programFolder, const QString& fileName) {
    QFile source(sourcePath(QStringLiteral("Reports/") + fileName));
    const QString path = QDir(programFolder).filePath(QStringLiteral("Reports/") + fileName);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile target(path);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return target.write(source.readAll()) >= 0;
}

QString databaseToolPath() { return QStringLiteral(QX_DB_TOOL); }

} // namespace qx::test
