// The selling screen, frame by frame: the opening hours, the kitchen's busy minutes, which
// dishes sell, and what a sale pays and shows.
#include <string>
#include <vector>

#include "game/rules/serving.h"
#include "tests/shops/shops_fixture.h"

namespace {

using namespace shops_test;

class SellingTest : public ShopsTest {
protected:
    // Opens the selling screen on a servable egg dish.
    MenuDish& StartSelling() {
        MenuDish& dish = AddMenuDish("卵");
        game.screens().Push(kScreenSelling);
        EXPECT_EQ(game.screens().id(), kScreenSelling);
        return dish;
    }
};

TEST_F(SellingTest, AtFiveToTenOneFrameReachesClosingTimeAndTheNextClosesTheShop) {
    StartSelling();
    SetClock(21, 55);
    // No customer, so no sale message waits to be read.
    game.state().cooking_minutes = 100;
    game.screens().play().shown_cooking_method = kMethodBoil;
    world.Frames(1);
    EXPECT_EQ(game.state().clock.hour, 22);
    EXPECT_EQ(game.state().clock.minute, 0);
    EXPECT_EQ(game.screens().id(), kScreenSelling);

    world.Frames(1);
    EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands, kScreenWaitForMessage}));
    EXPECT_EQ(Message(), "閉店時間になりました");
    EXPECT_EQ(game.screens().play().shown_cooking_method, 0);
    EXPECT_EQ(game.state().clock.minute, 0);
}

TEST_F(SellingTest, BeforeSevenTheShopIsClosedAndTheClockStands) {
    StartSelling();
    SetClock(6, 55);
    world.Frames(1);
    EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands, kScreenWaitForMessage}));
    EXPECT_EQ(Message(), "閉店時間になりました");
    EXPECT_EQ(game.state().clock.minute, 55);
}

TEST_F(SellingTest, DecideOrCancelStopsSelling) {
    for (int button : {kDecide, kCancel}) {
        SCOPED_TRACE(button);
        StartSelling();
        world.Press(button);
        EXPECT_EQ(game.screens().id(), kScreenMainCommands);
        game.world().kitchen.menu.clear();
    }
}

TEST_F(SellingTest, WhileTheKitchenIsBusyNoCustomerComesAndTheWorkEndsOnlyPastZero) {
    struct Case {
        int minutes;
        int minutes_after;
        int method_after;
    };
    const Case kCases[] = {
        {10, 5, kMethodBoil},
        // Exactly used up: the heroine still shows the work.
        {5, 0, kMethodBoil},
        {3, 0, 0},
    };
    Crowd();
    StartSelling();
    SetClock(12, 0);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.minutes);
        const int money = game.state().money;
        game.state().cooking_minutes = c.minutes;
        game.screens().play().shown_cooking_method = kMethodBoil;
        world.Frames(1);
        EXPECT_EQ(game.state().money, money);
        EXPECT_EQ(game.state().cooking_minutes, c.minutes_after);
        EXPECT_EQ(game.screens().play().shown_cooking_method, c.method_after);
    }
}

TEST_F(SellingTest, ASalePaysThePriceOfEveryPortionSoldAndSaysHowMany) {
    Crowd();
    MenuDish& dish = StartSelling();
    SetClock(11, 50);
    const int money = game.state().money;
    const float eggs = Held("卵");
    const float familiarity = dish.def->familiarity;
    world.Frames(1);

    const int earned = game.state().money - money;
    ASSERT_GT(earned, 0);
    ASSERT_EQ(earned % dish.Price(), 0);
    const int sold = earned / dish.Price();
    EXPECT_EQ(Message(), sold == 1 ? std::string("『卵』が売れました\n")
                                   : "『卵』が " + std::to_string(sold) + "ヶ 売れました\n");
    EXPECT_EQ(game.state().income, earned);
    EXPECT_FLOAT_EQ(Held("卵"), eggs - static_cast<float>(sold));
    EXPECT_FLOAT_EQ(dish.def->familiarity, familiarity + static_cast<float>(sold));
    EXPECT_EQ(game.screens().play().shown_cooking_method, kMethodBake);
    // Lit by the sale and counted once in the same frame.
    EXPECT_EQ(dish.sale_highlight, 2);
    EXPECT_EQ(game.state().clock.hour, 11);
    EXPECT_EQ(game.state().clock.minute, 55);
}

TEST_F(SellingTest, ADishThatCannotBeServedNeverSells) {
    Crowd();
    StartSelling();
    // Beef is not in the pantry; the egg dish that opened the screen goes.
    game.world().kitchen.menu.clear();
    MenuDish& beef = AddMenuDish("牛肉");
    UpdateMenuAvailability(game.state(), game.world().kitchen);
    ASSERT_FALSE(beef.servable);
    const int money = game.state().money;
    world.Frames(40);
    EXPECT_EQ(game.state().money, money);
    EXPECT_EQ(beef.sale_highlight, 0);
}

TEST_F(SellingTest, AServeThatFailsEndsTheSaleUnpaidAndUncounted) {
    Crowd();
    StartSelling();
    game.world().kitchen.menu.clear();
    // Marked servable, but nothing in the pantry makes it: every serve fails.
    MenuDish& beef = AddMenuDish("牛肉");
    beef.servable = 1;
    const int money = game.state().money;
    const float reputation = game.state().reputation;
    const float familiarity = beef.def->familiarity;
    world.Frames(20);
    EXPECT_EQ(game.state().money, money);
    EXPECT_EQ(game.state().income, 0);
    EXPECT_FLOAT_EQ(game.state().reputation, reputation);
    EXPECT_FLOAT_EQ(beef.def->familiarity, familiarity);
    EXPECT_EQ(beef.sale_highlight, 0);
    EXPECT_EQ(Message().find("売れました"), std::string::npos);
}

TEST_F(SellingTest, TheSaleHighlightFadesOverTwentyFiveFrames) {
    MenuDish& dish = StartSelling();
    game.state().cooking_minutes = 100;
    dish.sale_highlight = 24;
    world.Frames(1);
    EXPECT_EQ(dish.sale_highlight, 25);
    world.Frames(1);
    EXPECT_EQ(dish.sale_highlight, 0);
}

}  // namespace
