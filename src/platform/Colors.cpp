#include "platform/Colors.h"

#include <QGuiApplication>
#include <array>

namespace qx {

namespace {

// Scheme entries 0x00 to 0x18 in order, each with the palette role that plays its part.
constexpr std::array<QPalette::ColorRole, 0x19> kRoles = {
    QPalette::Mid,             // scroll bars
    QPalette::Dark,            // desktop
    QPalette::Highlight,       // active title bar
    QPalette::Mid,             // inactive title bar
    QPalette::Window,          // menu bar
    QPalette::Base,            // window background
    QPalette::Shadow,          // window frame
    QPalette::WindowText,      // menu text
    QPalette::Text,            // window text
    QPalette::HighlightedText, // title bar text
    QPalette::Window,          // active border
    QPalette::Window,          // inactive border
    QPalette::Dark,            // application workspace
    QPalette::Highlight,       // highlight
    QPalette::HighlightedText, // highlight text
    QPalette::Button,          // button face
    QPalette::Dark,            // button shadow
    QPalette::PlaceholderText, // grey text
    QPalette::ButtonText,      // button text
    QPalette::WindowText,      // inactive caption text
    QPalette::Light,           // 3-D highlight
    QPalette::Shadow,          // 3-D dark shadow
    QPalette::Midlight,        // 3-D light
    QPalette::ToolTipText,     // info text
    QPalette::ToolTipBase,     // info background
};

} // namespace

std::optional<QPalette::ColorRole> systemColorRole(ColorValue value) {
    if (!isSystemColor(value))
        return std::nullopt;
    const ColorValue index = value & ~colors::kSystemFlag;
    if (index >= kRoles.size())
        return std::nullopt;
    return kRoles[index];
}

QColor toQColor(ColorValue value) { return toQColor(value, QGuiApplication::palette()); }

QColor toQColor(ColorValue value, const QPalette& palette) {
    if (isSystemColor(value)) {
        const auto role = systemColorRole(value);
        return role ? palette.color(QPalette::Active, *role) : QColor(Qt::black);
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

ColorValue fromQColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return rgbValue(rgb.red(), rgb.green(), rgb.blue());
}

} // namespace qx
