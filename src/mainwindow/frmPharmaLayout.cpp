// The main window's layout: the category and list panes, the splitter between them, and the
// indicator strip on the toolbar.
#include "mainwindow/frmPharma.h"

#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "platform/WidgetColors.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>

namespace qx {

namespace {

const QString kLayoutModule = QStringLiteral("frmPharma");
constexpr int kCategoryWidthTwips = 4755;
constexpr int kSplitterWidthTwips = 75;
constexpr int kGuideWidthTwips = 135;
constexpr int kToolbarHeightTwips = 585;
// The strip keeps to this left edge until the window is wide enough to hold it at the right edge.
constexpr int kBlinksLeftTwips = 15825;

// Indicator colours as designed: the quiet face, the alert face and the count badges.
constexpr ColorValue kQuietBack = 0x800000;
constexpr ColorValue kQuietFore = 0x80FFFF;
constexpr ColorValue kAlertBack = 0x40;
constexpr ColorValue kBadgeBack = 0xFF;
constexpr ColorValue kBadgeFore = 0xFFFFFF;

QRect paneTwipRect(int left, int top, int width, int height) { return twipsToPixels(left, top, width, height); }

// A picture-box container or a label of the strip, placed in twips within its container.
QLabel* indicatorStripLabel(QWidget* container, const char* name, const QString& caption, QRect twips,
                   ColorValue back, ColorValue fore, bool visible = true) {
    auto* label = new QLabel(caption, container);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(paneTwipRect(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setAlignment(Qt::AlignCenter);
    setBackColor(label, back);
    setForeColor(label, fore);
    label->setVisible(visible);
    return label;
}

// The picture of the returned-medicine button: a tray with a returning arrow.
QPixmap communicationPicture() {
    QPixmap pixmap(32, 28);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x1565C0), 2.5));
    painter.drawRect(QRectF(5, 14, 22, 10));
    painter.drawLine(QPointF(16, 3), QPointF(16, 14));
    painter.drawLine(QPointF(11, 9), QPointF(16, 14));
    painter.drawLine(QPointF(21, 9), QPointF(16, 14));
    return pixmap;
}

} // namespace

void frmPharma::createPanes() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmPharmaClient"));
    setCentralWidget(client);

    fraCategory = new QGroupBox(QStringLiteral("&Category"), client);
    fraCategory->setObjectName(QStringLiteral("fraCategory"));
    fraCategory->setGeometry(paneTwipRect(10, 0, kCategoryWidthTwips, 3000));
    treCategory = new QTreeWidget(fraCategory);
    treCategory->setObjectName(QStringLiteral("treCategory"));
    treCategory->setHeaderHidden(true);
    connect(treCategory, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { treCategory_NodeClick(node); });

    fraList = new QGroupBox(QStringLiteral("Patient &List"), client);
    fraList->setObjectName(QStringLiteral("fraList"));
    QFont locationFont = font();
    locationFont.setPointSize(36);
    lblLocationBack = new QLabel(fraList);
    lblLocation = new QLabel(fraList);
    const std::pair<QLabel*, QColor> labels[] = {{lblLocationBack, QColor(0x80, 0x80, 0x80)},
                                                 {lblLocation, QColor(0xFF, 0x80, 0x00)}};
    for (const auto& [label, colour] : labels) {
        label->setFont(locationFont);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setStyleSheet(QStringLiteral("color: %1; background: transparent").arg(colour.name()));
    }
    flexMSHList = new FlexGrid(fraList);
    flexMSHList->setObjectName(QStringLiteral("flexMSHList"));
    // The caption lies beneath the grid and shows in the strip below it.
    lblLocation->lower();
    lblLocationBack->lower();

    imgSplitter = new QLabel(client);
    imgSplitter->setObjectName(QStringLiteral("imgSplitter"));
    imgSplitter->setCursor(Qt::SizeHorCursor);
    imgSplitter->installEventFilter(this);
    fraSplitter = new QFrame(client);
    fraSplitter->setObjectName(QStringLiteral("fraSplitter"));
    setBackColor(fraSplitter, colors::ApplicationWorkspace);
    fraSplitter->hide();
}

void frmPharma::createIndicators() {
    QToolBar* strip = tbrPharma;
    strip->setMinimumHeight(twipsToPixels(kToolbarHeightTwips));

    cmdCommunication = new PictureButton(strip);
    cmdCommunication->setObjectName(QStringLiteral("cmdCommunication"));
    cmdCommunication->setGeometry(paneTwipRect(7920, 30, 615, 495));
    cmdCommunication->setPicture(communicationPicture());
    setBackColor(cmdCommunication, colors::ButtonFace);

    pictPending = indicatorStripLabel(strip, "pictPending", QString(), {8850, 135, 2010, 330}, kQuietBack, kQuietFore);
    lblPendingBlue = indicatorStripLabel(pictPending, "lblPendingBlue", QStringLiteral("Pending Request :"),
                                {-30, 0, 2070, 330}, kQuietBack, kQuietFore);
    lblPendingRed = indicatorStripLabel(pictPending, "lblPendingRed", QStringLiteral(" Pending Request"),
                               {-150, 0, 2175, 330}, kAlertBack, kQuietFore, false);
    lblPendingRed->installEventFilter(this);

    Picture1 = indicatorStripLabel(strip, "Picture1", QString(), {10920, 135, 1275, 330}, kQuietBack, kQuietFore);
    lblPendingBlackIn = indicatorStripLabel(Picture1, "lblPendingBlackIn", QStringLiteral("In-Patient"), {0, 0, 1275, 330},
                                   kAlertBack, kQuietFore, false);
    lblPendingBlueIn = indicatorStripLabel(Picture1, "lblPendingBlueIn", QStringLiteral("In-Patient"), {0, 0, 1275, 330},
                                  kQuietBack, kQuietFore);
    Picture4 = indicatorStripLabel(strip, "Picture4", QString(), {11880, 330, 405, 225}, kBadgeBack, kBadgeFore);
    lblCountInReq = indicatorStripLabel(Picture4, "lblCountInReq", QString(), {60, 0, 255, 165}, kBadgeBack, kBadgeFore);

    Picture2 = indicatorStripLabel(strip, "Picture2", QString(), {12225, 135, 1275, 330}, kQuietBack, kQuietFore);
    lblPendingBlackOut = indicatorStripLabel(Picture2, "lblPendingBlackOut", QStringLiteral("Out-Patient"), {0, 0, 1275, 330},
                                    kAlertBack, kQuietFore, false);
    lblPendingBlueOut = indicatorStripLabel(Picture2, "lblPendingBlueOut", QStringLiteral("Out-Patient"), {0, 0, 1275, 330},
                                   kQuietBack, kQuietFore);
    Picture5 = indicatorStripLabel(strip, "Picture5", QString(), {13200, 330, 405, 225}, kBadgeBack, kBadgeFore);
    lblCountOutReq = indicatorStripLabel(Picture5, "lblCountOutReq", QString(), {75, -15, 255, 165}, kBadgeBack, kBadgeFore);

    picKVRS = indicatorStripLabel(strip, "picKVRS", QString(), {13500, 120, 1905, 330}, kQuietBack, kQuietFore);
    lblKVRS = indicatorStripLabel(picKVRS, "lblKVRS", QStringLiteral("Package Request"), {0, 0, 1995, 330}, kAlertBack,
                         kQuietFore, false);
    lblKVRSBlue = indicatorStripLabel(picKVRS, "lblKVRSBlue", QStringLiteral("Package Request"), {-180, 0, 2295, 330},
                             kQuietBack, kQuietFore);

    pctCash = indicatorStripLabel(strip, "pctCash", QString(), {15420, 120, 1485, 465}, kQuietBack, kQuietFore, false);
    lblCashPatient = indicatorStripLabel(pctCash, "lblCashPatient", QStringLiteral("CASH Patient"), {0, 0, 1335, 330},
                                kQuietBack, kQuietFore);
    lblCashNum = indicatorStripLabel(pctCash, "lblCashNum", QString(), {1050, 240, 375, 195}, kBadgeBack, kBadgeFore, false);

    pctBlinks = indicatorStripLabel(strip, "pctBlinks", QString(), {kBlinksLeftTwips, 45, 3435, 405}, colors::ButtonFace,
                           colors::ButtonText);
    lblCriticalStocks = indicatorStripLabel(pctBlinks, "lblCriticalStocks", QStringLiteral("Critical Stocks "),
                                   {120, 30, 1395, 375}, kQuietBack, kQuietFore);
    lblExpiringDrugs = indicatorStripLabel(pctBlinks, "lblExpiringDrugs", QStringLiteral("Expiring Drugs"),
                                  {1560, 15, 1575, 375}, kQuietBack, kQuietFore);

    // The emergency indicator stands on the window itself, over the strip.
    Picture3 = indicatorStripLabel(this, "Picture3", QString(), {13560, 120, 1605, 330}, kQuietBack, kQuietFore);
    lblPendingBlackER = indicatorStripLabel(Picture3, "lblPendingBlackER", QStringLiteral("E. R. Patient"),
                                   {0, 0, 1275, 330}, kAlertBack, kQuietFore, false);
    lblPendingBlueER = indicatorStripLabel(Picture3, "lblPendingBlueER", QStringLiteral("E. R. Patient"), {0, 0, 1275, 330},
                                  kQuietBack, kQuietFore);
    lblCountOutReqER = indicatorStripLabel(Picture3, "lblCountOutReqER", QStringLiteral("0"), {1275, 0, 300, 330},
                                  kBadgeBack, kQuietFore);
}

void frmPharma::Form_Resize() {
    // Each step is taken as far as the window allows: a minimized or very small window skips
    // what it cannot hold.
    const int clientWidth = pixelsToTwips(centralWidget()->width());
    const int paneHeight = std::max(0, pixelsToTwips(centralWidget()->height()) - 100);
    const int categoryWidth = pixelsToTwips(fraCategory->width());
    const int categoryLeft = pixelsToTwips(fraCategory->x());

    fraCategory->setGeometry(paneTwipRect(10, 0, categoryWidth, paneHeight));
    treCategory->setGeometry(paneTwipRect(50, 250, std::max(0, categoryWidth - 100), std::max(0, paneHeight - 300)));
    const int listWidth = std::max(0, clientWidth - categoryWidth - kSplitterWidthTwips);
    fraList->setGeometry(paneTwipRect(10 + categoryWidth + kSplitterWidthTwips - 20, 0, listWidth, paneHeight));
    flexMSHList->setUpdatesEnabled(false);
    flexMSHList->setGeometry(paneTwipRect(50, 250, std::max(0, listWidth - 120), std::max(0, paneHeight - 1500)));
    flexMSHList->setUpdatesEnabled(true);
    const int captionHeight = std::max(0, paneHeight - 1500);
    lblLocation->setGeometry(paneTwipRect(50, paneHeight - 1100, std::max(0, listWidth - 120), captionHeight));
    lblLocationBack->setGeometry(paneTwipRect(50, paneHeight - 1050, std::max(0, listWidth - 120), captionHeight));
    imgSplitter->setGeometry(paneTwipRect(categoryLeft + categoryWidth, 100, kSplitterWidthTwips, std::max(0, paneHeight - 100)));

    const int windowWidth = pixelsToTwips(frameGeometry().width());
    const int stripWidth = pixelsToTwips(pctBlinks->width());
    pctBlinks->move(twipsToPixels(std::max(kBlinksLeftTwips, windowWidth - stripWidth)), pctBlinks->y());
    Picture3->move(twipsToPixels(13560), tbrPharma->geometry().top() + twipsToPixels(120));
    Picture3->raise();
}

void frmPharma::imgSplitter_MouseDown() {
    generalProcedure(kLayoutModule, QStringLiteral("imgSplitter_MouseDown"), [this] {
        fraSplitter->setGeometry(imgSplitter->geometry());
        fraSplitter->show();
        fraSplitter->raise();
    });
}

void frmPharma::imgSplitter_MouseMove(int x) {
    eventHandler(kLayoutModule, QStringLiteral("imgSplitter_MouseMove"), [&] {
        const int left = x - 25 + pixelsToTwips(fraCategory->x()) + pixelsToTwips(fraCategory->width());
        fraSplitter->move(twipsToPixels(left), fraSplitter->y());
    });
}

void frmPharma::imgSplitter_MouseUp() {
    generalProcedure(kLayoutModule, QStringLiteral("imgSplitter_MouseUp"), [this] {
        AdjustControls();
        fraSplitter->hide();
    });
}

void frmPharma::AdjustControls() {
    generalProcedure(kLayoutModule, QStringLiteral("AdjustControls"), [this] {
        const double windowWidth = pixelsToTwips(frameGeometry().width());
        int guideLeft = pixelsToTwips(fraSplitter->x());
        if (windowWidth / 4 > guideLeft)
            guideLeft = int(Round(windowWidth / 4));
        else if (windowWidth / 2 < guideLeft)
            guideLeft = int(Round(windowWidth / 2));
        fraSplitter->move(twipsToPixels(guideLeft), fraSplitter->y());

        const int categoryWidth = guideLeft;
        const int paneHeight = pixelsToTwips(fraCategory->height());
        fraCategory->resize(twipsToPixels(categoryWidth), fraCategory->height());
        treCategory->setGeometry(paneTwipRect(50, 250, std::max(0, categoryWidth - 100), std::max(0, paneHeight - 300)));
        const int listWidth =
            std::max(0, pixelsToTwips(centralWidget()->width()) - categoryWidth - kSplitterWidthTwips);
        fraList->setGeometry(twipsToPixels(guideLeft + kGuideWidthTwips), fraList->y(), twipsToPixels(listWidth),
                             fraList->height());

        flexMSHList->setUpdatesEnabled(false);
        const int gridWidth = std::max(0, listWidth - 120);
        flexMSHList->setGeometry(paneTwipRect(50, 250, gridWidth, std::max(0, pixelsToTwips(fraList->height()) - 1500)));
        const int unit = int(Round(pixelsToTwips(flexMSHList->width()) / 6.0));
        const std::pair<int, int> widths[] = {{0, unit}, {1, unit},     {2, 3 * unit}, {3, unit}, {4, 0},
                                              {5, 0},    {6, unit},     {7, 0},        {8, 0}};
        // A list with fewer columns keeps what it has.
        for (const auto& [column, width] : widths)
            if (column < flexMSHList->cols())
                flexMSHList->setColWidth(column, width);
        flexMSHList->setUpdatesEnabled(true);

        imgSplitter->move(twipsToPixels(guideLeft), imgSplitter->y());
    });
}

void frmPharma::lblPendingRed_MouseDown(Qt::MouseButton button, QPoint pos) {
    eventHandler(kLayoutModule, QStringLiteral("lblPendingRed_MouseDown"), [&] {
        if (button == Qt::RightButton)
            ShowPopUp(mnuCheckPending, pictPending, pos);
    });
}

bool frmPharma::eventFilter(QObject* watched, QEvent* e) {
    if (cashSearchEvent(watched, e) || monitorEvent(watched, e))
        return true;
    if (e->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this)
        return previewKey(watched, static_cast<QKeyEvent*>(e));
    if (watched == imgSplitter) {
        auto* mouse = static_cast<QMouseEvent*>(e);
        switch (e->type()) {
        case QEvent::MouseButtonPress:
            unhandledErrorGuard([this] { imgSplitter_MouseDown(); });
            return true;
        case QEvent::MouseMove:
            imgSplitter_MouseMove(pixelsToTwips(int(mouse->position().x())));
            return true;
        case QEvent::MouseButtonRelease:
            unhandledErrorGuard([this] { imgSplitter_MouseUp(); });
            return true;
        default:
            break;
        }
    } else if (watched == lblPendingRed && e->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(e);
        lblPendingRed_MouseDown(mouse->button(), mouse->position().toPoint());
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

} // namespace qx
