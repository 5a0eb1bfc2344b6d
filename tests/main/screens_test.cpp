// The screen stack and what the screens open: the shop list, the prompts, and the notices of
// the screens that have nothing to show.
#include <memory>

#include "engine/framework/game_mediator.h"
#include "game/food/food_def.h"
#include "tests/main/main_fixture.h"

namespace {

using namespace main_test;

TEST_F(MainGameTest, PoppingAScreenGivesTheListBelowItsCursorBack) {
    game.screens().Push(kScreenShopList);
    game.screens().cursor() = 4;
    game.screens().Push(kScreenDestinations);
    EXPECT_EQ(StackIds(),
              (std::vector<int>{kScreenMainCommands, kScreenShopList, kScreenDestinations}));
    EXPECT_EQ(game.screens().entries().back().saved_cursor, 4);
    EXPECT_EQ(game.screens().cursor(), 0);

    EXPECT_EQ(game.screens().Pop(), 1);
    EXPECT_EQ(game.screens().id(), kScreenShopList);
    EXPECT_EQ(game.screens().cursor(), 4);
    // The shop list opened again on the fourth shop.
    EXPECT_EQ(game.select_window().GetIndex(), 4);
    EXPECT_TRUE(world.mediator().IsRunning(&game.select_window()));
}

TEST_F(MainGameTest, ReplacingAScreenKeepsTheCursorsOfBoth) {
    game.screens().cursor() = 2;
    game.screens().Push(kScreenShopList);
    game.screens().cursor() = 5;
    game.screens().Replace(kScreenWaitForMessage);
    EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands, kScreenWaitForMessage}));
    EXPECT_EQ(game.screens().entries().back().saved_cursor, 2);
    EXPECT_EQ(game.screens().id(), kScreenWaitForMessage);
    EXPECT_EQ(game.screens().cursor(), 5);
}

TEST_F(MainGameTest, PoppingTheBottomScreenLeavesItOpenAsItIs) {
    game.screens().cursor() = 3;
    EXPECT_EQ(game.screens().Pop(), 0);
    EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands}));
    EXPECT_EQ(game.screens().id(), kScreenMainCommands);
    EXPECT_EQ(game.screens().cursor(), 3);
}

TEST_F(MainGameTest, TheMainCommandsAskWhatToDoAndRateTheShopAnew) {
    EXPECT_EQ(Message(), "何をしますか？");
    EXPECT_EQ(game.state().status_text, "【小さな食堂】");
    EXPECT_EQ(game.stage().window_kind(), 1);
    EXPECT_TRUE(world.mediator().IsRunning(&game.stage().list_window()));

    // Coming back to them from another screen rates the shop again.
    game.state().contests_won = 10;
    game.screens().Push(kScreenShopList);
    game.screens().Pop();
    EXPECT_EQ(game.state().status_text, "【普通の食堂】");
    EXPECT_EQ(Message(), "何をしますか？");
}

TEST_F(MainGameTest, TheStockExchangeJoinsTheShopsOnceTheFirstShareIsHeld) {
    const std::vector<std::string> shops = {"雑貨屋", "八百屋", "果物屋", "肉屋", "道具屋", "質屋"};
    for (std::uint8_t share : {0, 1}) {
        SCOPED_TRACE(share ? "with the first share" : "without shares");
        game.state().share_flags[0] = share;
        game.screens().Push(kScreenShopList);
        std::vector<std::string> expected = shops;
        if (share) expected.push_back("証券取引所");
        CSelectEvent& list = game.select_window();
        ASSERT_EQ(list.GetCount(), static_cast<int>(expected.size()));
        for (int i = 0; i < list.GetCount(); ++i)
            EXPECT_EQ(list.GetEntries()[i].label, expected[i]);
        EXPECT_EQ(Message(), "どの店に行きますか？");
        game.screens().Pop();
    }
}

TEST_F(MainGameTest, AScreenWithNothingToShowSaysSoInsteadOfOpening) {
    struct Case {
        const char* name;
        int screen;
        const char* notice;
    };
    const Case kCases[] = {
        {"pawn shop, empty bag", kScreenPawnShop, "所持品がありません"},
        {"cooking, nothing in the pot or the pantry", kScreenCooking, "食材がありません"},
        {"menu, empty", kScreenMenu, "メニューがありません"},
        {"selling, empty menu", kScreenSelling, "メニューがありません"},
    };
    world.mediator().items().Clear();
    game.world().kitchen.pantry().clear();
    game.world().kitchen.selection.clear();
    game.world().kitchen.menu.clear();
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        game.screens().Push(c.screen);
        EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands, kScreenWaitForMessage}));
        EXPECT_EQ(game.screens().id(), kScreenWaitForMessage);
        EXPECT_EQ(Message(), c.notice);
        EXPECT_FALSE(game.screens().handles().message.IsDone());
        game.screens().Pop();
    }
}

TEST_F(MainGameTest, WithNoFoodsTheNoticeGoesBackToTheScreenBelowOnceRead) {
    game.world().kitchen.pantry().clear();
    game.world().kitchen.selection.clear();
    game.screens().cursor() = 2;
    game.screens().Push(kScreenCooking);
    ASSERT_EQ(Message(), "食材がありません");
    ASSERT_TRUE(DecideUntilScreen(kScreenMainCommands));
    EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands}));
    EXPECT_EQ(Message(), "何をしますか？");
}

TEST_F(MainGameTest, SellingStartsOnlyWhileAMenuDishCanBeServed) {
    game.world().kitchen.menu.push_back(
        std::make_unique<MenuDish>(*Food::FromDef(FindFoodDef("卵")), 1.0f));
    // The new game's pantry holds eggs.
    game.screens().Push(kScreenSelling);
    EXPECT_EQ(game.screens().id(), kScreenSelling);
    EXPECT_TRUE(game.world().kitchen.menu[0]->servable);
    game.screens().Pop();

    game.world().kitchen.pantry().clear();
    game.screens().Push(kScreenSelling);
    EXPECT_EQ(game.screens().id(), kScreenWaitForMessage);
    EXPECT_EQ(Message(), "材料がなくなりました");
    EXPECT_FALSE(game.world().kitchen.menu[0]->servable);
}

TEST_F(MainGameTest, TheMadeDishIsAnnouncedInWholeUnitsOrAsALittle) {
    struct Case {
        float amount;
        const char* notice;
    };
    const Case kCases[] = {
        {0.5f, "『オムレツ』が少しできました"},
        {0.99f, "『オムレツ』が少しできました"},
        {1.0f, "『オムレツ』が1ヶできました"},
        {2.7f, "『オムレツ』が2ヶできました"},
        // Beyond what an int holds: still the whole number, never a wrapped one.
        {3.0e9f, "『オムレツ』が3000000000ヶできました"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.amount);
        auto dish = std::make_unique<Food>();
        dish->name = "オムレツ";
        dish->amount = c.amount;
        game.world().made_dish = std::move(dish);
        game.world().kitchen.selection.push_back(Food::FromDef(FindFoodDef("卵")));
        game.screens().Push(kScreenDishMade);
        // The announcement does not close the screen: the dish-made screen takes the answer.
        EXPECT_EQ(game.screens().id(), kScreenDishMade);
        EXPECT_EQ(Message(), c.notice);
        EXPECT_TRUE(game.world().kitchen.selection.empty());
        game.screens().Pop();
    }
}

TEST_F(MainGameTest, ARecipeBookOfIngredientsOnlyShowsNoPercentage) {
    for (std::size_t entries : {std::size_t{78}, std::size_t{10}}) {
        SCOPED_TRACE(entries);
        game.world().book.recipes.resize(entries);
        game.screens().Push(kScreenRecipeBook);
        EXPECT_EQ(Message(), "現在のレシピ総数は 0\n達成率は 0％ です");
        game.screens().Pop();
    }
}

TEST_F(MainGameTest, TheAddToMenuQuestionOpensTheYesNoWindow) {
    game.screens().Push(kScreenAddToMenu);
    EXPECT_EQ(Message(), "メニューに追加しますか？");
    EXPECT_EQ(game.stage().window_kind(), 2);
    EXPECT_TRUE(world.mediator().IsRunning(&game.stage().choice_window()));
    EXPECT_EQ(game.stage().choice_window().GetCount(), 2);
}

}  // namespace

namespace {

using namespace main_test;

TEST_F(MainGameTest, CookingListsThePantryUnderItsPrompt) {
    game.screens().Push(kScreenCooking);
    EXPECT_EQ(game.screens().id(), kScreenCooking);
    EXPECT_EQ(Message(), "食材を選んでください");
    // The five starting ingredients.
    EXPECT_EQ(game.stage().entry_count(), 5);
    EXPECT_EQ(game.stage().list_window().GetCount(), 5);
    EXPECT_FALSE(game.stage().choice_window().IsCursorShown());
}

}  // namespace
