#include "ReportWindowFixture.h"
#include "platform/ErrorHandling.h"
#include "platform/PictureButton.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "platform/report/ReportViewer.h"
#include "shell/HospitalSettings.h"
#include "shell/ReportOpening.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolBar>
#include "platform/WidgetInput.h"

using namespace qx;
using namespace qx::test;

namespace {

// One line of text with the hospital's texts and a parameter, read on the program's connection.
const QString kProbeReport = QStringLiteral(
    "title \"Probe\"\n"
    "parameter REFNUM text default=\"saved\"\n"
    "parameter \" hospitalname \" text\n"
    "table tbInvMaster location=\"INVENTORY.dbo.tbInvMaster\"\n"
    "query\nSELECT 'PARACETAMOL 500MG' AS ItemName, 1234.5 AS Amount\nend\n"
    "column ItemName field=ItemName heading=\"Item\" width=60\n"
    "column Amount field=Amount heading=\"Amount\" width=30 format=\"#,##0.00\" sum\n"
    "reportheader\n  text \"{TITLE} / {SUBTITLE} / {REFNUM}\"\nend\n");

// The report file opened as an opener opens it, nothing else handed back.
OpenedReport openedFile(const QString& fileName) {
    OpenedReport opened;
    opened.report = report::Report::open(ResolveReportPath(fileName));
    return opened;
}

class frmViewTest : public ReportWindowTest {
protected:
    void SetUp() override {
        ReportWindowTest::SetUp();
        probePath = writeProgramFile(QStringLiteral("Reports/Probe.rpt"), kProbeReport);
    }

    // An opener for `code` that opens Probe.rpt, gives REFNUM the request's vlRefnum and
    // records which code reached it.
    void registerProbe(qint16 code, const QString& caption = QStringLiteral("Probe Caption"), bool flag = false,
                       bool path = false) {
        RegisterReportOpener(code, QStringLiteral("OpenProbe%1").arg(code), [=, this](const frmView& request) {
            opened << request.WhatReport();
            OpenedReport r;
            r.report = report::Report::open(ResolveReportPath(QStringLiteral("Probe.rpt")));
            r.report->parameter(0).addCurrentValue(request.vlRefnum());
            r.caption = caption;
            r.exportFlag = flag;
            if (path)
                r.reportPath = probePath;
            return r;
        });
    }

    QString probePath;
    QList<qint16> opened;
};

TEST_P(frmViewTest, RequestMembersKeepTheirValuesBetweenRequests) {
    QStringList seen;
    RegisterReportOpener(57, QStringLiteral("OpenCreditMemo"), [&](const frmView& r) {
        seen << QStringList{r.CreditMemo(), r.PatientName(), r.StartDate(), r.RangeStart,
                            Format(r.TotalPosted(), QStringLiteral("#,##0.00")), Text(r.Checked()),
                            Text(r.IN_OR_OUT()), Format(r.ReportDate(), QStringLiteral("mm/dd/yyyy"))}
                    .join(u'|');
        OpenedReport opened;
        opened.report = report::Report::open(ResolveReportPath(QStringLiteral("Probe.rpt")));
        return opened;
    });
    frmView& view = ReportWindow();
    view.setPatientName(QStringLiteral("O'NEIL, MARY"));
    view.setStartDate(QStringLiteral("12/01/2026"));
    view.RangeStart = QStringLiteral("SI000100");
    view.setTotalPosted(1293.305);
    view.setChecked(true);
    view.setIN_OR_OUT(1);
    view.setReportDate(QDateTime(QDate(2026, 12, 9), QTime(0, 0)));
    view.setCreditMemo(QStringLiteral("CM0001"));
    view.setWhatReport(57);
    ASSERT_TRUE(request());

    // A later requester sets only the code and the credit memo.
    ReportWindow().setWhatReport(57);
    ReportWindow().setCreditMemo(QStringLiteral("CM0002"));
    ASSERT_TRUE(request());
    EXPECT_EQ(seen, (QStringList{"CM0001|O'NEIL, MARY|12/01/2026|SI000100|1,293.31|True|1|12/09/2026",
                                 "CM0002|O'NEIL, MARY|12/01/2026|SI000100|1,293.31|True|1|12/09/2026"}));
    EXPECT_EQ(&ReportWindow(), &view);
}

TEST_P(frmViewTest, EachCodeReachesItsOwnOpenerAndTheWindowShowsItsReport) {
    registerProbe(4, QStringLiteral("Daily Income"));
    registerProbe(75, QStringLiteral("Chargeslip Slip"));
    registerProbe(88, QString());
    struct Case {
        qint16 code;
        const char* caption;
    };
    for (const Case& c : {Case{75, "Chargeslip Slip"}, Case{4, "Daily Income"}, Case{88, "Form1"}}) {
        SCOPED_TRACE(c.code);
        opened.clear();
        ReportWindow().setWhatReport(c.code);
        ReportWindow().setVlRefnum(QStringLiteral("REF%1").arg(c.code));
        QString caption, header;
        ASSERT_TRUE(request([&](frmView& w) {
            caption = w.windowTitle();
            EXPECT_TRUE(w.isMaximized());
            EXPECT_EQ(w.CRViewer1->pageCount(), 1);
            for (const QString& line : w.report()->document().toText().split(u'\n'))
                if (line.contains(QStringLiteral(" / ")) && header.isEmpty())
                    header = line.trimmed();
            EXPECT_FALSE(w.pctMore->isVisible());
        }));
        EXPECT_EQ(opened, QList<qint16>{c.code});
        EXPECT_EQ(caption, QString::fromLatin1(c.caption));
        // The hospital's texts replace the report's own title and second text.
        EXPECT_EQ(header, QStringLiteral("ST. JUDE'S HOSPITAL / 1 MAIN ST / REF%1").arg(c.code));
        EXPECT_EQ(ReportWindow().report(), nullptr) << "the report is released when the window closes";
    }
    EXPECT_FALSE(platform.cursor->isBusy());
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST_P(frmViewTest, ARequestReachingAWindowStillUpOpensNoSecondReport) {
    registerProbe(1);
    registerProbe(58);
    frmView& view = ReportWindow();
    view.setWhatReport(1);
    view.show();  // shown without waiting, as the admission list is
    ASSERT_TRUE(view.isVisible());
    const auto first = view.report();
    view.setWhatReport(58);
    view.show();
    EXPECT_EQ(opened, QList<qint16>{1});
    EXPECT_EQ(view.report(), first);
    view.close();
    EXPECT_EQ(view.report(), nullptr);
    view.show();
    EXPECT_EQ(opened, (QList<qint16>{1, 58}));
    view.close();
}

TEST_P(frmViewTest, AReportHandedOverWhileTheWindowIsUpIsShownAtTheNextShowing) {
    registerProbe(1);
    frmView& view = ReportWindow();
    view.setWhatReport(1);
    view.show();  // the admission list, left up
    const auto first = view.report();
    auto supplied = report::Report::open(probePath);
    view.LoadReport(supplied);
    EXPECT_EQ(view.report(), first);
    // A modal showing takes the window down first, as the modal service does with a window up.
    view.close();
    ASSERT_TRUE(request([&](frmView& w) { EXPECT_EQ(w.report(), supplied); }));
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_P(frmViewTest, TablesAreLoggedOnByCodeAndLocation) {
    writeProgramFile(QStringLiteral("Reports/Tables.rpt"),
                     QStringLiteral("table a location=\"INVENTORY.dbo.tbInvMaster\"\n"
                                    "table b location=\"PATIENT_DATA.dbo.tbPatient\"\n"
                                    "table c location=\"INVENTORY.dbo.tbmaster\"\n"
                                    "table d location=\"Station.dbo.tbpatient2\"\n"
                                    "table e location=\"BILLING.dbo.tbCashAssessment\"\n"));
    for (qint16 code : {1, 18})
        RegisterReportOpener(code, QStringLiteral("OpenTables"), [](const frmView&) {
            return openedFile(QStringLiteral("Tables.rpt"));
        });
    struct Case {
        qint16 code;
        QStringList locations;
    };
    const Case cases[] = {
        {1, {"Inventory.dbo.tbInvMaster", "Inventory.dbo.tbPatient", "PATIENT_DATA.dbo.tbmaster",
             "PATIENT_DATA.dbo.tbpatient2", "Inventory.dbo.tbCashAssessment"}},
        {18, {"Billing.dbo.tbInvMaster", "Billing.dbo.tbPatient", "Billing.dbo.tbmaster", "Billing.dbo.tbpatient2",
              "Billing.dbo.tbCashAssessment"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ReportWindow().setWhatReport(c.code);
        QStringList locations, databases;
        ASSERT_TRUE(request([&](frmView& w) {
            for (const auto& t : w.report()->databaseTables()) {
                locations << t.location();
                databases << t.logOnDatabase();
            }
        }));
        EXPECT_EQ(locations, c.locations);
        QStringList expectedDatabases;
        for (const QString& l : c.locations)
            expectedDatabases << l.section(u'.', 0, 0);
        EXPECT_EQ(databases, expectedDatabases);
    }
}

TEST_P(frmViewTest, TableLocationWithoutPointIsAnErrorOfTheLogon) {
    writeProgramFile(QStringLiteral("Reports/NoPoint.rpt"), QStringLiteral("table a location=\"tbInvMaster\"\n"));
    RegisterReportOpener(2, QStringLiteral("OpenDailyDischarge"), [](const frmView&) {
        return openedFile(QStringLiteral("NoPoint.rpt"));
    });
    ReportWindow().setWhatReport(2);
    EXPECT_FALSE(request());
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Application Error"));
    EXPECT_TRUE(platform.messages->last().text.contains(QStringLiteral("\"tbInvMaster\" has no \".\"")));
    EXPECT_TRUE(platform.messages->last().text.contains(QStringLiteral("in prjQuillax.frmView.SetLogOnInfo at line")));
    EXPECT_EQ(platform.programEnd->ended(), 1);
}

TEST_P(frmViewTest, SuppliedReportIsShownAsHandedOverUnderTheHospitalsTexts) {
    setKelvarHospital(true);
    registerProbe(4);
    auto supplied = report::Report::open(probePath);
    supplied->parameter(0).addCurrentValue(QStringLiteral("CALLER'S"));
    supplied->setTitle(QStringLiteral("caller's title"));
    supplied->databaseTables()[0].setLocation(QStringLiteral("PATIENT_DATA.dbo.tbmaster"));
    ReportWindow().setWhatReport(4);
    ReportWindow().LoadReport(supplied);
    EXPECT_EQ(ReportWindow().WhatReport(), 999);
    EXPECT_EQ(platform.modal->shown(), QStringList{}) << "handing a report over does not show the window";

    QString caption;
    ASSERT_TRUE(request([&](frmView& w) {
        caption = w.windowTitle();
        EXPECT_EQ(w.report(), supplied);
    }));
    EXPECT_EQ(caption, QStringLiteral("Form1"));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(supplied->title(), QStringLiteral("ST. JUDE'S HOSPITAL"));
    EXPECT_EQ(supplied->subtitle(), QStringLiteral("1 MAIN ST"));
    EXPECT_EQ(supplied->parameter(0).effectiveValue().toString(), QStringLiteral("CALLER'S"));
    EXPECT_EQ(supplied->databaseTables()[0].location(), QStringLiteral("PATIENT_DATA.dbo.tbmaster"));
    EXPECT_TRUE(platform.messages->boxes().empty()) << "a supplied report never offers the export";

    // The supplied report ends with the showing: the same code again has nothing to show.
    EXPECT_FALSE(request());
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Report 999 is not installed."));
}

TEST_P(frmViewTest, ReportNotInstalledIsToldAndTheProgramGoesOn) {
    registerProbe(6);
    RegisterReportOpener(7, QStringLiteral("OpenDistributionReport"), [](const frmView&) {
        return openedFile(QStringLiteral("Distribution.rpt"));
    });
    ReportWindow().setWhatReport(12);
    EXPECT_FALSE(request());
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Report 12 is not installed."));
    EXPECT_EQ(platform.messages->last().icon(), vbExclamation);

    ReportWindow().setWhatReport(7);
    EXPECT_FALSE(request());
    EXPECT_EQ(platform.messages->last().text,
              QStringLiteral("Report 7 is not installed: File ") +
                  QDir(platform.folders->program).filePath(QStringLiteral("Distribution.rpt")) +
                  QStringLiteral(" does not exists."));
    EXPECT_EQ(platform.programEnd->ended(), 0);
    EXPECT_FALSE(platform.cursor->isBusy());

    // The next request works as ever.
    ReportWindow().setWhatReport(6);
    EXPECT_TRUE(request());
}

TEST_P(frmViewTest, OtherOpenerErrorsFollowTheErrorConventionUnderTheOpenersName) {
    writeProgramFile(QStringLiteral("Reports/Typed.rpt"), QStringLiteral("parameter Amount number\n"));
    RegisterReportOpener(9, QStringLiteral("OpenPostedByIndividual"), [](const frmView& r) {
        OpenedReport opened = openedFile(QStringLiteral("Typed.rpt"));
        opened.report->parameter(0).addCurrentValue(r.PatientName());
        return opened;
    });
    ReportWindow().setPatientName(QStringLiteral("not a number"));
    ReportWindow().setWhatReport(9);
    EXPECT_FALSE(request());
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Application Error"));
    EXPECT_TRUE(platform.messages->last().text.contains(QStringLiteral("in prjQuillax.frmView.OpenPostedByIndividual at line")));
    EXPECT_EQ(platform.programEnd->ended(), 1);
}

TEST_P(frmViewTest, PrintSetsClickedPrintAndClosesOtherWaysDoNot) {
    QTemporaryDir printed;
    report::setPrintFolder(printed.path());
    registerProbe(75);
    ReportWindow().setWhatReport(75);
    auto acceptPrinter = [this] {
        platform.modal->onNextShow([](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
    };

    // The panel's print prints and leaves the window up and clickedPrint false.
    bool stillUp = false;
    ASSERT_TRUE(request([&](frmView& w) {
        EXPECT_FALSE(w.pctMore->isVisible());
        w.cmdMore->click();
        EXPECT_TRUE(w.pctMore->isVisible());
        acceptPrinter();
        w.imgPrint->click();
        stillUp = w.isVisible();
        w.cmdMore->click();
        EXPECT_FALSE(w.pctMore->isVisible());
        // Enter closes without printing.
        pressKey(w.cmdPrint, Qt::Key_Return);
        EXPECT_FALSE(w.isVisible());
    }));
    EXPECT_TRUE(stillUp);
    EXPECT_FALSE(ReportWindow().clickedPrint);
    EXPECT_EQ(platform.modal->leftOpen(), 0);

    // Print prints, tells the requester and closes, whatever the printer dialog's answer.
    ASSERT_TRUE(request([&](frmView& w) {
        platform.modal->onNextShow([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
        w.cmdPrint->click();
    }));
    EXPECT_TRUE(ReportWindow().clickedPrint);
    EXPECT_EQ(platform.modal->leftOpen(), 0);
    EXPECT_EQ(QDir(printed.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files),
              QStringList{QStringLiteral("Probe-1.pdf")});

    // It keeps telling so until the next loading.
    EXPECT_TRUE(ReportWindow().clickedPrint);
    ASSERT_TRUE(request([&](frmView& w) { EXPECT_FALSE(w.clickedPrint); }));
    EXPECT_FALSE(ReportWindow().clickedPrint);
}

TEST_P(frmViewTest, PrintFailureIsToldAndTheWindowStaysUp) {
    report::setPrintFolder(QDir(platform.folders->documents).filePath(QStringLiteral("blocked/x")));
    writeProgramFile(QStringLiteral("../documents/blocked"), QStringLiteral("a file where a folder should be"));
    registerProbe(75);
    auto viewersOwnPrint = [](frmView& w) {
        for (QAction* a : w.CRViewer1->toolBar()->actions())
            if (a->text() == QStringLiteral("Print"))
                a->trigger();
    };
    struct Case {
        const char* command;
        std::function<void(frmView&)> press;
    };
    const Case cases[] = {{"Print button", [](frmView& w) { w.cmdPrint->click(); }},
                          {"the viewer's own print", viewersOwnPrint}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        platform.messages->clear();
        ReportWindow().setWhatReport(75);
        bool stillUp = false;
        ASSERT_TRUE(request([&](frmView& w) {
            platform.modal->onNextShow([](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
            EXPECT_NO_THROW(c.press(w));
            stillUp = w.isVisible();
        }));
        EXPECT_TRUE(stillUp);
        EXPECT_FALSE(ReportWindow().clickedPrint);
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_TRUE(platform.messages->last().text.startsWith(QStringLiteral("The report was not printed.\n")));
        EXPECT_EQ(platform.messages->last().icon(), vbExclamation);
        EXPECT_EQ(platform.programEnd->ended(), 0);
    }
}

TEST_P(frmViewTest, ExportOnOpeningWritesAWorkbookNamedAfterTheReportAndTheServerClock) {
    setKelvarHospital(true);
    registerProbe(4, QStringLiteral("Daily Income"), true, true);
    registerProbe(1, QStringLiteral("Admissions"), true, false);
    registerProbe(80, QStringLiteral("E-Cart"), false, true);
    const QDir documents(platform.folders->documents);
    auto exported = [&] { return documents.entryList({QStringLiteral("*.xlsx")}, QDir::Files); };

    // No: nothing written, the report still shown.
    platform.messages->answer(vbNo);
    ReportWindow().setWhatReport(4);
    EXPECT_TRUE(request());
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Do you want to export the file?"));
    EXPECT_EQ(platform.messages->last().style, vbYesNo + vbInformation);
    EXPECT_EQ(platform.messages->last().title, kProductTitle);
    EXPECT_TRUE(exported().isEmpty());

    // Yes: the question comes before the window, then the workbook and its message.
    platform.messages->clear();
    platform.messages->answer(vbYes);
    const QDateTime before = db().serverNow().addSecs(-1);
    bool windowUpAtQuestion = true;
    platform.messages->onShow([&](const auto&) { windowUpAtQuestion = ReportWindow().isVisible(); });
    EXPECT_TRUE(request());
    platform.messages->onShow({});
    EXPECT_FALSE(windowUpAtQuestion);
    ASSERT_EQ(exported().size(), 1);
    const QString name = exported().constFirst();
    const QRegularExpression pattern(QStringLiteral("^Probe\\.(\\d{4}\\.\\d{2}\\.\\d{2}\\.\\d{2}\\.\\d{2}\\.\\d{2})\\.xlsx$"));
    const auto match = pattern.match(name);
    ASSERT_TRUE(match.hasMatch()) << name.toStdString();
    const QDateTime stamp = QDateTime::fromString(match.captured(1), QStringLiteral("yyyy.MM.dd.HH.mm.ss"));
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, db().serverNow().addSecs(1));
    ASSERT_EQ(platform.messages->boxes().size(), 2u);
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Report was successfully exported to ") + documents.filePath(name));
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Information"));
    const QString sheet = unzipMember(documents.filePath(name), QStringLiteral("xl/worksheets/sheet1.xml"));
    const QString strings = unzipMember(documents.filePath(name), QStringLiteral("xl/sharedStrings.xml"));
    EXPECT_TRUE(strings.contains(QStringLiteral("PARACETAMOL 500MG"))) << strings.toStdString();
    EXPECT_TRUE(sheet.contains(QStringLiteral("<v>1234.5</v>"))) << sheet.toStdString();
    QFile::remove(documents.filePath(name));

    // An opener that hands back no path: the name begins with the point.
    platform.messages->answer(vbYes);
    ReportWindow().setWhatReport(1);
    EXPECT_TRUE(request());
    ASSERT_EQ(exported().size(), 0) << "a name starting with the point is hidden from the listing";
    const QStringList hidden = documents.entryList({QStringLiteral(".*.xlsx")}, QDir::Files | QDir::Hidden);
    ASSERT_EQ(hidden.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\.\\d{4}\\.\\d{2}\\.\\d{2}\\.\\d{2}\\.\\d{2}\\.\\d{2}\\.xlsx$"))
                    .match(hidden.constFirst())
                    .hasMatch());

    // An opener that takes no flag never asks, Kelvar hospital or not.
    platform.messages->clear();
    ReportWindow().setWhatReport(80);
    EXPECT_TRUE(request());
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_P(frmViewTest, NoExportQuestionAwayFromKelvarHospitals) {
    setKelvarHospital(false);
    RegisterReportOpener(4, QStringLiteral("OpenIncomeReport"), [](const frmView&) {
        OpenedReport r = openedFile(QStringLiteral("Probe.rpt"));
        r.exportFlag = gPharmaSwitches.IsKelvarHospital();
        return r;
    });
    ReportWindow().setWhatReport(4);
    EXPECT_TRUE(request());
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_P(frmViewTest, FailedExportOnOpeningIsToldAndTheReportStillShows) {
    setKelvarHospital(true);
    registerProbe(4, QStringLiteral("Daily Income"), true, true);
    // A file stands where the documents folder should be.
    QDir(platform.folders->documents).removeRecursively();
    writeProgramFile(QStringLiteral("../documents"), QStringLiteral("not a folder"));
    platform.messages->answer(vbYes);
    ReportWindow().setWhatReport(4);
    EXPECT_TRUE(request());
    EXPECT_TRUE(platform.messages->last().text.startsWith(QStringLiteral("The report could not be exported to ") +
                                                           platform.folders->documents + QStringLiteral("/Probe.")));
    EXPECT_EQ(platform.messages->last().icon(), vbExclamation);
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST_P(frmViewTest, PanelExportsWriteTheFileTheUserChooses) {
    registerProbe(75);
    ReportWindow().setWhatReport(75);
    const QDir out(platform.folders->documents);
    auto chooseFile = [&](const QString& name, const QString& expectedFilter) {
        platform.modal->onNextShow([=](QWidget& dialog) {
            auto& d = static_cast<QFileDialog&>(dialog);
            EXPECT_EQ(d.nameFilters(), QStringList{expectedFilter});
            d.setDirectory(out.path());
            if (auto* edit = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                edit->setText(name);
            static_cast<QDialog&>(d).accept();
        });
    };
    ASSERT_TRUE(request([&](frmView& w) {
        w.cmdMore->click();
        chooseFile(QStringLiteral("income"), QStringLiteral("Microsoft Excel (*.xlsx)"));
        w.imgExcel->click();
        chooseFile(QStringLiteral("income.rtf"), QStringLiteral("Rich Text Format (*.rtf)"));
        w.imgRTF->click();
        // Cancelling writes nothing.
        platform.modal->onNextShow([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
        w.imgRTF->click();
        EXPECT_TRUE(w.isVisible());
    }));
    EXPECT_FALSE(ReportWindow().clickedPrint);
    EXPECT_EQ(out.entryList(QDir::Files), (QStringList{"income.rtf", "income.xlsx"}));
    EXPECT_TRUE(unzipMember(out.filePath(QStringLiteral("income.xlsx")), QStringLiteral("xl/sharedStrings.xml"))
                    .contains(QStringLiteral("PARACETAMOL 500MG")));
    const QString rtf = readFile(out.filePath(QStringLiteral("income.rtf")));
    EXPECT_TRUE(rtf.startsWith(QStringLiteral("{\\rtf1")));
    EXPECT_TRUE(rtf.contains(QStringLiteral("PARACETAMOL 500MG")));
    EXPECT_TRUE(rtf.contains(QStringLiteral("1,234.50")));
}

TEST_P(frmViewTest, FailedPanelExportIsToldAndTheWindowStaysUp) {
    registerProbe(75);
    ReportWindow().setWhatReport(75);
    const QString blocked = QDir(platform.folders->documents).filePath(QStringLiteral("blocked"));
    writeProgramFile(QStringLiteral("../documents/blocked"), QStringLiteral("a file where a folder should be"));
    bool stillUp = false;
    ASSERT_TRUE(request([&](frmView& w) {
        platform.modal->onNextShow([&](QWidget& dialog) {
            auto& d = static_cast<QFileDialog&>(dialog);
            d.setDirectory(platform.folders->documents);
            if (auto* edit = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                edit->setText(QStringLiteral("blocked/income.xlsx"));
            static_cast<QDialog&>(d).accept();
        });
        w.imgExcel->click();
        stillUp = w.isVisible();
    }));
    EXPECT_TRUE(stillUp);
    EXPECT_TRUE(platform.messages->last().text.startsWith(QStringLiteral("The report could not be exported to ") + blocked));
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

QX_ON_SQLITE_ONLY(frmViewTest);

} // namespace
