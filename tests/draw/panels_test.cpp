// The information panels: which screens show one, the food panel's rows, the status panel.
#include <gtest/gtest.h>

#include <functional>

#include "tests/draw/draw_world.h"

namespace draw_test {
namespace {

// Every panel starts with a title line at (310, 165).
bool PanelShown(const DrawWorld& world) { return world.TextAt(310, 165).has_value(); }

// A menu of one dish, then the screen, listing one row: the pantry's first food.
void OpenWithOneRow(DrawWorld& world, int screen, int cursor) {
    world.game.world().kitchen.menu.push_back(DrawWorld::DishOf("卵", "オムレツ"));
    world.OnScreen(screen, cursor);
    Stage::ResizeMenuEntries(world.game.stage().entries(), 1);
    world.game.stage().entries()[0].value = 0;
}

struct PanelCase {
    const char* name;
    int screen;
    int cursor;
    std::function<void(DrawWorld&)> arrange;
    bool shown;
};
void PrintTo(const PanelCase& c, std::ostream* os) { *os << c.name; }

class PanelTest : public ::testing::TestWithParam<PanelCase> {};

TEST_P(PanelTest, APanelIsDrawnOnlyForSomethingThatExists) {
    const PanelCase& c = GetParam();
    DrawWorld world;
    OpenWithOneRow(world, c.screen, c.cursor);
    if (c.arrange) c.arrange(world);
    world.Draw();
    EXPECT_EQ(PanelShown(world), c.shown);
}

void EntryPointsPastThePantry(DrawWorld& world) { world.game.stage().entries()[0].value = 99; }
void KnowTheFirstDish(DrawWorld& world) {
    Recipe& recipe = *world.game.world().book.recipes.at(kPlainIngredientCount);
    recipe.def->known = 1;
    recipe.last_result = DrawWorld::FoodOf("トマト", "焼きトマト");
}
void MakeADish(DrawWorld& world) {
    world.game.world().made_dish = DrawWorld::FoodOf("トマト");
    world.game.world().candidate_dish = DrawWorld::DishOf("トマト");
}

INSTANTIATE_TEST_SUITE_P(
    Screens, PanelTest,
    ::testing::Values(
        PanelCase{"CookingAtRow0", kScreenCooking, 0, nullptr, true},
        PanelCase{"CookingWithoutCursor", kScreenCooking, -1, nullptr, false},
        PanelCase{"AddDishWithoutCursor", kScreenAddDishToMenu, -1, nullptr, false},
        PanelCase{"ContestDishWithoutCursor", kScreenContestDish, -1, nullptr, false},
        PanelCase{"CookingPastTheList", kScreenCooking, 1, nullptr, false},
        PanelCase{"CookingRowPastThePantry", kScreenCooking, 0, EntryPointsPastThePantry, false},
        PanelCase{"DictionaryWithoutCursor", kScreenIngredientDictionary, -1, nullptr, false},
        PanelCase{"RecipeBookKnownDish", kScreenRecipeBook, 0, KnowTheFirstDish, true},
        PanelCase{"RecipeBookWithoutCursor", kScreenRecipeBook, -1, KnowTheFirstDish, false},
        PanelCase{"RecipeBookPastTheBook", kScreenRecipeBook, 100000, KnowTheFirstDish, false},
        PanelCase{"DishMadeWithADish", kScreenDishMade, 0, MakeADish, true},
        PanelCase{"DishMadeWithoutADish", kScreenDishMade, 0, nullptr, false},
        PanelCase{"MenuAtItsDish", kScreenMenu, 0, nullptr, true},
        PanelCase{"MenuPastItsDishes", kScreenMenu, 1, nullptr, false},
        PanelCase{"MenuFullWithoutCursor", kScreenMenuFull, -1, nullptr, false},
        PanelCase{"KeepWhichWithoutAChosenSlot", kScreenKeepWhichDish, 0, nullptr, false},
        PanelCase{"KeepWhichWithoutACandidate", kScreenKeepWhichDish, 1, nullptr, false},
        PanelCase{"KeepWhichTheOldDish", kScreenKeepWhichDish, 0,
                  [](DrawWorld& world) { world.game.world().chosen_menu_slot = 0; }, true}),
    [](const auto& info) { return std::string(info.param.name); });

// The food panel of the cooking screen's first row.
class FoodPanelTest : public ::testing::Test {
protected:
    void SetUp() override { OpenWithOneRow(world, kScreenCooking, 0); }
    Food& food() { return *world.game.world().kitchen.pantry()[0]; }
    DrawWorld world;
};

TEST_F(FoodPanelTest, TheKeepingTimeShowsDaysOrADashForever) {
    food().days = 998;
    world.Draw();
    ASSERT_TRUE(world.TextAt(438, 290));
    EXPECT_EQ(world.TextAt(438, 290)->text, "998");
    EXPECT_TRUE(world.Drew(" 日"));
    food().days = 999;
    world.Draw();
    ASSERT_TRUE(world.TextAt(438, 290));
    EXPECT_EQ(world.TextAt(438, 290)->text, "-");
    EXPECT_FALSE(world.Drew(" 日"));
}

TEST_F(FoodPanelTest, TheWeightIsThatOfOneUnitWhateverTheAmount) {
    food().amount = 5.0f;
    world.Draw();
    ASSERT_TRUE(world.TextAt(438, 250));
    EXPECT_EQ(world.TextAt(438, 250)->text,
              std::to_string(static_cast<int>(food().def->unit_weight)));
    // Beside the method menu a long description goes over two lines around y = 190.
    std::string description;
    for (const DrawOp& op : world.recorder.OfKind(DrawOp::Kind::Text))
        if (op.x == 310 && op.y > 180 && op.y < 200) description += op.text;
    EXPECT_EQ(description, food().def->description);
}

TEST(StatusPanelTest, OnlySkillsPastLevelOneTakeARowWithoutGaps) {
    DrawWorld world;
    world.OnScreen(kScreenMainCommands);
    PlayState& s = world.game.state();
    s.skill_level = {1, 1, 1, 1, 1, 1};
    s.reputation = 10.9f;
    s.status_text = "【小さな食堂】";
    world.Draw();
    EXPECT_EQ(world.TextAt(310, 165)->text, "店舗レベル");
    EXPECT_EQ(world.TextAt(575, 165)->text, "10");
    EXPECT_EQ(world.TextAt(326, 185)->text, "【小さな食堂】");
    EXPECT_FALSE(world.TextAt(310, 205)) << "no row at level 1";

    // 混ぜる has no row; 焼く and 揚げる at levels 1 and 0 leave no gap.
    s.skill_level[kSlotMix] = 9;
    s.skill_level[kSlotProcess] = 2;
    s.skill_level[kSlotBake] = 1;
    s.skill_level[kSlotBoil] = 3;
    s.skill_level[kSlotFry] = 0;
    s.skill_level[kSlotFerment] = 5;
    world.Draw();
    const std::pair<const char*, const char*> kRows[] = {
        {"加工レベル", "2"}, {"煮物レベル", "3"}, {"発酵レベル", "5"}};
    int y = 205;
    for (const auto& [label, level] : kRows) {
        ASSERT_TRUE(world.TextAt(310, y)) << y;
        EXPECT_EQ(world.TextAt(310, y)->text, label);
        EXPECT_EQ(world.TextAt(438, y)->text, level);
        y += 20;
    }
    EXPECT_FALSE(world.TextAt(310, y));
}

}  // namespace
}  // namespace draw_test
