#include "platform/TwipsControls.h"

#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace qx {

QLabel* twipsLabel(QWidget* parent, const QString& text, QRect twips) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return l;
}

QPushButton* twipsButton(QWidget* parent, const QString& caption, QRect twips, const QString& toolTip) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    if (!toolTip.isEmpty())
        b->setToolTip(toolTip);
    b->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return b;
}

void setTwipsGeometry(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsToPixels(left, top, width, height));
}

QLabel* twipsValueLabel(QWidget* parent, int left, int top, int width, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(alignment | Qt::AlignVCenter);
    setTwipsGeometry(label, left, top, width, 315);
    return label;
}

void paintRole(QWidget* widget, QPalette::ColorRole role, ColorValue color) {
    QPalette palette = widget->palette();
    palette.setColor(role, toQColor(color));
    widget->setPalette(palette);
}

} // namespace qx
