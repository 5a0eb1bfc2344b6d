// Long names in the pot and the selling view, and the selling view's places.
#include <gtest/gtest.h>

#include "engine/common/sjis.h"
#include "tests/draw/draw_world.h"

namespace draw_test {
namespace {

struct SplitCase {
    const char* name;
    std::string text;
    std::string first;  // empty: the name stays on one line
    std::string rest;
};
const std::string k21(21, 'A'), k22(22, 'A');

const SplitCase kSplits[] = {
    {"TwentyTwoBytesStayOnOneLine", k22, "", ""},
    {"TwentyThreeBytesSplitAfterByte22", k22 + "B", k22, "B"},
    // byte 22 would fall inside ト (two bytes): the cut moves before it.
    {"ACharacterAcrossByte22MovesWhole", k21 + "トマト", k21, "トマト"},
    {"AllTwoByteCharactersSplitAfterEleven", "トマトトマトトマトトマトトマト",
     "トマトトマトトマトトマ", "トトマト"},
};

// One line at `whole`; split, the first part at `first` and the rest at `rest`.
void ExpectName(const DrawWorld& world, const SplitCase& c, std::pair<int, int> whole,
                std::pair<int, int> first, std::pair<int, int> rest) {
    if (c.first.empty()) {
        ASSERT_TRUE(world.TextAt(whole.first, whole.second)) << c.name;
        EXPECT_EQ(world.TextAt(whole.first, whole.second)->text, c.text) << c.name;
        EXPECT_FALSE(world.TextAt(first.first, first.second)) << c.name;
        return;
    }
    EXPECT_FALSE(world.TextAt(whole.first, whole.second)) << c.name;
    ASSERT_TRUE(world.TextAt(first.first, first.second)) << c.name;
    ASSERT_TRUE(world.TextAt(rest.first, rest.second)) << c.name;
    EXPECT_EQ(world.TextAt(first.first, first.second)->text, c.first) << c.name;
    EXPECT_EQ(world.TextAt(rest.first, rest.second)->text, c.rest) << c.name;
}

// The pot's board is one line high: a name too long for it is cut where the room beside the
// weight ends, never inside a two-byte character, and "…" says so; no second line lies on the
// board's edges.
TEST(PotNameTest, ALongNameIsCutOnACharacterBoundaryClearOfTheWeight) {
    const std::string ellipsis = "…";
    const std::string long_names[] = {
        std::string(40, 'A'), k21 + "トマトトマトトマトトマトトマト",
        "トマトトマトトマトトマトトマトトマトトマト",
        "Aトマトトマトトマトトマトトマトトマトトマト",  // the characters start at an odd byte
    };
    for (const std::string& name : long_names) {
        DrawWorld world;
        world.OnScreen(kScreenCooking, -1);
        world.game.world().kitchen.selection.push_back(DrawWorld::FoodOf("トマト", name.c_str()));
        world.Draw();
        EXPECT_FALSE(world.TextAt(285, 74)) << name;
        EXPECT_FALSE(world.TextAt(291, 86)) << name;
        const std::optional<DrawOp> shown = world.TextAt(285, 80);
        ASSERT_TRUE(shown) << name;
        ASSERT_GT(shown->text.size(), ellipsis.size()) << name;
        ASSERT_EQ(shown->text.substr(shown->text.size() - ellipsis.size()), ellipsis) << name;
        const std::string kept = shown->text.substr(0, shown->text.size() - ellipsis.size());
        EXPECT_EQ(name.substr(0, kept.size()), kept) << name;
        std::size_t at = 0;
        while (at < kept.size())
            at += sjis::IsLeadByte(static_cast<unsigned char>(kept[at])) ? 2 : 1;
        EXPECT_EQ(at, kept.size()) << name << ": cut inside a character";
        // The weight, right-aligned at 455, keeps the board's inset of air before it.
        std::optional<DrawOp> weight;
        for (const DrawOp& op : world.recorder.OfKind(DrawOp::Kind::Text))
            if (op.x == 455 && op.y == 80) weight = op;
        ASSERT_TRUE(weight) << name;
        CDirectGraphics& graphics = world.runtime.graphics;
        DFont* font = &world.game.stage().small_font();
        EXPECT_LE(285 + graphics.TextWidth(shown->text, font),
                  455 - graphics.TextWidth(weight->text, font) - 6)
            << name;
    }
    // A name that fits stays whole.
    DrawWorld world;
    world.OnScreen(kScreenCooking, -1);
    world.game.world().kitchen.selection.push_back(DrawWorld::FoodOf("トマト", "トマト"));
    world.Draw();
    ASSERT_TRUE(world.TextAt(285, 80));
    EXPECT_EQ(world.TextAt(285, 80)->text, std::string("トマト"));
}

TEST(NameSplitTest, TheSellingViewSplitsLongNamesOnACharacterBoundary) {
    for (const SplitCase& c : kSplits) {
        DrawWorld world;
        world.game.world().kitchen.menu.push_back(DrawWorld::DishOf("卵", c.text.c_str()));
        world.OnScreen(kScreenSelling);
        world.Draw();
        ExpectName(world, c, {42, 72}, {42, 68}, {50, 80});
    }
}

TEST(PotTest, TheRowUnderThePointerPulsesAndEachRowShowsItsWeight) {
    DrawWorld world;
    world.OnScreen(kScreenCooking, -1);
    Pantry& pot = world.game.world().kitchen.selection;
    for (int i = 0; i < 3; ++i) pot.push_back(DrawWorld::FoodOf("トマト"));
    pot[2]->amount = 3.0f;
    world.game.screens().play().pot_row_under_pointer = 2;
    world.Draw();
    // Rows 0 and 1 share the first line, row 2 starts the second.
    const std::vector<DrawOp> boards = world.DrawsOf(world.game.stage().textures().item_board3);
    ASSERT_EQ(boards.size(), 3u);
    EXPECT_EQ(std::make_pair(boards[1].x, boards[1].y), std::make_pair(459, 74));
    EXPECT_EQ(std::make_pair(boards[2].x, boards[2].y), std::make_pair(279, 98));
    const std::vector<DrawOp> glow = world.DrawsOf(world.game.stage().textures().item_board3_on);
    ASSERT_EQ(glow.size(), 1u);
    EXPECT_EQ(std::make_pair(glow[0].x, glow[0].y), std::make_pair(279, 98));
    const int grams = static_cast<int>(pot[2]->def->unit_weight * 3.0f);
    ASSERT_TRUE(world.TextAt(455, 104));
    EXPECT_EQ(world.TextAt(455, 104)->text, std::to_string(grams) + " g");
}

TEST(SellingViewTest, PlacesShowTheirDishTheHighlightFadesAndTheKitchenIsBusy) {
    DrawWorld world;
    world.game.state().menu_max = 3;
    Menu& menu = world.game.world().kitchen.menu;
    menu.push_back(DrawWorld::DishOf("卵", "売れた"));
    menu.push_back(DrawWorld::DishOf("卵", "品切れ"));
    world.OnScreen(kScreenSelling);
    menu[0]->servable = 1;
    menu[0]->sale_highlight = 5;
    menu[1]->servable = 0;
    menu[1]->sale_highlight = 5;
    world.game.state().cooking_minutes = 10;
    world.Draw();

    EXPECT_EQ(world.DrawsOf(world.game.stage().textures().item_board).size(), 3u);
    const std::vector<DrawOp> glow = world.DrawsOf(world.game.stage().textures().item_board_on);
    ASSERT_EQ(glow.size(), 2u);
    EXPECT_EQ(glow[0].effect.alpha, 205);
    // Alpha 205 gives q = 136: red 188, green 168.
    EXPECT_EQ(world.TextAt(42, 72)->color, 0xFFBCA800u);
    EXPECT_EQ(world.TextAt(42, 104)->color, 0x80808080u) << "not servable: grey";
    ASSERT_TRUE(world.TextAt(42, 136));
    EXPECT_EQ(world.TextAt(42, 136)->text, "                 -");
    ASSERT_TRUE(world.TextAt(420, 230));
    EXPECT_EQ(world.TextAt(420, 230)->color, 0xFFFF0000u);

    world.game.state().cooking_minutes = 0;
    menu[0]->sale_highlight = 0;
    world.Draw();
    EXPECT_FALSE(world.TextAt(420, 230));
    EXPECT_EQ(world.TextAt(42, 72)->color, 0xFF523E14u);
}

TEST(SellingViewTest, AMenuEmptiedWhileSellingShowsNoPlaces) {
    DrawWorld world;
    world.game.world().kitchen.menu.push_back(DrawWorld::DishOf("卵"));
    world.OnScreen(kScreenSelling);
    world.game.world().kitchen.menu.clear();
    world.game.state().menu_max = 4;
    world.game.state().cooking_minutes = 10;
    world.Draw();
    EXPECT_TRUE(world.DrawsOf(world.game.stage().textures().item_board).empty());
    EXPECT_FALSE(world.TextAt(420, 230));
}

}  // namespace
}  // namespace draw_test
