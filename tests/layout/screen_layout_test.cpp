// Every screen the game can show, drawn through the play harness with the real fonts and the
// longest real names: no text leaves the picture it is drawn on, and nothing covers a text.
#include <gtest/gtest.h>

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

INSTANTIATE_TEST_SUITE_P(EveryScreen, ScreenLayoutTest,
                         testing::Range<std::size_t>(0, Screens().size()),
                         [](const testing::TestParamInfo<std::size_t>& info) {
                             return std::string(Screens()[info.param].name);
                         });

}  // namespace
}  // namespace layout_test
