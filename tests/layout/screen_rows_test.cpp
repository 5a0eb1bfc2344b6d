// The game's own screen table: a screen id without a row would open as nothing and do nothing
// each frame, so every id must have exactly one row, and each row must be found under its id.
#include <gtest/gtest.h>

#include <map>

#include "game/main/screen_ids.h"
#include "game/screens/screen_table.h"

namespace {

TEST(ScreenTable, EveryScreenIdHasOneRowInTheGamesScreenTable) {
    std::map<int, int> rows_of_id;
    for (const ::ScreenRow* row : ScreenRows()) {
        ASSERT_NE(row, nullptr);
        EXPECT_GE(row->id, 0) << "a row outside the screen ids";
        EXPECT_LT(row->id, kScreenCount) << "a row outside the screen ids";
        ++rows_of_id[row->id];
    }
    for (int id = 0; id < kScreenCount; ++id) {
        EXPECT_EQ(rows_of_id[id], 1)
            << "screen " << id << " has " << rows_of_id[id] << " rows in the screen table";
        const ::ScreenRow* found = FindScreenRow(id);
        EXPECT_TRUE(found && found->id == id) << "screen " << id << " is not found under its id";
    }
    EXPECT_EQ(FindScreenRow(-1), nullptr);
    EXPECT_EQ(FindScreenRow(kScreenCount), nullptr);
}

// A list screen opens its list from the row: one that shows a list but has neither rows nor a
// step of its own to fill them would open empty.
TEST(ScreenTable, AListScreenNamesWhereItsRowsComeFrom) {
    for (const ::ScreenRow* row : ScreenRows())
        if (row->steps & kShowList)
            EXPECT_NE(row->rows, nullptr) << "screen " << row->id << " shows a list of nothing";
}

}  // namespace
