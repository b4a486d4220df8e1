#include "suite/GridEntry.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

using qx::TallyGrid::GridEntry;

namespace {

TEST(GridEntry, OnlyUnlockedCellsCanBeTypedInto) {
    GridEntry grid;
    grid.setCols(12);
    grid.setRows(3);
    const int widths[] = {300, 600, 2500, 1200, 700, 900, 600, 696, 696, 1200, 1200, 2500};
    for (int c = 0; c < 12; ++c) {
        grid.setColWidth(c, widths[c]);
        if (c != 8)
            grid.setColLocked(c, true);
    }
    EXPECT_EQ(grid.ColWidth(2), 2490);  // whole pixels of 15 twips
    grid.setTextMatrix(1, 8, QStringLiteral("5"));
    EXPECT_EQ(grid.TextMatrix(1, 8), QStringLiteral("5"));
    EXPECT_TRUE(grid.item(1, 8)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid.item(1, 3)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(grid.isCellLocked(0, 8));  // the header row

    // A removed line loses its open refill cell; the other lines keep theirs.
    grid.setRow(2);
    grid.lock(8, true);
    EXPECT_TRUE(grid.isCellLocked(2, 8));
    EXPECT_FALSE(grid.item(2, 8)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid.isCellLocked(1, 8));
    grid.lock(8, false);
    EXPECT_FALSE(grid.isCellLocked(2, 8));

    grid.setRows(4);  // a new line takes the column locks
    EXPECT_FALSE(grid.item(3, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(grid.item(3, 8)->flags() & Qt::ItemIsEditable);
}

TEST(GridEntry, ReportsKeysWithTheirCodes) {
    GridEntry grid;
    grid.setRows(3);
    grid.setRow(1);
    QList<int> codes;
    QObject::connect(&grid, &GridEntry::KeyDown, [&](int code) { codes << code; });
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&grid, &enter);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&grid, &escape);
    EXPECT_EQ(codes, (QList<int>{13, 27}));
    EXPECT_EQ(grid.Row(), 1);  // moving on Enter is the window's business
}

} // namespace
