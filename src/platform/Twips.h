#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace qx {

// Screen lengths are given in twips; the screens are laid out at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

// Nearest whole pixel; halves go away from zero so that +n and -n twips give mirrored pixels.
constexpr int twipsToPixels(double twips) {
    const double px = twips / kTwipsPerPixel;
    return static_cast<int>(px < 0 ? px - 0.5 : px + 0.5);
}

constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect twipsToPixels(double left, double top, double width, double height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

inline QSize twipsToPixels(QSize twips) {
    return {twipsToPixels(twips.width()), twipsToPixels(twips.height())};
}

inline QPoint pixelsToTwips(QPoint pixels) {
    return {pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y())};
}

} // namespace qx
