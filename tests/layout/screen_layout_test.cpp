// Every screen the game can show, drawn through the play harness with the real fonts and the
// longest real names: no text leaves the picture it is drawn on, and nothing covers a text.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/main/screen_ids.h"
#include "tests/layout/screen_table.h"

namespace layout_test {
namespace {

class ScreenLayoutTest : public testing::TestWithParam<std::size_t> {};

TEST_P(ScreenLayoutTest, TextsStayOnTheirPicturesAndUncovered) {
    const ScreenRow& row = Screens()[GetParam()];
    LayoutWorld world;
    ASSERT_TRUE(world.fonts_found()) << "the layout is measured with the system's Japanese fonts";
    world.SetPixels(true);
    ASSERT_TRUE(ShowRow(world, row));
    world.Shoot(row.name);
    const LayoutReport report = world.Check();
    std::string faults;
    for (const std::string& fault : report.faults) faults += "\n  " + fault;
    EXPECT_TRUE(report.faults.empty()) << row.name << ": " << report.faults.size()
                                       << " collisions in " << report.texts << " texts" << faults;
}

// A screen added without a row would go unchecked. These are never on top when a frame is
// drawn: each hands its place on in the frame that opens it, or nothing opens it.
TEST(ScreenTable, EveryScreenHasARow) {
    const int kNeverDrawn[] = {
        kScreenStart,        // opens the main commands over itself
        kScreenContestHall,  // the hall is a scene on the story screen, in its place
        kScreenUnused28,
    };
    for (int id = 0; id < kScreenCount; ++id) {
        if (std::find(std::begin(kNeverDrawn), std::end(kNeverDrawn), id) != std::end(kNeverDrawn))
            continue;
        const bool shown = std::any_of(Screens().begin(), Screens().end(),
                                       [id](const ScreenRow& row) { return row.screen == id; });
        EXPECT_TRUE(shown) << "screen " << id << " has no row in the layout table";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, ScreenLayoutTest,
                         testing::Range<std::size_t>(0, Screens().size()),
                         [](const testing::TestParamInfo<std::size_t>& info) {
                             return std::string(Screens()[info.param].name);
                         });

}  // namespace
}  // namespace layout_test
