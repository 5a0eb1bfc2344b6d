// The main screens kept as pictures, one or more of each kind, so that a change that moves a
// board, a panel or a text shows as a difference. Drawn in the box font, whose pixels do not
// depend on the system's font files. VEMU_UPDATE_GOLDEN=1 rewrites them.
#include <gtest/gtest.h>

#include "engine/graphics/direct_graphics.h"
#include "tests/layout/screen_table.h"
#include "tests/support/golden.h"

namespace layout_test {
namespace {

// Rows of the screen table kept as pictures.
const char* const kGoldenScreens[] = {
    "logo",
    "title",
    "staff_roll",
    "main_commands",
    "main_commands_noon",
    "destinations",
    "food_shop",
    "stock_exchange",
    "selling",
    "cooking_pot",
    "menu",
    "menu_full",
    "recipe_book",
    "owned_items",
    "item_panel_longest_description_1",
    "dish_panel_deep_composition",
    "entry_panel_longest_description",
    "equipment",
    "settings",
    "music_volume",
    "story_longest_two_lines",
};

const ScreenRow* RowNamed(const std::string& name) {
    for (const ScreenRow& row : Screens())
        if (name == row.name) return &row;
    return nullptr;
}

class GoldenScreenTest : public testing::TestWithParam<const char*> {};

TEST_P(GoldenScreenTest, LooksAsKept) {
    const ScreenRow* row = RowNamed(GetParam());
    ASSERT_NE(row, nullptr) << GetParam() << " is no row of the screen table";
    LayoutWorld world(false);
    world.SetPixels(true);
    ASSERT_TRUE(ShowRow(world, *row));
    EXPECT_TRUE(MatchesGolden(std::string("layout/golden/") + row->name,
                              world.app().runtime().graphics.Pixels(),
                              CDirectGraphics::kScreenWidth, CDirectGraphics::kScreenHeight));
}

INSTANTIATE_TEST_SUITE_P(MainScreens, GoldenScreenTest, testing::ValuesIn(kGoldenScreens),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

}  // namespace
}  // namespace layout_test
