#pragma once
#include <QColor>
#include <QPalette>
#include <cstdint>
#include <optional>

namespace qx {

// A colour as the screens write it: &HBBGGRR (red in the lowest byte), or &H800000nn, which
// names entry nn of the desktop's colour scheme and is resolved against the palette when drawn.
using ColorValue = std::uint32_t;

namespace colors {
constexpr ColorValue kSystemFlag = 0x80000000u;

// Named entries of the colour scheme the screens use.
constexpr ColorValue ScrollBars = 0x80000000u;
constexpr ColorValue Desktop = 0x80000001u;
constexpr ColorValue ActiveTitleBar = 0x80000002u;
constexpr ColorValue InactiveTitleBar = 0x80000003u;
constexpr ColorValue MenuBar = 0x80000004u;
constexpr ColorValue WindowBackground = 0x80000005u;
constexpr ColorValue WindowFrame = 0x80000006u;
constexpr ColorValue MenuText = 0x80000007u;
constexpr ColorValue WindowText = 0x80000008u;
constexpr ColorValue TitleBarText = 0x80000009u;
constexpr ColorValue ActiveBorder = 0x8000000Au;
constexpr ColorValue InactiveBorder = 0x8000000Bu;
constexpr ColorValue ApplicationWorkspace = 0x8000000Cu;
constexpr ColorValue Highlight = 0x8000000Du;
constexpr ColorValue HighlightText = 0x8000000Eu;
constexpr ColorValue ButtonFace = 0x8000000Fu;
constexpr ColorValue ButtonShadow = 0x80000010u;
constexpr ColorValue GrayText = 0x80000011u;
constexpr ColorValue ButtonText = 0x80000012u;
constexpr ColorValue InactiveCaptionText = 0x80000013u;
constexpr ColorValue Highlight3D = 0x80000014u;
constexpr ColorValue DarkShadow3D = 0x80000015u;
constexpr ColorValue Light3D = 0x80000016u;
constexpr ColorValue InfoText = 0x80000017u;
constexpr ColorValue InfoBackground = 0x80000018u;

constexpr ColorValue Black = 0x000000u;
constexpr ColorValue Red = 0x0000FFu;
constexpr ColorValue Green = 0x00FF00u;
constexpr ColorValue Yellow = 0x00FFFFu;
constexpr ColorValue Blue = 0xFF0000u;
constexpr ColorValue Magenta = 0xFF00FFu;
constexpr ColorValue Cyan = 0xFFFF00u;
constexpr ColorValue White = 0xFFFFFFu;
} // namespace colors

constexpr ColorValue rgbValue(int red, int green, int blue) {
    return static_cast<ColorValue>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}

constexpr bool isSystemColor(ColorValue value) { return (value & colors::kSystemFlag) != 0; }

// The palette role that stands for a scheme entry; none for a plain colour or an unknown entry.
std::optional<QPalette::ColorRole> systemColorRole(ColorValue value);

// The colour to draw: a plain value as it stands, a scheme entry from the palette (the
// application's palette when none is given). An unknown scheme entry draws black.
QColor toQColor(ColorValue value);
QColor toQColor(ColorValue value, const QPalette& palette);

// The plain value of a drawn colour (alpha dropped).
ColorValue fromQColor(const QColor& color);

} // namespace qx
