#include "platform/PictureButton.h"

#include "platform/KeyCodes.h"
#include "platform/Twips.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOption>
#include <QStyle>

namespace qx {

namespace {
constexpr int kSpacing = 4;
constexpr int kGlowRadius = 2;
} // namespace

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

PictureButton::PictureButton(const QString& caption, ColorValue captionColor, QWidget* parent)
    : PictureButton(parent) {
    setText(caption);
    captionColor_ = captionColor;
}

QPixmap PictureButton::picture() const { return picture_; }

void PictureButton::setPicture(const QPixmap& picture) {
    picture_ = picture;
    updateGeometry();
    update();
}

ColorValue PictureButton::captionColor() const { return captionColor_; }

void PictureButton::setCaptionColor(ColorValue color) {
    captionColor_ = color;
    update();
}

bool PictureButton::isHighlighted() const { return highlighted_; }

void PictureButton::setHighlighted(bool highlighted) {
    if (highlighted_ == highlighted)
        return;
    highlighted_ = highlighted;
    update();
}

bool PictureButton::hoverHighlight() const { return hoverHighlight_; }
void PictureButton::setHoverHighlight(bool on) { hoverHighlight_ = on; }

QSize PictureButton::sizeHint() const {
    const QSize textSize = text().isEmpty() ? QSize() : fontMetrics().size(Qt::TextShowMnemonic, text());
    const QSize pictureSize = picture_.isNull() ? QSize() : picture_.deviceIndependentSize().toSize();
    const int gap = textSize.isValid() && pictureSize.isValid() ? kSpacing : 0;
    return QSize(std::max(textSize.width(), pictureSize.width()),
                 textSize.height() + pictureSize.height() + gap)
        .expandedTo(QSize(16, 16)) + QSize(2 * kSpacing, 2 * kSpacing);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    // Pressed, the face shifts down and right as a sunken button's does.
    const QRect face = rect().adjusted(kSpacing, kSpacing, -kSpacing, -kSpacing).translated(isDown() ? QPoint(1, 1) : QPoint());

    QRect textArea = face;
    if (!picture_.isNull()) {
        const QSize size = picture_.deviceIndependentSize().toSize().scaled(face.size(), Qt::KeepAspectRatio);
        const int textHeight = text().isEmpty() ? 0 : fontMetrics().height() + kSpacing;
        const QSize fitted = size.boundedTo(QSize(face.width(), std::max(1, face.height() - textHeight)));
        const QRect pictureRect(face.left() + (face.width() - fitted.width()) / 2, face.top(), fitted.width(), fitted.height());
        if (isEnabled())
            painter.drawPixmap(pictureRect, picture_);
        else {
            // The style reads the palette from the option: without one it crashes.
            QStyleOption option;
            option.initFrom(this);
            style()->drawItemPixmap(&painter, pictureRect, Qt::AlignCenter,
                                    style()->generatedIconPixmap(QIcon::Disabled, picture_, &option));
        }
        textArea.setTop(pictureRect.bottom() + kSpacing);
    }

    if (!text().isEmpty()) {
        const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
        QColor caption = isEnabled() ? toQColor(captionColor_, pal) : pal.color(QPalette::Disabled, QPalette::Text);
        if (highlighted_ && isEnabled()) {
            QColor glow = caption.lighter(170);
            glow.setAlpha(110);
            painter.setPen(glow);
            for (int dx = -kGlowRadius; dx <= kGlowRadius; ++dx)
                for (int dy = -kGlowRadius; dy <= kGlowRadius; ++dy)
                    if (dx || dy)
                        painter.drawText(textArea.translated(dx, dy), flags, text());
        } else {
            painter.setPen(QColor(128, 128, 128));
            painter.drawText(textArea.translated(1, 1), flags, text());
        }
        painter.setPen(caption);
        painter.drawText(textArea, flags, text());
    }

    // The dotted focus rectangle shows however the focus came, not only from the keyboard.
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(pal.color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    const QPoint twips = pixelsToTwips(event->position().toPoint());
    emit mouseMove(mouseButtons(event->buttons()), shiftState(event->modifiers()), twips.x(), twips.y());
    QAbstractButton::mouseMoveEvent(event);
}

void PictureButton::enterEvent(QEnterEvent* event) {
    if (hoverHighlight_)
        setHighlighted(true);
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    if (hoverHighlight_)
        setHighlighted(false);
    QAbstractButton::leaveEvent(event);
}

} // namespace qx
