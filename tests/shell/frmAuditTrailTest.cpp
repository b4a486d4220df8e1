#include "ReportOpeningFixture.h"
#include "platform/DatePicker.h"
#include "platform/FlexGrid.h"
#include "platform/report/Report.h"
#include "shell/HospitalSettings.h"
#include "shell/frmAuditTrail.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

using namespace qx;
using namespace qx::test;

namespace {

class frmAuditTrailTest : public ReportingTest {
protected:
    void SetUp() override {
        ReportingTest::SetUp();
        const QDateTime now = db().serverNow();
        const QDate today = now.date();
        addLine(QStringLiteral("E001"), QDateTime(today.addDays(-2), QTime(8, 0)), QStringLiteral("Login User : JUAN"));
        addLine(QStringLiteral("E001"), QDateTime(today.addDays(-1), QTime(9, 15)),
                QStringLiteral("Cancelled Request ItemID# : AMOX500 | Under Patient : O'NEIL, MARY"));
        addLine(QStringLiteral("E002"), QDateTime(today.addDays(-1), QTime(10, 0)), QStringLiteral("other user"));
        form.show();
    }
    void addLine(const QString& user, const QDateTime& when, const QString& text) {
        db().execute(QStringLiteral("INSERT INTO tbInvUserLog (EmployeeID, Module, Activity, LogDate) VALUES (?, ?, ?, ?)"),
                     {user, QStringLiteral("Pharmacy"), text, when});
    }
    void setPeriod(int fromDaysAgo, int toDaysAgo) {
        const QDate today = QDate::currentDate();
        form.txtStartDate->setValue(QDateTime(today.addDays(-fromDaysAgo), QTime(0, 0)));
        form.txtEndDate->setValue(QDateTime(today.addDays(-toDaysAgo), QTime(0, 0)));
    }
    QStringList remarks() {
        QStringList texts;
        for (int r = 1; r < form.grdList->rows(); ++r)
            texts << form.grdList->textMatrix(r, 2);
        return texts;
    }

    frmAuditTrail form;
};

TEST_P(frmAuditTrailTest, OpensOnTodayWithNoLaterDayAllowed) {
    const QDate today = QDate::currentDate();
    for (DatePicker* picker : {form.txtStartDate, form.txtEndDate}) {
        EXPECT_EQ(picker->value().date(), today);
        EXPECT_EQ(picker->maxDate(), today);
    }
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Form1"));
    EXPECT_TRUE(form.cmdPrint->isEnabled());
    EXPECT_EQ(form.grdList->textMatrix(0, 1), QStringLiteral("Date"));
    EXPECT_EQ(form.grdList->textMatrix(0, 2), QStringLiteral("Remarks"));
}

TEST_P(frmAuditTrailTest, SearchRefusesMissingUserOrBackwardPeriod) {
    struct Case {
        const char* user;
        int from, to;
        QStringList boxes;
    };
    const Case cases[] = {
        {"", 2, 0, {"Insert User ID"}},
        {"   ", 2, 0, {}},
        {"E001", 0, 2, {"Invalid report period..."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user);
        platform.messages->clear();
        form.txtUserID->setText(QString::fromLatin1(c.user));
        setPeriod(c.from, c.to);
        form.cmdShow_Click();
        EXPECT_EQ(platform.messages->texts(), c.boxes);
        EXPECT_EQ(form.grdList->rows(), 1);
    }
}

TEST_P(frmAuditTrailTest, SearchListsTheUsersLinesAndEnablesPrintOnlyWithRows) {
    form.txtUserID->setText(QStringLiteral("E001"));
    setPeriod(2, 0);
    form.cmdShow_Click();
    EXPECT_EQ(remarks(), (QStringList{QStringLiteral("Login User : JUAN"),
                                      QStringLiteral("Cancelled Request ItemID# : AMOX500 | Under Patient : O'NEIL, MARY")}));
    EXPECT_TRUE(form.grdList->textMatrix(1, 1).endsWith(QStringLiteral("8:00:00 AM")));
    EXPECT_EQ(form.grdList->colWidth(1), 5000);
    EXPECT_EQ(form.grdList->colWidth(2), 7000);
    EXPECT_TRUE(form.cmdPrint->isEnabled());

    setPeriod(0, 0);
    form.cmdShow_Click();
    EXPECT_EQ(remarks(), QStringList());
    EXPECT_FALSE(form.cmdPrint->isEnabled());
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_P(frmAuditTrailTest, PrintShowsTheReportOfTheValuesOnTheWindow) {
    installShippedReport(QStringLiteral("rptAuditTrail.rpt"));
    gHospitalName = QStringLiteral(" ST. RAPHAEL GENERAL HOSPITAL ");
    form.txtUserID->setText(QStringLiteral("E002"));
    setPeriod(1, 1);
    form.cmdShow_Click();
    form.txtUserID->setText(QStringLiteral(" E001 "));
    setPeriod(2, 0);

    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("audit.pdf"));
    QString caption;
    platform.modal->onNextShow([&](QWidget& w) {
        caption = w.windowTitle();
        gCrystalReport->exportTo(report::ExportFormat::Pdf, pdf);
        w.close();
    });
    form.cmdPrint_Click();
    EXPECT_EQ(platform.modal->shown(), QStringList{QStringLiteral("qx::frmReportViewer")});
    EXPECT_EQ(caption, QStringLiteral("Audit Trail Logs"));
    EXPECT_FALSE(platform.cursor->isBusy());

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished());
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("ST. RAPHAEL GENERAL HOSPITAL")));
    EXPECT_TRUE(printed.contains(QStringLiteral("User ID: E001")));
    EXPECT_TRUE(printed.contains(QStringLiteral("O'NEIL, MARY")));
    EXPECT_FALSE(printed.contains(QStringLiteral("other user")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Total log lines: 2")));
}

TEST_P(frmAuditTrailTest, PrintWithoutTheReportFileTellsTheUserAndGoesOn) {
    form.txtUserID->setText(QStringLiteral("E001"));
    form.cmdPrint_Click();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_TRUE(platform.messages->last().text.endsWith(QStringLiteral("rptAuditTrail.rpt does not exists.")));
    EXPECT_TRUE(platform.modal->shown().isEmpty());
    EXPECT_FALSE(platform.cursor->isBusy());
    EXPECT_TRUE(form.isVisible());
}

TEST_P(frmAuditTrailTest, CloseThenShowStartsAfresh) {
    form.txtUserID->setText(QStringLiteral("E001"));
    setPeriod(2, 0);
    form.cmdShow_Click();
    form.cmdExit_Click();
    EXPECT_FALSE(form.isVisible());
    form.show();
    EXPECT_EQ(form.txtUserID->text(), QString());
    EXPECT_EQ(form.txtStartDate->value().date(), QDate::currentDate());
    EXPECT_EQ(form.grdList->rows(), 1);
}

QX_ON_SQLITE_ONLY(frmAuditTrailTest);

} // namespace
