// The grid model's promises that the workspaces and browsers build on.
#include <gtest/gtest.h>

#include "analysis/grid.h"

namespace orbalis {
namespace {

TEST(Grid, RowCountChangesKeepTheRemainingCells) {
    Grid grid(3, 2);
    grid.setText(1, 1, "amo");
    grid.setColour(1, 1, TextColour::Orange);
    grid.setBold(2, 0, true);
    grid.setRowCount(10);
    EXPECT_EQ(grid.text(1, 1), "amo");
    EXPECT_EQ(grid.colour(1, 1), TextColour::Orange);
    EXPECT_TRUE(grid.bold(2, 0));
    EXPECT_EQ(grid.text(9, 1), "");
    EXPECT_FALSE(grid.bold(9, 0));
    grid.setRowCount(2);
    grid.setRowCount(3);
    EXPECT_FALSE(grid.bold(2, 0)) << "a row removed and added again comes back empty";
    EXPECT_EQ(grid.text(1, 1), "amo");
}

TEST(Grid, ClearEmptiesEveryCellButKeepsTheRows) {
    Grid grid(4, 3);
    grid.setText(0, 0, "Forme");
    grid.setAlignment(0, 0, Alignment::Centre);
    grid.setText(3, 2, "x");
    grid.clear();
    EXPECT_EQ(grid.rowCount(), 4u);
    EXPECT_EQ(grid.text(0, 0), "");
    EXPECT_EQ(grid.alignment(0, 0), Alignment::Default);
    EXPECT_EQ(grid.text(3, 2), "");
}

TEST(Grid, CopiesAreIndependent) {
    Grid original(2, 2);
    original.setText(1, 0, "rosa");
    Grid copy = original;
    copy.setText(1, 0, "rosae");
    copy.setText(1, 1, "rosa");  // found again in the copy's own texts
    EXPECT_EQ(original.text(1, 0), "rosa");
    EXPECT_EQ(copy.text(1, 0), "rosae");
    EXPECT_EQ(copy.intern("rosa"), copy.intern(std::string("ro") + "sa"));
    original = copy;
    EXPECT_EQ(original.text(1, 1), "rosa");
    copy.setText(1, 1, "");
    EXPECT_EQ(original.text(1, 1), "rosa");
}

}  // namespace
}  // namespace orbalis
