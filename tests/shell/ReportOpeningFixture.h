#pragma once
#include "ScriptedSuite.h"
#include "ShellFixture.h"
#include "SourceTree.h"
#include "platform/report/SharedReport.h"

#include <QDir>
#include <QFile>

namespace qx::test {

// A logged-in session with a program folder of the test's own, into which a test writes report
// files or copies the shipped ones.
class ReportingTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        gCrystalReport.reset();
        login = std::make_shared<ScriptedCurrentUser>(db());
        login->ShowMain();
        gComponents.gCurrentUser = login;
        gEmployeeCode = QStringLiteral("E001");
    }
    void TearDown() override {
        gCrystalReport.reset();
        ShellTest::TearDown();
    }

    // Writes a file under the program folder, folders created; returns its path.
    QString writeProgramFile(const QString& relativePath, const QString& text) {
        const QString path = QDir(platform.folders->program).filePath(relativePath);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
        return path;
    }
    // Copies a report of the project's Reports folder into the program's Reports folder.
    void installShippedReport(const QString& fileName) {
        QFile source(sourcePath(QStringLiteral("Reports/") + fileName));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        writeProgramFile(QStringLiteral("Reports/") + fileName, QString::fromUtf8(source.readAll()));
    }

    std::shared_ptr<ScriptedCurrentUser> login;
};

} // namespace qx::test

// Report plumbing reads no engine-specific SQL of its own: one engine is enough.
#define QX_ON_SQLITE_ONLY(Suite) \
    INSTANTIATE_TEST_SUITE_P(Engine, Suite, ::testing::Values(::qx::Engine::SQLite), ::qx::test::engineName)
