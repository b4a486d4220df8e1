#include "platform/WidgetColors.h"

#include <QWidget>

namespace qx {

namespace {
const char* const kBackColorProperty = "BackColor";
const char* const kForeColorProperty = "ForeColor";

ColorValue storedColor(const QWidget* widget, const char* property, QPalette::ColorRole role) {
    const QVariant stored = widget->property(property);
    return stored.isValid() ? ColorValue(stored.toUInt()) : fromQColor(widget->palette().color(role));
}
} // namespace

void setBackColor(QWidget* widget, ColorValue color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(color, palette));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->setProperty(kBackColorProperty, uint(color));
}

ColorValue backColor(const QWidget* widget) { return storedColor(widget, kBackColorProperty, QPalette::Window); }

void setForeColor(QWidget* widget, ColorValue color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toQColor(color, palette));
    palette.setColor(QPalette::ButtonText, toQColor(color, palette));
    widget->setPalette(palette);
    widget->setProperty(kForeColorProperty, uint(color));
}

ColorValue foreColor(const QWidget* widget) {
    return storedColor(widget, kForeColorProperty, QPalette::WindowText);
}

} // namespace qx
