#include "platform/Colors.h"
#include "platform/Twips.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(Colors, PlainValuesHoldRedInTheLowestByte) {
    struct Case { ColorValue value; QColor expected; };
    const Case cases[] = {
        {0x0000FF, QColor(255, 0, 0)},       // red
        {0xFF0000, QColor(0, 0, 255)},       // blue
        {0xC0FFC0, QColor(192, 255, 192)},   // light green
        {0xFF80FF, QColor(255, 128, 255)},   // pink
        {0xC0FFFF, QColor(255, 255, 192)},   // light yellow
        {0x0080FF, QColor(255, 128, 0)},     // orange
        {0x000000, QColor(0, 0, 0)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toQColor(c.value), c.expected) << std::hex << c.value;
        EXPECT_EQ(fromQColor(c.expected), c.value) << std::hex << c.value;
    }
    EXPECT_EQ(rgbValue(192, 255, 192), 0xC0FFC0u);
}

TEST(Colors, SchemeEntriesResolveAgainstThePalette) {
    QPalette palette;
    palette.setColor(QPalette::ToolTipBase, QColor(1, 2, 3));
    palette.setColor(QPalette::Base, QColor(4, 5, 6));
    palette.setColor(QPalette::Text, QColor(7, 8, 9));
    palette.setColor(QPalette::Button, QColor(10, 11, 12));
    palette.setColor(QPalette::Dark, QColor(13, 14, 15));
    palette.setColor(QPalette::Highlight, QColor(16, 17, 18));
    palette.setColor(QPalette::HighlightedText, QColor(19, 20, 21));
    struct Case { ColorValue value; QColor expected; };
    const Case cases[] = {
        {0x80000018, QColor(1, 2, 3)},      // info background
        {0x80000005, QColor(4, 5, 6)},      // window background
        {0x80000008, QColor(7, 8, 9)},      // window text
        {0x8000000F, QColor(10, 11, 12)},   // button face
        {0x8000000C, QColor(13, 14, 15)},   // application workspace
        {0x8000000D, QColor(16, 17, 18)},   // highlight
        {0x8000000E, QColor(19, 20, 21)},   // highlight text
        {0x800000FF, QColor(0, 0, 0)},      // no such entry
    };
    for (const auto& c : cases)
        EXPECT_EQ(toQColor(c.value, palette), c.expected) << std::hex << c.value;
    EXPECT_TRUE(isSystemColor(colors::InfoBackground));
    EXPECT_FALSE(isSystemColor(0xFFFFFF));
    EXPECT_FALSE(systemColorRole(0xFF80FF).has_value());
    EXPECT_EQ(toQColor(colors::InfoBackground), QApplication::palette().color(QPalette::ToolTipBase));
}

TEST(Twips, FifteenTwipsMakeAPixelRoundedToTheNearest) {
    struct Case { double twips; int pixels; };
    const Case cases[] = {
        {0, 0}, {15, 1}, {300, 20}, {7, 0}, {8, 1}, {25, 2}, {-8, -1}, {-7, 0},
        {4740, 316}, {2445, 163}, {4199.81, 280}, {1440, 96},
    };
    for (const auto& c : cases)
        EXPECT_EQ(twipsToPixels(c.twips), c.pixels) << c.twips;
    EXPECT_EQ(pixelsToTwips(316), 4740);
    EXPECT_EQ(twipsToPixels(1320, 960, 3015, 285), QRect(88, 64, 201, 19));
    EXPECT_EQ(twipsToPixels(QSize(4710, 2805)), QSize(314, 187));
}

} // namespace
} // namespace qx
