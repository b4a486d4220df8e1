#include "charging/ChargeGridConfig.h"
#include "charging/PendingGridMove.h"
#include "platform/KeyCodes.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

using Cell = PendingGridMove::Cell;

ChargeGridConfig navigation(std::set<int> editable, int cols, int wrap, int leftMin) {
    ChargeGridConfig c;
    for (int col = 0; col < cols; ++col)
        if (!editable.count(col))
            c.exemptCols.insert(col);
    c.rightWrapColumn = wrap;
    c.leftMinColumn = leftMin;
    return c;
}

// The moves right and left of each screen's form of the grid, on a grid whose last line is 30.
TEST(ChargeGridMovesTest, RightAndLeftFollowEachScreensTables) {
    const auto posting = navigation({1, 5, 6, 9, 10, 11, 14}, 17, 6, 6);
    const auto request = navigation({1, 8, 10, 16, 26, 27, 28, 29, 30}, 31, 10, 0);
    const auto unitDose = navigation({1, 3, 5, 8}, 11, 8, 0);
    struct Case { const char* name; const ChargeGridConfig* config; Cell from, right, left; };
    const Case cases[] = {
        {"posting code", &posting, {4, 1}, {4, 5}, {4, 1}},
        {"posting quantity", &posting, {4, 6}, {5, 1}, {4, 6}},
        {"posting remarks", &posting, {4, 9}, {5, 1}, {4, 6}},
        {"posting last line", &posting, {30, 6}, {30, 1}, {30, 6}},
        {"request code", &request, {2, 1}, {2, 8}, {2, 1}},
        {"request dosage", &request, {2, 8}, {2, 10}, {2, 1}},
        {"request issued", &request, {2, 10}, {3, 1}, {2, 8}},
        {"request remarks", &request, {2, 16}, {3, 1}, {2, 10}},
        {"unit dose frequency", &unitDose, {7, 3}, {7, 5}, {7, 1}},
        {"unit dose remark", &unitDose, {7, 8}, {8, 1}, {7, 5}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PendingGridMove::rightOf(c.from, 30, *c.config), c.right) << c.name;
        EXPECT_EQ(PendingGridMove::leftOf(c.from, *c.config), c.left) << c.name;
    }
}

TEST(ChargeGridMovesTest, EditorKeysSetTheirMarks) {
    using M = PendingGridMove;
    struct Case { int key; unsigned marks; };
    const Case cases[] = {
        {keys::Home, M::MoveLeft}, {keys::End, M::MoveRight}, {keys::Up, M::RowUp | M::UpReposition},
        {keys::Down, M::RowDown | M::DownReposition}, {keys::PageUp, M::PageUp}, {keys::PageDown, M::PageDown},
        {keys::Left, 0}, {keys::Right, 0}, {'A', 0},
    };
    for (const auto& c : cases) {
        PendingGridMove pending;
        EXPECT_EQ(pending.setForEditorKey(c.key), c.marks != 0) << c.key;
        EXPECT_EQ(pending.marks(), c.marks) << c.key;
    }
    PendingGridMove pending;
    pending.set(M::FirstFocus);
    EXPECT_TRUE(pending.take(M::FirstFocus));
    EXPECT_FALSE(pending.take(M::FirstFocus));
}

} // namespace
} // namespace qx
