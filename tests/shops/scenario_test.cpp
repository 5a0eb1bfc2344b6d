// A shopping and selling day played through the whole game, headless: sugar bought in the
// general store, the morning restock set on the menu, and the lunch trade until closing time.
#include <gtest/gtest.h>

#include <string>

#include "engine/framework/game_mediator.h"
#include "game/main/vemu_comp.h"
#include "game/rules/pantry.h"
#include "tests/support/play_harness.h"

namespace {

using namespace play_test;

constexpr int kGeneralStore = 4;  // 砂糖, ミルク, 小麦粉, 米

// How many the message says were sold: "『…』が売れました" is one, "『…』が N ヶ 売れました" N.
int SoldIn(const std::string& message) {
    const std::string many = "』が ";
    const std::size_t at = message.find(many);
    if (at == std::string::npos) return message.find("』が売れました") != std::string::npos;
    return std::stoi(message.substr(at + many.size()));
}

float Held(const CVemuComp& game, const char8_t* name) {
    const Food* food = FindPantryFood(game.world().kitchen, Sjis(name));
    return food ? food->amount : 0.0f;
}

// Reads the message (decide, as often as it takes) until the screen is on top.
testing::AssertionResult ReadUntilScreen(PlayHarness& play, int screen) {
    for (int i = 0; i < 100 && play.game().screens().id() != screen; ++i) play.Press(kDecide);
    return play.RunUntilScreen(screen, 1);
}

TEST(ShopsScenario, BuyingRestockingAndSellingUntilClosingTime) {
    PlayHarness play;
    ASSERT_TRUE(play.NewGame()) << play.Report();
    play.SkipOpening();
    play.Seed(14);
    play.state().reputation = 100.0f;
    play.Wear(kEquipAccessory1, u8"看板娘だすき");
    play.SetDate(2006, 1, 1, 11, 50);
    play.SetMoney(10000);
    MenuDish* dish = play.AddToMenu(u8"ゼルバ炒め", 1.0f);
    ASSERT_NE(dish, nullptr);
    play.AddToPantry(u8"ゼルバ炒め", 5.0f);
    CVemuComp& game = play.game();

    // The general store: three bags of sugar, by keys and the number entry.
    const float sugar = Held(game, u8"砂糖");
    const int sugar_price = FindFoodDef(Sjis(u8"砂糖"))->price;
    game.world().goods_in_use = kGeneralStore;
    play.ShowScreen(kScreenFoodShop);
    ASSERT_TRUE(play.Choose(u8"砂糖")) << play.Report();
    for (int i = 0; i < 3; ++i) play.Press(kUp);
    play.Press(kDecide);
    ASSERT_TRUE(play.RunUntilMessage(u8"『砂糖』を 3 ヶ買いました")) << play.Report();
    EXPECT_EQ(play.state().money, 10000 - 3 * sugar_price);
    EXPECT_FLOAT_EQ(Held(game, u8"砂糖"), sugar + 3.0f);
    ASSERT_TRUE(ReadUntilScreen(play, kScreenFoodShop)) << play.Report();
    play.Press(kCancel);
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands)) << play.Report();

    // The menu: two portions' worth every morning, of a dish no shop sells the makings of.
    play.ShowScreen(kScreenMenu);
    ASSERT_TRUE(play.Choose(u8"ゼルバ炒め")) << play.Report();
    ASSERT_TRUE(play.Choose(u8"自動仕入れ")) << play.Report();
    for (int i = 0; i < 2; ++i) play.Press(kUp);
    play.Press(kDecide);
    ASSERT_TRUE(play.RunUntilMessage(u8"自動仕入れのできない材料")) << play.Report();
    EXPECT_EQ(dish->restock, 2);
    ASSERT_TRUE(ReadUntilScreen(play, kScreenMenu)) << play.Report();
    play.Press(kCancel);
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands)) << play.Report();

    // Selling from 11:50: the first sale pays its portions.
    const int money = play.state().money;
    play.ShowScreen(kScreenSelling);
    ASSERT_TRUE(play.RunUntilMessage(u8"売れました", 200)) << play.Report();
    const int sold = SoldIn(game.GetMessageText());
    ASSERT_GT(sold, 0);
    EXPECT_EQ(play.state().money, money + dish->Price() * sold);

    // Left to sell on, the shop closes at ten; a visitor the story sends meanwhile is heard out.
    for (int i = 0; i < 4000 && play.state().clock.hour < 22; ++i) {
        if (game.screens().id() == kScreenStory)
            play.Press(kDecide);
        else
            play.Frame();
    }
    ASSERT_EQ(play.state().clock.hour, 22);
    for (int i = 0; i < 50 && !play.RunUntilMessage(u8"閉店時間になりました", 4); ++i)
        play.Press(kDecide);
    EXPECT_TRUE(play.RunUntilScreen(kScreenWaitForMessage)) << play.Report();
    EXPECT_NE(play.Message().find(testing_support::Utf8(u8"閉店時間になりました")),
              std::string::npos);
    EXPECT_TRUE(ReadUntilScreen(play, kScreenMainCommands)) << play.Report();
}

}  // namespace
