// Cooking from the pantry to the finished dish, and what the menu screens do with a dish.
#include <string>
#include <vector>

#include "game/food/food_def.h"
#include "game/rules/pantry.h"
#include "tests/screens/screens_fixture.h"

namespace {

using namespace screens_test;

constexpr int kRightMouse = 1;

std::vector<std::pair<std::string, float>> Contents(const Pantry& foods) {
    std::vector<std::pair<std::string, float>> out;
    for (const auto& food : foods) out.emplace_back(food->name, food->amount);
    return out;
}

std::unique_ptr<MenuDish> Dish(const char* name) {
    auto dish = std::make_unique<MenuDish>(*Food::FromDef(FindFoodDef(name)), 1.0f);
    dish->servable = 1;
    return dish;
}

std::vector<std::string> MenuNames(CVemuComp& game) {
    std::vector<std::string> names;
    for (const auto& dish : game.world().kitchen.menu) names.push_back(dish->name);
    return names;
}

TEST_F(PlayScreenTest, ACookingFlowFromThePantryToTheFinishedDish) {
    using Rows = std::vector<std::pair<std::string, float>>;
    Choose(0);
    ASSERT_EQ(game.screens().id(), kScreenCooking);
    const Pantry& pot = game.world().kitchen.selection;
    // Two units of the first food and one egg into the pot.
    Choose(0);
    Choose(0);
    Choose(2);
    EXPECT_EQ(Contents(pot), (Rows{{"ゼルバワラビ", 2.0f}, {"卵", 1.0f}}));
    EXPECT_EQ(FindPantryFood(game.world().kitchen, "ゼルバワラビ")->amount, 3.0f);
    EXPECT_EQ(FindPantryFood(game.world().kitchen, "卵")->amount, 4.0f);

    // Cancel hands the last food back, one unit at a time.
    world.Tap(main_test::kCancel);
    EXPECT_EQ(Contents(pot), (Rows{{"ゼルバワラビ", 2.0f}}));
    EXPECT_EQ(FindPantryFood(game.world().kitchen, "卵")->amount, 5.0f);
    EXPECT_EQ(game.screens().id(), kScreenCooking);

    // The right button held: one at once, then nothing until it has been held past 25 frames.
    world.backend.window.HoldMouseButton(kRightMouse, true);
    world.Frames(28);
    EXPECT_EQ(Contents(pot), (Rows{{"ゼルバワラビ", 1.0f}}));
    world.Frames(1);
    EXPECT_TRUE(pot.empty());
    world.backend.window.HoldMouseButton(kRightMouse, false);
    world.Frames(1);
    EXPECT_EQ(FindPantryFood(game.world().kitchen, "ゼルバワラビ")->amount, 5.0f);
    EXPECT_EQ(game.screens().id(), kScreenCooking);

    // One egg, then the method window (virtual button 3) and its first method.
    // The pointer's first reading moved it off the list: a key brings the cursor back.
    EXPECT_FALSE(game.stage().list_window().IsCursorShown());
    world.Tap(main_test::kUp);
    Choose(2);
    ASSERT_EQ(Contents(pot), (Rows{{"卵", 1.0f}}));
    PressKey(platform::vk::kRight);
    EXPECT_EQ(Message(), "調理方法を選んでください");
    EXPECT_FALSE(game.stage().list_window().IsCursorShown());
    ASSERT_GE(game.stage().second_entries().size(), 1u);
    EXPECT_EQ(game.stage().second_entries()[0].label, "加工");
    const GameClock before = game.state().clock;
    world.Tap(main_test::kDecide);
    ASSERT_EQ(game.screens().id(), kScreenCookingInProgress);
    ASSERT_TRUE(game.world().candidate_dish);
    EXPECT_EQ(game.world().candidate_dish->amount, 1.0f);
    EXPECT_TRUE(game.world().candidate_dish->servable);
    EXPECT_EQ(game.screens().play().shown_cooking_method, kMethodProcess);

    // The kitchen is busy for its minutes, then the dish is announced.
    int frames = 0;
    for (; frames < 1000 && game.screens().id() == kScreenCookingInProgress; ++frames)
        world.Frames(1);
    EXPECT_EQ(game.screens().id(), kScreenDishMade);
    // The press that chose the method was the first of its frames.
    EXPECT_EQ(frames + 1, 101);
    EXPECT_EQ(game.screens().play().shown_cooking_method, 0);
    EXPECT_EQ(game.state().cooking_minutes, 0);
    const int minutes =
        (game.state().clock.hour - before.hour) * 60 + game.state().clock.minute - before.minute;
    EXPECT_GT(minutes, 0);
    EXPECT_EQ(minutes % 5, 0);
    EXPECT_EQ(Message(), "『" + game.world().made_dish->name + "』が1ヶできました");
    EXPECT_TRUE(pot.empty());
}

TEST_F(PlayScreenTest, CancellingTheMethodWindowGoesBackToTheFoods) {
    Choose(0);
    Choose(0);
    PressKey(platform::vk::kRight);
    ASSERT_EQ(game.screens().play().cooking_phase, 1);
    // The left key cancels the method window too.
    PressKey(platform::vk::kLeft);
    EXPECT_EQ(game.screens().play().cooking_phase, 0);
    EXPECT_TRUE(game.stage().list_window().IsCursorShown());
    EXPECT_EQ(game.screens().id(), kScreenCooking);
    EXPECT_EQ(game.world().kitchen.selection.size(), 1u);
}

TEST_F(PlayScreenTest, ADishForTheMenuTakesTheChosenSlotsPlace) {
    game.state().menu_max = 3;
    game.world().kitchen.menu.push_back(Dish("ミルク"));
    game.world().kitchen.menu.push_back(Dish("小麦粉"));
    game.world().chosen_menu_slot = 0;
    game.screens().Push(kScreenAddDishToMenu);
    EXPECT_EQ(Message(), "メニューに登録する料理を選んでください");
    Choose(2);  // 卵
    EXPECT_EQ(MenuNames(game), (std::vector<std::string>{"卵", "小麦粉"}));
    EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands}));
    EXPECT_FALSE(game.world().candidate_dish);

    // Without a chosen slot it goes at the end.
    game.screens().Push(kScreenAddDishToMenu);
    Choose(3);  // ミルク
    EXPECT_EQ(MenuNames(game), (std::vector<std::string>{"卵", "小麦粉", "ミルク"}));
}

TEST_F(PlayScreenTest, AFullMenuAndTheSameDishTwiceAreDecidedNotCancelled) {
    game.world().kitchen.menu.push_back(Dish("ミルク"));
    game.screens().Push(kScreenAddDishToMenu);
    Choose(2);  // 卵: one more than the menu holds
    ASSERT_EQ(game.screens().id(), kScreenMenuFull);
    EXPECT_EQ(MenuNames(game), (std::vector<std::string>{"ミルク", "卵"}));
    world.Tap(main_test::kCancel);
    world.ClickRight();
    world.Frames(1);
    EXPECT_EQ(game.screens().id(), kScreenMenuFull);
    // The menu's rows come with the menu screen; the decision is the list's.
    game.screens().cursor() = 0;
    game.screens().handles().list.Signal();
    world.Frames(1);
    EXPECT_EQ(MenuNames(game), (std::vector<std::string>{"卵"}));
    EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands}));

    // The same dish again: which of the two goes.
    for (int row : {0, 1}) {
        SCOPED_TRACE(row);
        game.world().kitchen.menu.front()->taste = 7;
        game.screens().Push(kScreenAddDishToMenu);
        Choose(2);
        ASSERT_EQ(game.screens().id(), kScreenKeepWhichDish);
        EXPECT_EQ(Labels(), (std::vector<std::string>{"卵", "卵"}));
        world.Tap(main_test::kCancel);
        EXPECT_EQ(game.screens().id(), kScreenKeepWhichDish);
        Choose(row);
        EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands}));
        ASSERT_EQ(MenuNames(game), (std::vector<std::string>{"卵"}));
        // Row 0 drops the old dish for the new one; row 1 drops the new one.
        EXPECT_EQ(game.world().kitchen.menu.front()->taste == 7, row == 1);
        EXPECT_FALSE(game.world().candidate_dish);
    }
}

TEST_F(PlayScreenTest, AContestDishIsAskedForAndAnEmptyPantryCanBeLeft) {
    game.screens().Push(kScreenContestDish);
    EXPECT_EQ(Message(), "提出する料理を選んでください");
    Choose(2);  // 卵
    ASSERT_TRUE(game.world().contest_dish);
    EXPECT_EQ(game.world().contest_dish->name, "卵");
    EXPECT_EQ(Message(), "この料理を提出しますか？");
    // The question is read to its end before the yes/no window opens.
    for (int frame = 0; frame < 200 && game.stage().window_kind() != 2; ++frame)
        world.Tap(main_test::kDecide);
    ASSERT_EQ(game.stage().window_kind(), 2);
    EXPECT_EQ(game.stage().choice_result(), 1);  // いいえ first
    game.stage().choice_window().SetCursorShown(true);
    world.Tap(main_test::kUp);
    EXPECT_EQ(game.stage().choice_result(), 0);
    world.Tap(main_test::kDecide);
    EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands}));
    EXPECT_EQ(FindPantryFood(game.world().kitchen, "卵")->amount, 4.0f);

    // With nothing to hand in, cancel leaves without a dish.
    game.world().kitchen.pantry().clear();
    game.screens().Push(kScreenContestDish);
    ASSERT_EQ(game.stage().entry_count(), 0);
    world.Tap(main_test::kCancel);
    EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands}));
    EXPECT_FALSE(game.world().contest_dish);
}

}  // namespace
