#pragma once
#include "platform/report/Report.h"
#include "SourceTree.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace qx::report::test {

inline QString reportsFolder() { return qx::test::sourcePath(QStringLiteral("Reports")); }
inline QString goldenPath(const QString& name) {
    return qx::test::sourcePath(QStringLiteral("tests/platform/report/golden/") + name);
}

// Compares text with a reference file; QX_UPDATE_GOLDEN=1 writes the reference instead.
inline void expectGolden(const QString& name, const QString& actual) {
    QFile f(goldenPath(name));
    if (qEnvironmentVariableIntValue("QX_UPDATE_GOLDEN")) {
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(actual.toUtf8());
        return;
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "missing golden file " << name.toStdString()
                                             << " (run with QX_UPDATE_GOLDEN=1 to create it)";
    EXPECT_EQ(QString::fromUtf8(f.readAll()).toStdString(), actual.toStdString()) << "golden file " << name.toStdString();
}

// Runs a command and returns its standard output.
inline QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A report definition written to a temporary file.
class ReportFile {
public:
    explicit ReportFile(const QString& text, const QString& name = QStringLiteral("probe.rpt")) {
        path_ = dir_.filePath(name);
        QFile f(path_);
        f.open(QIODevice::WriteOnly);
        f.write(text.toUtf8());
    }
    const QString& path() const { return path_; }
    QString folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString path_;
};

} // namespace qx::report::test
