#include "platform/FlexGrid.h"
#include "shell/GridHelpers.h"

#include <gtest/gtest.h>

using namespace qx;

namespace {

// A grid with a header row and one data row per entry; each entry's cells from column 0 on.
std::unique_ptr<FlexGrid> gridOf(const std::vector<QStringList>& lines, int cols = 3) {
    auto grid = std::make_unique<FlexGrid>();
    grid->setCols(cols);
    grid->setRows(int(lines.size()) + 1);
    grid->setFixedRows(1);
    for (int r = 0; r < int(lines.size()); ++r)
        for (int c = 0; c < lines[r].size(); ++c)
            grid->setTextMatrix(r + 1, c, lines[r][c]);
    return grid;
}

TEST(GridHelpersTest, DuplicateRows) {
    struct Case {
        const char* name;
        std::vector<QStringList> lines;  // column 1 key, column 2 flag
        bool duplicate;
    } cases[] = {
        {"one line", {{"", "PARA500", ""}}, false},
        {"same item twice", {{"", "PARA500", ""}, {"", "AMOX500", ""}, {"", "PARA500", ""}}, true},
        {"first marked XXX", {{"", "PARA500", "XXX"}, {"", "PARA500", ""}}, false},
        {"second marked XXX", {{"", "PARA500", ""}, {"", "PARA500", "XXX"}}, false},
        {"empty keys never pair", {{"", "", ""}, {"", "", ""}}, false},
        {"keys compared as stored", {{"", "PARA500", ""}, {"", "PARA500 ", ""}}, false},
    };
    for (const Case& c : cases) {
        auto grid = gridOf(c.lines);
        EXPECT_EQ(GridHasDuplicateRows(*grid, 1, 2), c.duplicate) << c.name;
    }
    auto grid = gridOf({{"", "A", ""}, {"", "A", ""}});
    EXPECT_FALSE(GridHasDuplicateRows(*grid, 1, 9));  // a bad column answers False
}

TEST(GridHelpersTest, HasValueSkipsTheCurrentRowAndTrims) {
    auto grid = gridOf({{"", " PARA500 "}, {"", "AMOX500"}});
    grid->setRow(2);
    EXPECT_TRUE(GridHasValue(*grid, 1, QStringLiteral("PARA500"), 1));
    EXPECT_FALSE(GridHasValue(*grid, 1, QStringLiteral("AMOX500 "), 1));  // only in the current row
    EXPECT_FALSE(GridHasValue(*grid, 1, QStringLiteral("PARA500"), 2));
}

TEST(GridHelpersTest, SumCountsNumericCellsOnly) {
    auto grid = gridOf({{"12.50"}, {"word"}, {""}, {"3"}, {"1,000.25"}});
    EXPECT_DOUBLE_EQ(SumGridColumn(*grid, 0, 1), 16.5);  // 1,000.25 is numeric, its leading number is 1
    EXPECT_DOUBLE_EQ(SumGridColumn(*grid, 0, 4), 4);
    EXPECT_DOUBLE_EQ(SumGridColumn(*gridOf({{"x"}}), 0, 1), 0);
}

TEST(GridHelpersTest, HighlightColoursTheCurrentCell) {
    auto grid = gridOf({{"A", "B"}});
    grid->setRow(1);
    grid->setCol(1);
    SetGridHighlight(*grid, true);
    EXPECT_EQ(grid->cellBackColor(), colors::InfoBackground);
    EXPECT_EQ(grid->cellForeColor(), colors::WindowText);
    SetGridHighlight(*grid, false);
    EXPECT_EQ(grid->cellBackColor(), colors::WindowBackground);

    FlexGrid empty;
    empty.setRows(0);
    SetGridHighlight(empty, true);
    EXPECT_EQ(empty.rows(), 0);
}

} // namespace
