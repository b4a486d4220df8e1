#include "charging/PromptFace.h"

#include "platform/Twips.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWidget>

namespace qx {

void drawWarningHand(QPainter& painter, const QRect& area, HandPose pose) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 0, 0), 2));
    painter.setBrush(Qt::NoBrush);
    const double w = area.width();
    const double h = area.height();
    const QPointF o = area.topLeft();
    QPainterPath hand;
    if (pose == HandPose::Palm) {
        // Four raised fingers and a thumb over a palm.
        const double fingerW = w * 0.16;
        for (int i = 0; i < 4; ++i) {
            const double x = o.x() + w * 0.18 + i * (fingerW + w * 0.02);
            const double top = o.y() + h * (i == 0 || i == 3 ? 0.12 : 0.02);
            hand.addRoundedRect(QRectF(x, top, fingerW, h * 0.55), fingerW / 2, fingerW / 2);
        }
        hand.addRoundedRect(QRectF(o.x() + w * 0.02, o.y() + h * 0.42, w * 0.2, h * 0.3), w * 0.08, w * 0.08);
        hand.addRoundedRect(QRectF(o.x() + w * 0.16, o.y() + h * 0.45, w * 0.74, h * 0.5), w * 0.15, w * 0.15);
    } else {
        // One finger pointing up over a closed fist.
        hand.addRoundedRect(QRectF(o.x() + w * 0.38, o.y(), w * 0.2, h * 0.55), w * 0.1, w * 0.1);
        hand.addRoundedRect(QRectF(o.x() + w * 0.15, o.y() + h * 0.45, w * 0.7, h * 0.5), w * 0.15, w * 0.15);
    }
    painter.drawPath(hand.simplified());
    painter.restore();
}

void drawFaceText(QPainter& painter, const QRect& area, const QString& text, const QColor& color,
                  int pointSize, Qt::Alignment alignment) {
    painter.save();
    QFont font = painter.font();
    font.setBold(true);
    font.setPointSize(pointSize);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(area, alignment.toInt() | Qt::TextWordWrap, text);
    painter.restore();
}

void makeTitlelessPrompt(QWidget& window, int widthTwips, int heightTwips) {
    window.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    window.setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, Qt::white);
    window.setPalette(pal);
    window.setAutoFillBackground(true);
}

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

void centreOnOwner(QWidget& window) {
    const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : QApplication::activeWindow();
    if (!owner || owner == &window) {
        centreOnScreen(window);
        return;
    }
    QRect frame = window.frameGeometry();
    frame.moveCenter(owner->frameGeometry().center());
    window.move(frame.topLeft());
}

} // namespace qx
