#pragma once
#include "charging/ReportOpeners.h"
#include "charging/frmView.h"
#include "platform/report/ReportPrinter.h"
#include "shell/ReportOpeningFixture.h"

#include <QProcess>

namespace qx::test {

// A logged-in session at a hospital with a name and address, the report window released and the
// opener registry empty before and after each test.
class ReportWindowTest : public ReportingTest {
protected:
    void SetUp() override {
        ReportingTest::SetUp();
        ReleaseReportWindow();
        ClearReportOpeners();
        gHospitalName = QStringLiteral("ST. JUDE'S HOSPITAL");
        gHospitalAddress = QStringLiteral("1 MAIN ST");
    }
    void TearDown() override {
        ReleaseReportWindow();
        ClearReportOpeners();
        report::setPrintFolder(QString());
        ReportingTest::TearDown();
    }

    // Shows the report window modally, as a requester does; `whileShown` acts on it while it is
    // up. True when the window came up.
    bool request(const std::function<void(frmView&)>& whileShown = {}) {
        bool shown = false;
        platform.modal->onNextShow([&](QWidget& w) {
            shown = w.isVisible();
            if (shown && whileShown)
                whileShown(static_cast<frmView&>(w));
        });
        showModal(ReportWindow());
        return shown;
    }

    void setKelvarHospital(bool on) {
        db().execute(QStringLiteral("DELETE FROM patient_data.tbHospitalInfo"));
        db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (Kelvarin) VALUES (?)"), {on ? 1 : 0});
        gPharmaSwitches.Load(db(), QString());
    }

    // A file's member of a zip archive (an .xlsx sheet), as text.
    static QString unzipMember(const QString& zip, const QString& member) {
        QProcess p;
        p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, member});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    static QString readFile(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
};

} // namespace qx::test
