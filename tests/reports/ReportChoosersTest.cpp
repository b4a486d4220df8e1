#include "CatalogueOpening.h"
#include "IncomeFixture.h"
#include "platform/DatePicker.h"
#include "platform/report/ReportTestSupport.h"
#include "reports/IncomeSummaryPreparation.h"
#include "reports/ReportWindows.h"
#include "reports/frmReports.h"
#include "reports/frmReportsRange.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace qx;
using namespace qx::test;

namespace {

// Types text into a box key by key, as the user does.
void typeInto(QWidget* box, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &press);
    }
}

void pressSpace(QWidget* w) {
    w->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

// What the report window was asked for: the code and the request fields a chooser sets.
struct Requested {
    qint16 code = 0;
    QString reportDate, startDate, endDate, shift, classification, dispenser;
    qint16 reportType = -1, inOrOut = -1;
};

// The choosers over a session with the catalogue registered; each request is read back from the
// report window as it comes up.
class ReportChoosersTest : public CatalogueRequestTest {
protected:
    void SetUp() override {
        CatalogueRequestTest::SetUp();
        if (IsSkipped())
            return;
        platform.modal->onShow(QStringLiteral("qx::frmView"), [this](QWidget& w) {
            const frmView& v = static_cast<frmView&>(w);
            requests.push_back({v.WhatReport(), v.ReportDate().toString(QStringLiteral("MM/dd/yyyy hh:mm")), v.StartDate(),
                                v.EndDate(), v.Shift(), v.ItemClassificationID, v.DispenserCode(), v.ReportType(),
                                v.IN_OR_OUT()});
        });
    }
    void TearDown() override {
        reports.reset();
        range.reset();
        CatalogueRequestTest::TearDown();
    }
    frmReports& single(qint16 type) {
        reports = std::make_unique<frmReports>();
        reports->setReportType(type);
        EXPECT_TRUE(reports->Form_Load());
        return *reports;
    }
    frmReportsRange& ranged(qint16 type) {
        range = std::make_unique<frmReportsRange>();
        range->setReportType(type);
        EXPECT_TRUE(range->Form_Load());
        return *range;
    }
    Requested last() { return requests.empty() ? Requested{} : requests.back(); }

    std::vector<Requested> requests;
    std::unique_ptr<frmReports> reports;
    std::unique_ptr<frmReportsRange> range;
};

TEST_P(ReportChoosersTest, SingleDateChooserMapsTypeAndShiftToACodeAndHandsOverTheDate) {
    struct Case {
        qint16 type;
        bool perShift;
        qint16 code;
        bool dayOnly;
        const char* shift;  // what the request's Shift holds afterwards
    };
    const char* untouched = "untouched";
    const Case cases[] = {
        {1, false, 4, false, untouched}, {1, true, 34, false, "2"},   {2, true, 2, false, untouched},
        {3, false, 14, false, untouched}, {4, false, 5, false, untouched}, {4, true, 36, false, "2"},
        {5, true, 8, true, untouched},   {6, false, 27, true, untouched}, {6, true, 35, true, "2"},
        {7, false, 28, false, untouched}, {7, true, 37, false, "2"},  {8, false, 13, false, untouched},
        {9, true, 23, false, untouched}, {10, false, 24, false, untouched}, {11, false, 60, true, untouched},
        {12, false, 64, false, ""},      {12, true, 64, false, "2"},
    };
    const QDate picked = QDate::currentDate().addDays(-3);
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("type %1 per shift %2").arg(c.type).arg(c.perShift).toStdString());
        frmReports& d = single(c.type);
        ReportWindow().setShift(QStringLiteral("untouched"));
        d.dpReportDate->setValue(QDateTime(picked, QTime(14, 25)));
        d.chkShift->setEnabled(true);
        if (c.perShift)
            pressSpace(d.chkShift);
        EXPECT_EQ(d.Frame1->isEnabled(), c.perShift);
        typeInto(d.cboShift->lineEdit(), QStringLiteral("2"));
        requests.clear();
        d.cmdGenerate->click();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(last().code, c.code);
        EXPECT_EQ(last().reportDate, picked.toString(QStringLiteral("MM/dd/yyyy ")) + (c.dayOnly ? "00:00" : "14:25"));
        // The shift is typed while the frame is enabled; type 12 ticks PER SHIFT itself and hands an
        // empty shift when none was typed.
        EXPECT_EQ(last().shift, QString::fromLatin1(c.shift));
        EXPECT_EQ(d.chkShift->isChecked(), c.perShift || c.type == 12);
        // The dialog stays open for another request.
        d.cmdGenerate->click();
        EXPECT_EQ(requests.size(), 2u);
    }
    single(13).cmdGenerate->click();
    EXPECT_EQ(requests.size(), 2u);
}

TEST_P(ReportChoosersTest, ChoosersCaptionTheirTypeAndPickNoDayAfterToday) {
    const std::pair<qint16, const char*> singleCaptions[] = {
        {1, "Daily Income Report"}, {2, "Daily Discharge Report"}, {3, "Patients for Discharge"}, {4, "OPD Daily Income Report"},
        {5, "Cash Daily Income Report"}, {6, "Daily Income Report Summarized"}, {7, "OPD Daily Income Report Summarized"},
        {8, "Reports"}, {12, "Reports"}};
    for (const auto& [type, caption] : singleCaptions) {
        frmReports& d = single(type);
        EXPECT_EQ(d.windowTitle(), QString::fromLatin1(caption)) << type;
        EXPECT_EQ(d.dpReportDate->maxDate(), QDate::currentDate());
        EXPECT_EQ(d.dpReportDate->value().date(), QDate::currentDate());
        EXPECT_FALSE(d.chkShift->isEnabled());
        EXPECT_EQ(d.cboShift->currentText(), QString());
    }
    const std::pair<qint16, const char*> rangeCaptions[] = {{1, "Income Summary Report"}, {17, "Income Report"}, {8, "Reports"}};
    for (const auto& [type, caption] : rangeCaptions) {
        frmReportsRange& d = ranged(type);
        EXPECT_EQ(d.windowTitle(), QString::fromLatin1(caption)) << type;
        EXPECT_EQ(d.chkType->isVisibleTo(&d), type == 1);
        EXPECT_TRUE(d.chkType->isChecked());
        EXPECT_EQ(d.Frame1->isVisibleTo(&d), true);
        for (DatePicker* p : {d.dpStartDate, d.dpEndDate})
            EXPECT_EQ(p->maxDate(), QDate::currentDate());
    }
}

TEST_P(ReportChoosersTest, RangeChooserMapsTypeShiftAndSummaryToACode) {
    struct Case {
        qint16 type;
        bool perShift, summary;
        qint16 code;
    };
    const Case cases[] = {
        {2, false, false, 25}, {3, false, false, 26}, {4, true, false, 31}, {5, false, false, 33}, {6, false, false, 34},
        {7, false, false, 35}, {8, false, false, 29}, {8, true, false, 38}, {8, false, true, 48}, {8, true, true, 48},
        {9, false, false, 39}, {9, true, false, 40}, {10, false, false, 41}, {10, true, false, 42}, {11, false, false, 43},
        {11, true, false, 44}, {12, false, false, 45}, {12, true, false, 46}, {13, true, false, 47}, {14, false, false, 65},
        {15, false, false, 66}, {16, false, false, 67}, {17, false, false, 68}, {18, false, false, 69}, {19, false, false, 70},
        {20, false, false, 71}, {21, false, false, 73}, {22, false, false, 78}, {23, false, false, 96}, {24, false, false, 97},
        {92, false, false, 92}, {93, false, false, 93}, {41, false, false, 41},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("type %1 shift %2 summary %3").arg(c.type).arg(c.perShift).arg(c.summary).toStdString());
        EXPECT_EQ(RangeReportCode(c.type, c.perShift, c.summary), c.code);
        frmReportsRange& d = ranged(c.type);
        d.chkSummary->setVisible(true);
        if (c.perShift)
            d.chkShift->click();
        if (c.summary)
            d.chkSummary->click();
        requests.clear();
        d.cmdGenerate->click();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(last().code, c.code);
    }
}

TEST_P(ReportChoosersTest, RangeChooserHandsOverEveryFieldForEveryCode) {
    db().execute(QStringLiteral("INSERT INTO tbInvClassification (ItemClassificationID, ItemClassificationName, Status) VALUES "
                                "('C01', 'ANTIBIOTICS', 'A'), ('C02', 'ANALGESICS', NULL), ('C09', 'OLD', 'I')"));
    db().execute(QStringLiteral("INSERT INTO password.tbPasswordMaster (EmployeeID, LastName, FirstName, MiddleName) VALUES "
                                "('1001', 'BAUTISTA', 'ANA', 'M'), ('1002', 'ABAD', 'LEO', NULL), ('2001', 'CRUZ', 'ZOE', 'D')"));
    db().execute(QStringLiteral("INSERT INTO password.tbPasswordMain (EmployeeID, DepartmentID) VALUES ('1001', '15'), "
                                "('1002', '00'), ('2001', '20')"));
    const QDate today = QDate::currentDate();
    auto generate = [&](frmReportsRange& d) {
        requests.clear();
        d.cmdGenerate->click();
        EXPECT_EQ(requests.size(), 1u);
        return last();
    };

    frmReportsRange& d = ranged(8);
    // The dispenser list: "(ALL USERS)" chosen, every pharmacy employee with a name, by name.
    QStringList listed;
    for (int i = 0; i < d.cboDispenser->count(); ++i)
        listed << d.cboDispenser->itemText(i) + u'=' + d.cboDispenser->itemData(i).toString();
    EXPECT_EQ(listed, (QStringList{"(ALL USERS)=", "ABAD, LEO =1002", "BAUTISTA, ANA M=1001"}));
    EXPECT_EQ(d.cboDispenser->currentText(), QStringLiteral("(ALL USERS)"));

    d.dpStartDate->setValue(QDateTime(today.addDays(-9), QTime(8, 0)));
    d.chkShift->click();
    typeInto(d.cboShift->lineEdit(), QStringLiteral("3"));
    d.cboDispenser->setCurrentIndex(2);
    Requested r = generate(d);
    EXPECT_EQ(r.startDate, today.addDays(-9).toString(QStringLiteral("MM/dd/yyyy")));
    EXPECT_EQ(r.endDate, today.toString(QStringLiteral("MM/dd/yyyy")));
    EXPECT_EQ(r.shift, QStringLiteral("3"));
    EXPECT_EQ(r.reportType, 1);
    EXPECT_EQ(r.inOrOut, 1);
    EXPECT_EQ(r.classification, QString());  // another site: the hidden list, nothing chosen
    EXPECT_EQ(r.dispenser, QString());       // the frame hidden
    d.fraDispenser->setVisible(true);
    EXPECT_EQ(generate(d).dispenser, QStringLiteral("1001"));
    d.cboDispenser->setCurrentIndex(0);
    EXPECT_EQ(generate(d).dispenser, QString());

    gSiteCode = QStringLiteral("OXBEN");
    frmReportsRange& oxben = ranged(22);
    EXPECT_TRUE(oxben.cboClass->isVisibleTo(&oxben));
    EXPECT_EQ(oxben.cboClass->count(), 2);
    EXPECT_EQ(generate(oxben).classification, QString());
    oxben.cboClass->setCurrentIndex(1);
    EXPECT_EQ(generate(oxben).classification, QStringLiteral("C02"));
    oxben.chkClass->click();
    EXPECT_FALSE(oxben.cboClass->isEnabled());
    EXPECT_EQ(generate(oxben).classification, QStringLiteral("%"));
    EXPECT_EQ(oxben.findChild<QCheckBox*>(QStringLiteral("chkType"))->isChecked(), true);
}

TEST_P(ReportChoosersTest, CommandsOpenTheChoosersWithTheirTypeAndControlStates) {
    RegisterReportWindowOpeners();
    bool perShiftEnabled = false;
    QString caption;
    platform.modal->onShow(QStringLiteral("qx::frmReports"), [&](QWidget& w) {
        auto& d = static_cast<frmReports&>(w);
        caption = d.windowTitle();
        perShiftEnabled = d.chkShift->isEnabled();
        d.chkShift->click();
        d.cmdGenerate->click();
        d.cmdClose->click();
    });
    requests.clear();
    OpenWindow(QStringLiteral("frmReports"), {{QStringLiteral("ReportType"), 4}, {QStringLiteral("chkShift.Enabled"), true}});
    EXPECT_EQ(caption, QStringLiteral("OPD Daily Income Report"));
    EXPECT_TRUE(perShiftEnabled);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(last().code, 36);
    // Loaded afresh: the next command finds the design states again.
    OpenWindow(QStringLiteral("frmReports"), {{QStringLiteral("ReportType"), 4}});
    EXPECT_FALSE(perShiftEnabled);

    bool dispenserShown = false;
    platform.modal->onShow(QStringLiteral("qx::frmReportsRange"), [&](QWidget& w) {
        auto& d = static_cast<frmReportsRange&>(w);
        dispenserShown = d.fraDispenser->isVisible();
        d.chkSummary->click();
        d.cmdGenerate->click();
    });
    requests.clear();
    OpenWindow(QStringLiteral("frmReportsRange"), {{QStringLiteral("ReportType"), 8},
                                                   {QStringLiteral("chkSummary.Visible"), true},
                                                   {QStringLiteral("fraDispenser.Visible"), true}});
    EXPECT_TRUE(dispenserShown);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(last().code, 48);
}

// ---- The income summary ----

TEST(IncomeSummaryPlan, EachSiteRunsItsProceduresInOrderThenItsCode) {
    auto described = [](const QString& site) {
        const IncomeSummaryPlan plan = IncomeSummaryPlanFor(site);
        QStringList steps;
        for (const IncomeSummaryStep& s : plan.steps)
            steps << s.procedure + (s.takesRange ? QStringLiteral("(range)") : QString());
        return steps.join(u' ') + QStringLiteral(" -> %1").arg(plan.reportCode);
    };
    EXPECT_EQ(described(QStringLiteral("FLQC")), QStringLiteral("PharmaIncomeSummary_Delete_Ver1 PharmaIncomeSummary_Load_Ver1(range) "
                                                                "PharmaIncomeSummary_Load_Two_Ver1(range) -> 61"));
    EXPECT_EQ(described(QStringLiteral("JAWKC")), QStringLiteral("PharmaIncomeSummary_Clear PharmaIncomeSummary_Load_InAndOut(range) "
                                                                 "PharmaIncomeSummary_Load_Cash(range) -> 61"));
    EXPECT_EQ(described(QStringLiteral("KTH")), QStringLiteral("PharmaIncomeSummary_Delete PharmaIncomeSummary_Load(range) "
                                                               "PharmaIncomeSummary_Load_Two(range) -> 6"));
    const QString other = QStringLiteral("Pharma_IncomeSummaryDeleteCash PharmaIncomeSummary_Delete PharmaIncomeSummary_Load(range) -> 6");
    EXPECT_EQ(described(QStringLiteral("DEMO")), other);
    EXPECT_EQ(described(QStringLiteral("kth")), other);
}

class IncomeSummaryTest : public ReportChoosersTest {
protected:
    void SetUp() override {
        ReportChoosersTest::SetUp();
        if (IsSkipped())
            return;
        addIncomeDay(db());
    }
    // The work rows of a connection, one "kind day net" text each.
    static QStringList summaryRows(Connection& c) {
        const Recordset rows = c.callProcedure(QStringLiteral("Pharma_IncomeSummaryRows")).value_or(Recordset());
        QStringList out;
        for (int row = 0; row < rows.recordCount(); ++row)
            out << QStringLiteral("%1 %2 %3").arg(rows.valueAt(row, QStringLiteral("PatientKind")).toString(),
                                                  parseDbDateTime(rows.valueAt(row, QStringLiteral("ReportDay")))
                                                      .toString(QStringLiteral("MM/dd/yyyy")),
                                                  QString::number(rows.valueAt(row, QStringLiteral("Net")).toDouble(), 'f', 2));
        return out;
    }
    frmReportsRange& summaryChooser(const QDate& from, const QDate& to) {
        frmReportsRange& d = ranged(1);
        d.dpStartDate->setMaxDate(QDate(2026, 12, 31));
        d.dpEndDate->setMaxDate(QDate(2026, 12, 31));
        d.dpStartDate->setValue(QDateTime(from, QTime(0, 0)));
        d.dpEndDate->setValue(QDateTime(to, QTime(0, 0)));
        return d;
    }
};

TEST_P(IncomeSummaryTest, EachSitePreparesItsRowsAndOpensItsFile) {
    struct Case {
        const char* site;
        bool newFormat;
        qint16 code;
        const char* file;
        QStringList rows;
    };
    const QStringList charges{"I 12/09/2026 338.60", "I 12/10/2026 99.00", "O 12/09/2026 50.00"};
    const QStringList withCash = charges + QStringList{"C 12/08/2026 36.00", "C 12/09/2026 135.75"};
    const Case cases[] = {
        {"FLQC", true, 61, "IncomeStmt.rpt", withCash},
        {"JAWKC", false, 61, "IncomeStmt.rpt", withCash},
        {"KTH", false, 6, "IncomeStmt.rpt", withCash},
        {"DEMO", true, 6, "IncomeSummaryNew.rpt", charges},
        {"DEMO", false, 6, "IncomeSummary.rpt", charges},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.site);
        gSiteCode = QString::fromLatin1(c.site);
        frmReportsRange& d = summaryChooser(QDate(2026, 12, 1), QDate(2026, 12, 10));
        d.chkType->setChecked(c.newFormat);
        QString file;
        platform.modal->onShow(QStringLiteral("qx::frmView"), [&](QWidget& w) {
            const frmView& v = static_cast<frmView&>(w);
            Requested shown;
            shown.code = v.WhatReport();
            shown.startDate = v.StartDate();
            shown.endDate = v.EndDate();
            requests.push_back(shown);
            file = QFileInfo(static_cast<frmView&>(w).report()->fileName()).fileName();
        });
        requests.clear();
        d.cmdGenerate->click();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(last().code, c.code);
        EXPECT_EQ(last().startDate, QStringLiteral("12/01/2026"));
        EXPECT_EQ(last().endDate, QStringLiteral("12/10/2026"));
        EXPECT_EQ(file, QString::fromLatin1(c.file));
        EXPECT_EQ(summaryRows(db()), c.rows);
    }
}

TEST_P(IncomeSummaryTest, AFailingLoadKeepsThePreviousRowsAndOpensNothing) {
    gSiteCode = QStringLiteral("KTH");
    summaryChooser(QDate(2026, 12, 9), QDate(2026, 12, 9)).cmdGenerate->click();
    const QStringList before = summaryRows(db());
    ASSERT_EQ(before, (QStringList{"I 12/09/2026 338.60", "O 12/09/2026 50.00", "C 12/09/2026 135.75"}));
    // The cash load fails: a trigger refuses its rows.
    if (db().isSQLite())
        db().executeScript(QStringLiteral("CREATE TEMP TRIGGER qx_refuse_cash BEFORE INSERT ON tbPharmaIncomeSummary "
                                          "WHEN NEW.PatientKind = 'C' BEGIN SELECT RAISE(ABORT, 'cash refused'); END"));
    else
        db().executeScript(QStringLiteral(
            "CREATE FUNCTION pg_temp.qx_refuse_cash() RETURNS trigger LANGUAGE plpgsql AS "
            "$$BEGIN RAISE EXCEPTION 'cash refused'; END$$; "
            "CREATE TRIGGER qx_refuse_cash BEFORE INSERT ON tbPharmaIncomeSummary FOR EACH ROW "
            "WHEN (NEW.PatientKind = 'C') EXECUTE FUNCTION pg_temp.qx_refuse_cash()"));
    requests.clear();
    platform.messages->clear();
    summaryChooser(QDate(2026, 12, 1), QDate(2026, 12, 10)).cmdGenerate->click();
    EXPECT_TRUE(requests.empty());
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_TRUE(platform.messages->boxes()[0].text.contains(QStringLiteral("cash refused")));
    EXPECT_EQ(summaryRows(db()), before);
}

TEST_P(IncomeSummaryTest, TwoWorkstationsPreparingAtOnceKeepTheirOwnRows) {
    std::unique_ptr<Connection> other = testDatabase().openAnother();
    const IncomeSummaryPlan plan = IncomeSummaryPlanFor(QStringLiteral("KTH"));
    PrepareIncomeSummary(db(), plan, QStringLiteral("12/09/2026"), QStringLiteral("12/09/2026"));
    PrepareIncomeSummary(*other, plan, QStringLiteral("12/08/2026"), QStringLiteral("12/08/2026"));
    EXPECT_EQ(summaryRows(db()), (QStringList{"I 12/09/2026 338.60", "O 12/09/2026 50.00", "C 12/09/2026 135.75"}));
    EXPECT_EQ(summaryRows(*other), (QStringList{"C 12/08/2026 36.00"}));
}

// The summary files over the small day, without the choosers.
class IncomeSummaryFilesTest : public CatalogueRequestTest {
protected:
    void SetUp() override {
        CatalogueRequestTest::SetUp();
        if (IsSkipped())
            return;
        addIncomeDay(db());
    }
};

TEST_P(IncomeSummaryFilesTest, SummaryFilesRenderAsTheirGoldenFiles) {
    PrepareIncomeSummary(db(), IncomeSummaryPlanFor(QStringLiteral("KTH")), QStringLiteral("12/08/2026"),
                         QStringLiteral("12/10/2026"));
    ReportWindow().setStartDate(QStringLiteral("12/08/2026"));
    ReportWindow().setEndDate(QStringLiteral("12/10/2026"));
    ReportWindow().setReportType(1);
    gSiteCode = QStringLiteral("DEMO");
    const Shown summary = show(6);
    EXPECT_EQ(summary.file, QStringLiteral("IncomeSummaryNew.rpt"));
    expectReportGolden(QStringLiteral("IncomeSummaryNew.txt"), summary.text);
    expectReportGolden(QStringLiteral("IncomeSummaryNew.csv"), summary.csv);
    const Shown statement = show(61);
    expectReportGolden(QStringLiteral("IncomeStmt.txt"), statement.text);
    expectReportGolden(QStringLiteral("IncomeStmt.csv"), statement.csv);
}

TEST_P(CatalogueDemoTest, IncomeSummaryFilesOpenOnTheDemoData) {
    auto prepared = [this](const char* site) {
        return [this, site] {
            PrepareIncomeSummary(db(), IncomeSummaryPlanFor(QString::fromLatin1(site)), rangeStart(), today());
        };
    };
    auto format = [](qint16 type) { return [type](frmView& v) { v.setReportType(type); }; };
    expectEveryCodeOpens({
        {6, format(1), QStringLiteral("DEMO"), prepared("DEMO")},
        {6, format(0), QStringLiteral("DEMO"), prepared("DEMO")},
        {6, format(0), QStringLiteral("KTH"), prepared("KTH")},
        {61, format(1), QStringLiteral("FLQC"), prepared("FLQC")},
    });
}

QX_ON_BOTH_ENGINES(ReportChoosersTest);
QX_ON_BOTH_ENGINES(IncomeSummaryTest);
QX_ON_BOTH_ENGINES(IncomeSummaryFilesTest);

} // namespace
