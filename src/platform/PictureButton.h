#pragma once
#include "platform/Colors.h"

#include <QAbstractButton>
#include <QPixmap>

namespace qx {

// A button drawn as a picture and/or a caption rather than a push button's face. It clicks on
// the mouse, on Space and on Enter, and shows a focus rectangle while it has the focus. Its
// highlighted state (the caption in a coloured glow instead of a grey drop shadow) is the owner's
// to set: the keyboard choice of a prompt, the button under the mouse. With hoverHighlight on it
// highlights itself while the mouse is over it. mouseMove() reports the pointer for windows
// whose face clears the highlights.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);
    PictureButton(const QString& caption, ColorValue captionColor, QWidget* parent = nullptr);

    QPixmap picture() const;
    void setPicture(const QPixmap& picture);
    ColorValue captionColor() const;
    void setCaptionColor(ColorValue color);

    bool isHighlighted() const;
    void setHighlighted(bool highlighted);
    bool hoverHighlight() const;
    void setHoverHighlight(bool on);

    QSize sizeHint() const override;

signals:
    // Button 1 left, 2 right, 4 middle; shift 1, 2, 4; x and y in twips from the button's corner.
    void mouseMove(int button, int shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap picture_;
    ColorValue captionColor_ = colors::ButtonText;
    bool highlighted_ = false;
    bool hoverHighlight_ = false;
};

} // namespace qx
