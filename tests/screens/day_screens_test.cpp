// The day's screens: the main commands by the hour, the places, the shops' shelves, going out
// and resting.
#include <string>
#include <vector>

#include "engine/common/system.h"
#include "events/story.h"
#include "game/food/food_def.h"
#include "game/food/ingredient_names.h"
#include "game/rules/pantry.h"
#include "tests/screens/screens_fixture.h"

namespace {

using namespace screens_test;

TEST_F(PlayScreenTest, SellingAndGoingOutWaitForTheDayAndRestingAtNightStartsTheNight) {
    struct Case {
        int hour, minute;
        bool day;
    };
    const Case kCases[] = {{21, 55, true}, {22, 0, false}, {6, 55, false}, {7, 0, true}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::to_string(c.hour) + ":" + std::to_string(c.minute));
        SetClock(c.hour, c.minute);
        game.screens().Replace(kScreenMainCommands);
        ASSERT_EQ(Labels(), (std::vector<std::string>{"料理を作る", "販売する", "メニューを見る",
                                                      "休む", "外出する", "作戦"}));
        const MenuEntry* rows = game.stage().list_window().GetEntries();
        for (int row : {0, 2, 3, 5}) EXPECT_TRUE(rows[row].enabled);
        EXPECT_EQ(rows[1].enabled != 0, c.day);
        EXPECT_EQ(rows[4].enabled != 0, c.day);
    }

    // 休む: the rest screen, and from 22:00 the night on top of it.
    for (int hour : {21, 22}) {
        SCOPED_TRACE(hour);
        SetClock(hour, 0);
        ForgetRequestedEvent();
        game.screens().Replace(kScreenMainCommands);
        Choose(3);
        EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands, kScreenResting}));
        EXPECT_EQ(RequestedEvent(), hour == 22 ? "Night" : "");
        game.screens().Pop();
    }
}

TEST_F(PlayScreenTest, TheDestinationsListOnlyTheOpenPlacesInTheirOrder) {
    game.screens().Push(kScreenDestinations);
    EXPECT_EQ(Message(), "どこに行きますか？");
    EXPECT_EQ(Labels(), (std::vector<std::string>{"商店街", "建築事務所"}));
    Choose(1);
    EXPECT_EQ(RequestedEvent(), "ExpandShop");
    EXPECT_EQ(StackIds(),
              (std::vector<int>{kScreenMainCommands, kScreenDestinations, kScreenStory}));
    game.story().Reset();
    game.screens().Pop();
    game.screens().Pop();

    game.state().place_flags.fill(1);
    game.screens().Push(kScreenDestinations);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"商店街", "建築事務所", "料理大会", "ナルフの家",
                                                  "マナの森", "エブラの洞窟", "氷の城"}));
    std::vector<int> values;
    for (int i = 0; i < game.stage().list_window().GetCount(); ++i)
        values.push_back(game.stage().list_window().GetEntries()[i].value);
    EXPECT_EQ(values, (std::vector<int>{0, 2, 1, 4, 3, 5, 6}));
    Choose(4);
    EXPECT_EQ(StackIds(),
              (std::vector<int>{kScreenMainCommands, kScreenDestinations, kScreenOuting}));
}

TEST_F(PlayScreenTest, EachFoodShopShelvesWhatIsMasteredOfItsOwnSlice) {
    struct Case {
        int row;
        FoodShop shop;
    };
    const Case kCases[] = {{0, FoodShop::kGrocer},
                           {1, FoodShop::kGreengrocer},
                           {2, FoodShop::kFruiterer},
                           {3, FoodShop::kButcher}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.row);
        std::vector<std::string> slice;
        for (const char* name : ShopIngredientNames(c.shop)) {
            FindFoodDef(name)->mastered = 1;
            slice.push_back(name);
        }
        // One the player has not mastered stays off the shelf.
        FindFoodDef(slice.back())->mastered = 0;
        slice.pop_back();

        game.screens().Push(kScreenShopList);
        Choose(c.row);
        EXPECT_EQ(game.screens().id(), kScreenFoodShop);
        std::vector<std::string> goods;
        for (const FoodDef* def : game.world().food_goods[game.world().goods_in_use])
            goods.push_back(def->name);
        EXPECT_EQ(goods, slice);
        game.screens().Pop();
        game.screens().Pop();
    }
    game.screens().Push(kScreenShopList);
    Choose(0);
    EXPECT_EQ(game.world().food_goods[game.world().goods_in_use].front()->name, "砂糖");
}

TEST_F(PlayScreenTest, AnOutingEndsAtTheFirstCheckAfterTenAtNight) {
    game.state().place_flags.fill(1);
    SetClock(21, 55);
    game.screens().Push(kScreenDestinations);
    game.screens().Push(kScreenOuting);
    // Whatever is found is read out before she comes home; the clock stays at 22:00.
    for (int frame = 0; frame < 2000 && game.screens().id() == kScreenOuting; ++frame)
        world.Frames(1);
    EXPECT_EQ(game.state().clock.hour, 22);
    EXPECT_EQ(game.state().clock.minute, 0);
    // Told on its own screen over the main commands, which come back once it is read.
    EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands, kScreenWaitForMessage}));
    EXPECT_EQ(Message(), "いま戻りました");
    EXPECT_LT(game.state().stamina, 100.0f);
    ASSERT_TRUE(DecideUntilScreen(kScreenMainCommands));

    // Worn out at night, she collapses instead.
    game.state().stamina = 0.0f;
    game.screens().Push(kScreenDestinations);
    game.screens().Push(kScreenOuting);
    world.Frames(1);
    EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands, kScreenStory}));
    EXPECT_EQ(RequestedEvent(), "WakeAfterCollapse");
}

TEST_F(PlayScreenTest, TheSecondDrawOfAnOutingFindsTheHeartFruit) {
    // A seed whose first draws are r = 2 and s = 6.
    std::uint32_t seed = 0;
    for (;; ++seed) {
        Srand(seed);
        const int r = Rand() % 50;
        if (r == 2 && Rand() % 40 == 6) break;
    }
    game.state().place_flags.fill(1);
    SetClock(10, 0);
    game.screens().Push(kScreenDestinations);
    game.screens().Push(kScreenOuting);
    Srand(seed);
    world.Frames(1);
    EXPECT_EQ(PantryNames().back(), "ココロの実");
    EXPECT_EQ(FindPantryFood(game.world().kitchen, "ココロの実")->amount, 1.0f);
    EXPECT_EQ(Message(), "ココロの実を手に入れました\n");
    EXPECT_EQ(game.state().clock.minute, 5);
    EXPECT_EQ(game.state().minutes_since_story_check, 0);
}

TEST_F(PlayScreenTest, RestingEndsWhenTheMorningLunchOrDinnerComes) {
    struct Case {
        int hour;
        const char* event;
        const char* notice;
    };
    const Case kCases[] = {{6, "MorningRoutine", "何をしますか？"},
                           {11, "", "ランチタイムです"},
                           {17, "", "ディナータイムです"}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.hour);
        SetClock(c.hour, 50);
        game.state().stamina = 10.0f;
        ForgetRequestedEvent();
        game.screens().cursor() = 4;
        game.screens().Push(kScreenResting);
        world.Frames(1);
        EXPECT_EQ(game.screens().id(), kScreenResting);
        // The frame that reaches the hour ends the rest.
        world.Frames(1);
        EXPECT_EQ(game.state().clock.hour, c.hour + 1);
        EXPECT_EQ(game.state().clock.minute, 0);
        // The morning's scene plays on the story screen over the main commands.
        if (*c.event)
            EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands, kScreenStory}));
        else
            EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands, kScreenWaitForMessage}));
        EXPECT_EQ(RequestedEvent(), c.event);
        if (!*c.event) {
            EXPECT_EQ(Message(), c.notice);
            EXPECT_TRUE(DecideUntilScreen(kScreenMainCommands));
        }
        EXPECT_GT(game.state().stamina, 10.0f);
        if (*c.event) {
            // The main commands come back on their first row after the morning.
            EXPECT_EQ(game.screens().entries().back().saved_cursor, 0);
            game.story().Reset();
            game.screens().Pop();
        }
    }
}

}  // namespace
