#include "ReportFixtures.h"
#include "ReportTestSupport.h"
#include "ScriptedModalService.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "platform/report/ReportPrinter.h"
#include "platform/report/ReportViewer.h"
#include "platform/report/SharedReport.h"
#include "platform/report/frmReportViewer.h"
#include "platform/report/frmReportViewervbModal.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QTreeWidget>

using namespace qx;
using namespace qx::report;
using namespace qx::report::test;

namespace {

class ReportViewerTest : public qx::test::SqliteTest {
protected:
    void SetUp() override {
        SqliteTest::SetUp();
        fillUserLog(db());
    }
    void TearDown() override {
        gCrystalReport.reset();
        SqliteTest::TearDown();
    }
    ScriptedPlatform platform;
    QTemporaryDir out;
};

TEST_F(ReportViewerTest, WindowShowsTheSharedReportAndReleasesItOnClose) {
    gCrystalReport = openAuditTrail(db(), reportsFolder());
    std::weak_ptr<Report> opened = gCrystalReport;
    frmReportViewer w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Form1"));
    w.setShowGroupTree(false);
    w.setDirectPrint(false);
    w.setWindowTitle(QStringLiteral("Audit Trail Logs"));
    bool checked = false;
    platform.modal->onNextShow([&](QWidget& win) {
        EXPECT_TRUE(win.windowState() & Qt::WindowMaximized);
        EXPECT_EQ(w.CRViewer1->pageCount(), 2);
        EXPECT_EQ(w.CRViewer1->currentPage(), 1);
        EXPECT_EQ(w.CRViewer1->zoomLevel(), 1);
        EXPECT_FALSE(w.CRViewer1->isGroupTreeVisible());
        EXPECT_EQ(w.CRViewer1->geometry(), QRect(QPoint(0, 0), win.size()));
        w.CRViewer1->showNextPage();
        w.CRViewer1->showNextPage();
        EXPECT_EQ(w.CRViewer1->currentPage(), 2);
        win.close();
        checked = true;
    });
    showModal(w);
    EXPECT_TRUE(checked);
    EXPECT_EQ(platform.modal->leftOpen(), 0);
    EXPECT_EQ(gCrystalReport, nullptr);
    EXPECT_TRUE(opened.expired());

    // Shown again without a new opening: there is no report to show.
    frmReportViewer again;
    platform.modal->onNextShow([&](QWidget& win) {
        EXPECT_EQ(again.CRViewer1->pageCount(), 0);
        win.close();
    });
    showModal(again);
}

TEST_F(ReportViewerTest, ModalWindowShowsTheGroupTreeThatJumpsToPages) {
    gCrystalReport = openAuditTrail(db(), reportsFolder());
    frmReportViewervbModal w;
    w.setShowGroupTree(true);
    platform.modal->onNextShow([&](QWidget& win) {
        ReportViewer& v = *w.CRViewer1;
        ASSERT_TRUE(v.isGroupTreeVisible());
        QTreeWidget* tree = v.groupTree();
        ASSERT_EQ(tree->topLevelItemCount(), 3);
        EXPECT_EQ(tree->topLevelItem(2)->text(0), QStringLiteral("12/09/2026"));
        emit tree->itemClicked(tree->topLevelItem(2), 0);
        EXPECT_EQ(v.currentPage(), 2);
        emit tree->itemClicked(tree->topLevelItem(0), 0);
        EXPECT_EQ(v.currentPage(), 1);
        win.close();
    });
    showModal(w);
    EXPECT_EQ(gCrystalReport, nullptr);
}

TEST_F(ReportViewerTest, ViewerPagesZoomsPrintsAndExports) {
    ReportViewer v;
    v.resize(900, 700);
    v.setReportSource(openAuditTrail(db(), reportsFolder()));
    v.viewReport();
    v.showLastPage();
    EXPECT_EQ(v.currentPage(), 2);
    v.showNthPage(9);
    EXPECT_EQ(v.currentPage(), 2);
    v.showPreviousPage();
    v.showPreviousPage();
    EXPECT_EQ(v.currentPage(), 1);
    for (int level : {1, 2, 75, 400}) {
        v.zoom(level);
        EXPECT_EQ(v.zoomLevel(), level);
    }

    // The viewer's print goes through the printer dialog: cancelled, nothing prints.
    setPrintFolder(out.path());
    platform.modal->onNextShow([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
    v.printReport();
    platform.modal->onNextShow([](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
    v.printReport();
    setPrintFolder(QString());
    EXPECT_EQ(QDir(out.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files),
              QStringList{QStringLiteral("rptAuditTrail-1.pdf")});

    const QString target = out.filePath(QStringLiteral("audit"));
    platform.modal->onNextShow([&](QWidget& dialog) {
        auto& d = static_cast<QFileDialog&>(dialog);
        d.selectNameFilter(QStringLiteral("Rich Text Format (*.rtf)"));
        d.setDirectory(out.path());
        if (auto* name = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(QStringLiteral("audit"));
        static_cast<QDialog&>(d).accept();
    });
    v.exportReport();
    EXPECT_TRUE(QFileInfo::exists(target + QStringLiteral(".rtf")));
}

} // namespace
