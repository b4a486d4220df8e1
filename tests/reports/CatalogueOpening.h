#pragma once
#include "charging/ReportWindowFixture.h"
#include "platform/report/ReportTestSupport.h"
#include "platform/report/ReportViewer.h"
#include "reports/ReportCatalogue.h"
#include "shell/HospitalSettings.h"
#include "shell/frmShift.h"
#include "SourceTree.h"

#include <QDir>

namespace qx::test {

// One request of a catalogue code as its requester would send it; `site` and `setUp` pick the
// file variant (site code, switches) before the request.
struct CodeOpening {
    qint16 code;
    std::function<void(frmView&)> fill;
    QString site = {};
    std::function<void()> setUp = {};
};

// The report window over the demo databases with every shipped report installed and the
// catalogue registered, its request dated as the dialogs default it: today, and a range from
// the first day of the month two months back.
class CatalogueDemoTest : public ReportWindowTest {
protected:
    bool withDemo() const override { return true; }
    void SetUp() override {
        ReportWindowTest::SetUp();
        if (IsSkipped())
            return;
        RegisterReportOpeners();
        gLocationID = QStringLiteral("20");
        for (const QString& file : QDir(sourcePath(QStringLiteral("Reports"))).entryList({QStringLiteral("*.rpt")}))
            installShippedReport(file);
    }

    static QString today() { return QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy")); }
    static QString rangeStart() {
        const QDate start = QDate::currentDate().addMonths(-2);
        return QDate(start.year(), start.month(), 1).toString(QStringLiteral("MM/dd/yyyy"));
    }

    // Opens each code: no message, every parameter the file declares has a value, and at least
    // one detail line.
    void expectEveryCodeOpens(const QList<CodeOpening>& openings) {
        for (const CodeOpening& o : openings) {
            SCOPED_TRACE(QStringLiteral("code %1 at site \"%2\"").arg(o.code).arg(o.site).toStdString());
            gSiteCode = o.site;
            if (o.setUp)
                o.setUp();
            ReleaseReportWindow();
            frmView& window = ReportWindow();
            window.setReportDate(QDateTime(QDate::currentDate(), QTime(0, 0)));
            window.setStartDate(rangeStart());
            window.setEndDate(today());
            if (o.fill)
                o.fill(window);
            window.setWhatReport(o.code);
            platform.messages->clear();
            QStringList unset;
            int lines = -1;
            const bool shown = request([&](frmView& w) {
                for (auto& f : w.report()->parameterFields())
                    if (!f.hasCurrentValue())
                        unset << f.name();
                lines = w.report()->document().data().recordCount();
            });
            EXPECT_TRUE(shown);
            for (const auto& box : platform.messages->boxes())
                ADD_FAILURE() << box.text.toStdString();
            EXPECT_TRUE(unset.isEmpty()) << unset.join(u',').toStdString();
            EXPECT_GT(lines, 0);
        }
    }
};

// The report window with every shipped report installed and the catalogue registered; show()
// requests a code and reads what the window holds while it is up.
class CatalogueRequestTest : public ReportWindowTest {
protected:
    void SetUp() override {
        ReportWindowTest::SetUp();
        if (IsSkipped())
            return;
        RegisterReportOpeners();
        for (const QString& file : QDir(sourcePath(QStringLiteral("Reports"))).entryList({QStringLiteral("*.rpt")}))
            installShippedReport(file);
    }

    struct Shown {
        QString caption;
        QString file;         // the opened file's name
        QStringList values;   // "NAME=value", "-" for none, in the report's order
        QList<int> types;     // each value's type as the report holds it
        bool groupTree = true;
        QString text, csv;    // rendered at a fixed print time
    };
    Shown show(qint16 code) {
        ReportWindow().setWhatReport(code);
        Shown shown;
        EXPECT_TRUE(request([&](frmView& w) {
            shown.caption = w.windowTitle();
            shown.file = QFileInfo(w.report()->fileName()).fileName();
            for (auto& f : w.report()->parameterFields()) {
                shown.values << f.name() + u'=' + (f.hasCurrentValue() ? f.effectiveValue().toString() : QStringLiteral("-"));
                shown.types << f.effectiveValue().typeId();
            }
            shown.groupTree = w.CRViewer1->displayGroupTree();
            w.report()->setPrintTime(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
            shown.text = w.report()->document().toText();
            shown.csv = w.report()->document().toCsv();
        }));
        return shown;
    }
    // Shows a code through the opener the catalogue must name for it, the export question
    // answered No.
    Shown showThrough(qint16 code, const char* opener) {
        const ReportOpenerEntry* entry = FindReportOpener(code);
        EXPECT_NE(entry, nullptr);
        if (!entry)
            return {};
        EXPECT_EQ(entry->procedureName, QString::fromLatin1(opener));
        platform.messages->clear();
        platform.messages->answer(vbNo);
        return show(code);
    }
    // The sum of the Net column over the lines a code reads, as the report prints money.
    QString netOf(qint16 code) {
        ReportWindow().setWhatReport(code);
        QString net;
        EXPECT_TRUE(request([&](frmView& w) {
            const Recordset& lines = w.report()->document().data();
            double sum = 0;
            for (int row = 0; row < lines.recordCount(); ++row)
                sum += lines.valueAt(row, QStringLiteral("Net")).toDouble();
            net = QString::number(sum, 'f', 2);
        }));
        return net;
    }
};

// Compares a rendering with its reference under tests/reports/golden.
inline void expectReportGolden(const QString& name, const QString& actual) {
    report::test::expectGolden(QStringLiteral("../../../reports/golden/") + name, actual);
}

} // namespace qx::test
