#pragma once
// What the save tests of the two patient-posting screens share over their screen fixtures: the
// workstation and encoder of a save, the shipped slip printed into a folder of files, and the
// reads of what the save wrote.
#include "SourceTree.h"
#include "charging/frmView.h"
#include "components/Connection.h"
#include "platform/report/ReportPrinter.h"
#include "shell/Session.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>

namespace qx::test {

template <class ScreenTest>
class PostingSaveTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        if (this->IsSkipped())
            return;
        gHostID = QStringLiteral("HOST1");
        gEmployeeName = QStringLiteral("JOSE C. REYES");
    }
    void TearDown() override {
        report::setPrintFolder(QString());
        ReleaseReportWindow();
        ScreenTest::TearDown();
    }
    // The shipped slip beside the program, printed into a folder of files.
    void printToFiles(const QString& reportFile) {
        ASSERT_TRUE(installShippedReport(this->platform.folders->program, reportFile));
        report::setPrintFolder(printFolder.path());
    }
    int printOuts() { return int(QDir(printFolder.path()).entryList(QDir::Files).size()); }
    qint64 count(const QString& sql, const QVariantList& binds = {}) {
        return this->db().query(sql, binds).value(0).toLongLong();
    }
    QStringList column(const QString& sql, const QVariantList& binds = {}) {
        QStringList values;
        for (Recordset rs = this->db().query(sql, binds); !rs.eof(); rs.moveNext())
            values << rs.value(0).toString();
        return values;
    }
    QStringList userLog() { return column(QStringLiteral("SELECT Activity FROM tbInvUserLog ORDER BY LogID")); }

    QTemporaryDir printFolder;
};

} // namespace qx::test
