#include "MainWindowFixture.h"
#include "ScriptedPickers.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/Twips.h"
#include "platform/WidgetColors.h"
#include "shell/WindowOpeners.h"

#include <QApplication>
#include <QDate>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolBar>
#include <QTreeWidget>

namespace qx::test {
namespace {

class frmPharmaLayoutTest : public MainWindowTest {
protected:
    void TearDown() override {
        ClearWindowOpeners();
        MainWindowTest::TearDown();
    }
    static void mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    static void key(QWidget* target, int code) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }
    // A window shown at a given size, laid out.
    std::unique_ptr<frmPharma> shownWindow(int width, int height) {
        // Past the first activation, with someone signed in.
        gFirstActivation = false;
        frmLogOff::Default().setEntered(true);
        auto window = std::make_unique<frmPharma>();
        window->resize(width, height);
        window->show();
        QApplication::processEvents();
        window->Form_Resize();
        return window;
    }
    static int twips(int pixels) { return pixelsToTwips(pixels); }
};

TEST_F(frmPharmaLayoutTest, IndicatorsStandAtTheirPlacesAsDesigned) {
    frmPharma window;
    struct Row {
        QWidget* control;
        const char* container;
        QRect twips;
        const char* caption;
        ColorValue back, fore;
        bool visible;
    };
    const ColorValue quiet = 0x800000, text = 0x80FFFF, alert = 0x40, badge = 0xFF, white = 0xFFFFFF;
    const Row rows[] = {
        {window.pictPending, "tbrPharma", {8850, 135, 2010, 330}, "", quiet, text, true},
        {window.lblPendingBlue, "pictPending", {-30, 0, 2070, 330}, "Pending Request :", quiet, text, true},
        {window.lblPendingRed, "pictPending", {-150, 0, 2175, 330}, " Pending Request", alert, text, false},
        {window.Picture1, "tbrPharma", {10920, 135, 1275, 330}, "", quiet, text, true},
        {window.lblPendingBlackIn, "Picture1", {0, 0, 1275, 330}, "In-Patient", alert, text, false},
        {window.lblPendingBlueIn, "Picture1", {0, 0, 1275, 330}, "In-Patient", quiet, text, true},
        {window.Picture4, "tbrPharma", {11880, 330, 405, 225}, "", badge, white, true},
        {window.lblCountInReq, "Picture4", {60, 0, 255, 165}, "", badge, white, true},
        {window.Picture2, "tbrPharma", {12225, 135, 1275, 330}, "", quiet, text, true},
        {window.lblPendingBlackOut, "Picture2", {0, 0, 1275, 330}, "Out-Patient", alert, text, false},
        {window.lblPendingBlueOut, "Picture2", {0, 0, 1275, 330}, "Out-Patient", quiet, text, true},
        {window.Picture5, "tbrPharma", {13200, 330, 405, 225}, "", badge, white, true},
        {window.lblCountOutReq, "Picture5", {75, -15, 255, 165}, "", badge, white, true},
        {window.picKVRS, "tbrPharma", {13500, 120, 1905, 330}, "", quiet, text, true},
        {window.lblKVRS, "picKVRS", {0, 0, 1995, 330}, "Package Request", alert, text, false},
        {window.lblKVRSBlue, "picKVRS", {-180, 0, 2295, 330}, "Package Request", quiet, text, true},
        {window.pctCash, "tbrPharma", {15420, 120, 1485, 465}, "", quiet, text, false},
        {window.lblCashPatient, "pctCash", {0, 0, 1335, 330}, "CASH Patient", quiet, text, true},
        {window.lblCashNum, "pctCash", {1050, 240, 375, 195}, "", badge, white, false},
        {window.lblCriticalStocks, "pctBlinks", {120, 30, 1395, 375}, "Critical Stocks ", quiet, text, true},
        {window.lblExpiringDrugs, "pctBlinks", {1560, 15, 1575, 375}, "Expiring Drugs", quiet, text, true},
        {window.lblPendingBlackER, "Picture3", {0, 0, 1275, 330}, "E. R. Patient", alert, text, false},
        {window.lblPendingBlueER, "Picture3", {0, 0, 1275, 330}, "E. R. Patient", quiet, text, true},
        {window.lblCountOutReqER, "Picture3", {1275, 0, 300, 330}, "0", badge, text, true},
    };
    for (const Row& r : rows) {
        const std::string name = r.control->objectName().toStdString();
        EXPECT_EQ(r.control->parentWidget()->objectName().toStdString(), r.container) << name;
        EXPECT_EQ(r.control->geometry(), twipsToPixels(r.twips.x(), r.twips.y(), r.twips.width(), r.twips.height()))
            << name;
        EXPECT_EQ(static_cast<QLabel*>(r.control)->text().toStdString(), r.caption) << name;
        EXPECT_EQ(backColor(r.control), r.back) << name;
        EXPECT_EQ(foreColor(r.control), r.fore) << name;
        EXPECT_EQ(!r.control->isHidden(), r.visible) << name;
    }
    EXPECT_EQ(window.cmdCommunication->parentWidget(), window.tbrPharma);
    EXPECT_EQ(window.cmdCommunication->geometry(), twipsToPixels(7920, 30, 615, 495));
    EXPECT_EQ(window.Picture3->parentWidget(), &window);
    EXPECT_EQ(window.pctBlinks->size(), twipsToPixels(QSize(3435, 405)));
}

TEST_F(frmPharmaLayoutTest, PanesFollowTheWindowAndTheStripKeepsToTheRightEdge) {
    struct Case { int width; int stripLeftTwips; };
    const Case cases[] = {
        {800, 15825},                        // too narrow: the strip stays put, partly outside
        {1600, -1},  // wide: it touches the right edge
    };
    for (const Case& c : cases) {
        auto window = shownWindow(c.width, 700);
        const QWidget* client = window->centralWidget();
        EXPECT_EQ(window->fraCategory->geometry(),
                  QRect(twipsToPixels(10), 0, twipsToPixels(4755), client->height() - twipsToPixels(100)))
            << c.width;
        EXPECT_EQ(window->fraList->x(), twipsToPixels(10 + 4755 + 75 - 20)) << c.width;
        EXPECT_EQ(window->fraList->width(), twipsToPixels(twips(client->width()) - 4755 - 75)) << c.width;
        EXPECT_EQ(window->flexMSHList->geometry().topLeft(), QPoint(twipsToPixels(50), twipsToPixels(250)));
        EXPECT_EQ(window->imgSplitter->x(), twipsToPixels(10 + 4755));
        const int stripLeft = c.stripLeftTwips < 0 ? twips(window->frameGeometry().width()) - 3435 : c.stripLeftTwips;
        EXPECT_EQ(window->pctBlinks->x(), twipsToPixels(stripLeft)) << c.width;
        EXPECT_TRUE(window->lblLocation->y() > window->flexMSHList->geometry().bottom() - twipsToPixels(300));
    }
}

TEST_F(frmPharmaLayoutTest, SplitterDragStopsAtAQuarterAndAHalfAndResizesTheColumns) {
    auto window = shownWindow(1200, 700);
    window->flexMSHList->setCols(9);
    const int windowTwips = twips(window->frameGeometry().width());
    struct Case { int moveToTwips; int expectedCategoryTwips; };
    const Case cases[] = {
        {windowTwips * 3 / 4, windowTwips / 2},  // past half
        {200, windowTwips / 4},                  // left of a quarter
        {windowTwips / 3, -1},                   // inside the bounds: where it was let go
    };
    for (const Case& c : cases) {
        QLabel* handle = window->imgSplitter;
        mouse(handle, QEvent::MouseButtonPress, QPoint(2, 10), Qt::LeftButton);
        EXPECT_TRUE(window->fraSplitter->isVisible());
        EXPECT_EQ(window->fraSplitter->geometry(), handle->geometry());
        // The pointer's x within the handle that puts the guide at the wanted edge.
        const int x = c.moveToTwips + 25 - twips(window->fraCategory->x()) - twips(window->fraCategory->width());
        mouse(handle, QEvent::MouseMove, QPoint(twipsToPixels(x), 10), Qt::LeftButton);
        const int guide = twips(window->fraSplitter->x());
        mouse(handle, QEvent::MouseButtonRelease, QPoint(twipsToPixels(x), 10), Qt::LeftButton);
        EXPECT_FALSE(window->fraSplitter->isVisible());

        const int expected = c.expectedCategoryTwips < 0 ? guide : c.expectedCategoryTwips;
        EXPECT_EQ(window->fraCategory->width(), twipsToPixels(expected)) << c.moveToTwips;
        EXPECT_EQ(window->imgSplitter->x(), twipsToPixels(expected));
        EXPECT_EQ(window->fraList->x(), twipsToPixels(twips(window->fraSplitter->x()) + 135));
        const int unit = int(std::lrint(twips(window->flexMSHList->width()) / 6.0));
        const int widths[] = {unit, unit, 3 * unit, unit, 0, 0, unit, 0, 0};
        for (int col = 0; col < 9; ++col)
            EXPECT_EQ(window->flexMSHList->colWidth(col), widths[col]) << "column " << col;
    }
    EXPECT_TRUE(platform.messages->texts().isEmpty()) << platform.messages->texts().join(u'|').toStdString();
}

TEST_F(frmPharmaLayoutTest, GridWithFewerColumnsKeepsThemAfterADrag) {
    auto window = shownWindow(1000, 600);
    window->flexMSHList->setCols(2);
    window->AdjustControls();
    EXPECT_EQ(window->flexMSHList->cols(), 2);
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST_F(frmPharmaLayoutTest, MinimizeAndRestoreRaiseNothing) {
    auto window = shownWindow(900, 600);
    window->showMinimized();
    QApplication::processEvents();
    window->resize(10, 10);
    window->Form_Resize();
    window->showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(platform.messages->texts().isEmpty()) << platform.messages->texts().join(u'|').toStdString();
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST_F(frmPharmaLayoutTest, ServerPanelAtTheSiteThatNamesItsServers) {
    platform.settings->save(QStringLiteral("Quillax"), QStringLiteral("Server"), QStringLiteral("TestServer"),
                            QStringLiteral("10.1.1.5"));
    platform.settings->save(QStringLiteral("Quillax"), QStringLiteral("Server"), QStringLiteral("LiveServer"),
                            QStringLiteral("10.1.1.9"));
    struct Case { const char* site; const char* employee; const char* server; const char* shown; };
    const Case cases[] = {
        {"DORVEX", "1234", "10.1.1.5", "TEST SERVER"}, {"DORVEX", "1234", "10.1.1.9", "LIVE SERVER"},
        {"DORVEX", "1234", "DBHOST", "SERVER"},        {"DORVEX", "8", "10.1.1.5", "10.1.1.5"},
        {"DORVEX", "8", "DBHOST", "DBHOST"},           {"DEMO", "1234", "10.1.1.5", "10.1.1.5"},
        {"dorvex", "1234", "10.1.1.9", "10.1.1.9"},
    };
    for (const Case& c : cases) {
        gSiteCode = QString::fromLatin1(c.site);
        gEmployeeCode = QString::fromLatin1(c.employee);
        EXPECT_EQ(frmPharma::ServerPanelText(QString::fromLatin1(c.server)).toStdString(), c.shown)
            << c.site << ' ' << c.employee << ' ' << c.server;
    }
    // Unset addresses name nothing: an empty server name is only "SERVER".
    platform.settings->save(QStringLiteral("Quillax"), QStringLiteral("Server"), QStringLiteral("TestServer"), QString());
    gEmployeeCode = QStringLiteral("1234");
    gSiteCode = QStringLiteral("DORVEX");
    EXPECT_EQ(frmPharma::ServerPanelText(QString()), QStringLiteral("SERVER"));

    // The load writes it into panel 2 from the login component's server name.
    platform.settings->save(QStringLiteral("Quillax"), QStringLiteral("Server"), QStringLiteral("LiveServer"),
                            login->ServerName());
    frmPharma window;
    window.Form_Load();
    EXPECT_EQ(window.StatusBarPanel2->text(), QStringLiteral("LIVE SERVER"));
}

TEST_F(frmPharmaLayoutTest, StatusPanelsShowCapsInsertAndTheDate) {
    auto window = shownWindow(900, 600);
    window->treCategory->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(window->StatusBarPanel3->text(), QStringLiteral("CAPS"));
    EXPECT_EQ(window->StatusBarPanel4->text(), QStringLiteral("INS"));
    EXPECT_EQ(window->StatusBarPanel5->text(), QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy")));
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
    struct Step { int key; bool caps, insert; };
    const Step steps[] = {
        {Qt::Key_CapsLock, true, false}, {Qt::Key_A, true, false}, {Qt::Key_Insert, true, true},
        {Qt::Key_CapsLock, false, true}, {Qt::Key_Insert, false, false},
    };
    for (const Step& s : steps) {
        key(target, s.key);
        EXPECT_EQ(window->CapsLockOn(), s.caps) << s.key;
        EXPECT_EQ(window->StatusBarPanel3->isEnabled(), s.caps) << s.key;
        EXPECT_EQ(window->InsertOn(), s.insert) << s.key;
        EXPECT_EQ(window->StatusBarPanel4->isEnabled(), s.insert) << s.key;
    }
}

TEST_F(frmPharmaLayoutTest, EscFromAnyControlAsksToCloseAndF5RunsTheDrugsInquiryEvenWhenDisabled) {
    auto picker = std::make_shared<ScriptedDrugPicker>();
    gComponents.gDrugList = picker;
    auto inquiries = [&] { return picker->calls.size(); };
    auto window = shownWindow(900, 600);
    for (QWidget* control : {static_cast<QWidget*>(window->treCategory), static_cast<QWidget*>(window->flexMSHList)}) {
        control->setFocus();
        QApplication::processEvents();
        platform.messages->answer(vbNo);
        key(control, Qt::Key_Escape);
        EXPECT_EQ(platform.messages->last().text, QStringLiteral("Are you sure to close this program?"))
            << control->objectName().toStdString();
        EXPECT_TRUE(window->isVisible());
    }
    window->command(QStringLiteral("mnuDrugsInquiry"))->setEnabled(false);
    key(window->flexMSHList, Qt::Key_F5);
    EXPECT_EQ(inquiries(), 1);
    // Other keys are the controls' own.
    key(window->flexMSHList, Qt::Key_F4);
    EXPECT_EQ(inquiries(), 1);
    EXPECT_EQ(platform.messages->texts().size(), 2);
}

TEST_F(frmPharmaLayoutTest, RightPressOnThePendingLabelOffersTheCheckPendingJumps) {
    auto window = shownWindow(1400, 700);
    mouse(window->lblPendingRed, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
    EXPECT_FALSE(window->mnuCheckPending->isVisible());
    const QPoint at(30, 12);
    mouse(window->lblPendingRed, QEvent::MouseButtonPress, at, Qt::RightButton);
    EXPECT_TRUE(window->mnuCheckPending->isVisible());
    const QPoint expected = window->pictPending->mapTo(window.get(), QPoint(0, 0)) + at + QPoint(0, twipsToPixels(200));
    EXPECT_EQ(window->mnuCheckPending->pos(), window->mapToGlobal(expected));
    window->mnuCheckPending->hide();
}

} // namespace
} // namespace qx::test
