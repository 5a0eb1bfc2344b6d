// The menu: offering a made dish for it, the answer to the offer, and the menu screen's list and
// actions (cooking ahead, the morning restock, exchanging a place, deleting a dish).
#include <algorithm>
#include <string>

#include "game/rules/pantry.h"
#include "game/rules/skills.h"
#include "game/screens/economy_lists.h"
#include "tests/shops/shops_fixture.h"

namespace {

using namespace shops_test;

class MenuTest : public ShopsTest {
protected:
    // The made dish and the menu dish made of it, as cooking leaves them.
    void Cook(const char* entry) {
        auto made = Food::FromDef(FindFoodDef(entry));
        game.world().candidate_dish = std::make_unique<MenuDish>(*made, 1.0f);
        game.world().made_dish = std::move(made);
    }
    // Opens the menu screen's action window on a row.
    void OpenActions(int row) {
        game.screens().Push(kScreenMenu);
        for (int i = 0; i < row; ++i) world.Tap(kDown);
        world.Tap(kDecide);
        ASSERT_EQ(game.stage().window_kind(), 2);
        ASSERT_EQ(Message(), "メニュー設定");
    }
    void ChooseAction(int action) {
        for (int i = 0; i < action; ++i) world.Tap(kDown);
        world.Tap(kDecide);
    }
    int MinuteOfDay() const { return game.state().clock.hour * 60 + game.state().clock.minute; }
};

enum Action { kCook = 0, kRestock = 1, kExchange = 2, kDelete = 3 };

TEST_F(MenuTest, AReadDishGoesToThePantryAndIsOfferedForTheMenuUnlessTheStorySaysNo) {
    for (std::uint8_t suppressed : {0, 1}) {
        SCOPED_TRACE(suppressed);
        game.state().menu_offer_suppressed = suppressed;
        const float eggs = Held("卵");
        Cook("卵");
        game.screens().Push(kScreenDishMade);
        for (int i = 0; i < 200 && game.screens().id() == kScreenDishMade; ++i) world.Tap(kDecide);
        EXPECT_FALSE(game.world().made_dish);
        EXPECT_FLOAT_EQ(Held("卵"), eggs + 1.0f);
        if (suppressed) {
            // No offer: the next frame goes back to cooking.
            EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands, kScreenCooking}));
        } else {
            EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands, kScreenAfterDishMade,
                                                    kScreenAddToMenu}));
            EXPECT_EQ(Message(), "メニューに追加しますか？");
            // The question shows the dish it is about, though the made dish is in the pantry.
            world.Frames(1);
            bool shown = false;
            for (const DrawOp& op : world.recorder.OfKind(DrawOp::Kind::Text))
                shown = shown || (op.text == "卵" && op.x == 310 && op.y == 165);
            EXPECT_TRUE(shown);
        }
        while (game.screens().entries().size() > 1) game.screens().Pop();
    }
}

TEST_F(MenuTest, TheAnswerToTheOfferDropsAddsReplacesOrOverfills) {
    struct Case {
        const char* name;
        bool yes;
        const char* on_menu;  // a dish already there, or null
        int screen_after;
        std::size_t menu_after;
        bool candidate_kept;
    };
    const Case kCases[] = {
        {"no", false, nullptr, kScreenAfterDishMade, 0, false},
        {"yes to an empty menu", true, nullptr, kScreenAfterDishMade, 1, false},
        {"yes past the capacity", true, "牛肉", kScreenMenuFull, 2, false},
        {"yes to a dish of the same entry", true, "卵", kScreenKeepWhichDish, 1, true},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        game.world().kitchen.menu.clear();
        if (c.on_menu) AddMenuDish(c.on_menu);
        Cook("卵");
        game.world().made_dish.reset();
        game.screens().Push(kScreenAfterDishMade);
        game.screens().Push(kScreenAddToMenu);
        world.Frames(1);
        // The window opens on the last answer given.
        if (game.stage().choice_result() != (c.yes ? 0 : 1)) world.Tap(kDown);
        world.Press(kDecide);
        EXPECT_EQ(game.screens().id(), c.screen_after);
        EXPECT_EQ(game.world().kitchen.menu.size(), c.menu_after);
        EXPECT_EQ(game.world().candidate_dish != nullptr, c.candidate_kept);
        if (c.candidate_kept) {
            EXPECT_EQ(game.world().chosen_menu_slot, 0);
        }
        while (game.screens().entries().size() > 1) game.screens().Pop();
    }
}

TEST_F(MenuTest, TheMenuListFillsItsCapacityWithEmptyGreyPlaces) {
    game.state().menu_max = 3;
    AddMenuDish("卵");
    AddMenuDish("牛肉");  // not in the pantry
    game.screens().Push(kScreenMenu);
    EXPECT_EQ(Message(), "メニューを選んでください");
    ASSERT_EQ(game.stage().entry_count(), 3);
    const std::vector<MenuEntry>& rows = game.stage().entries();
    EXPECT_EQ(rows[0].label, "卵");
    EXPECT_EQ(rows[0].color, MenuEntry::kListColor);
    EXPECT_EQ(rows[1].label, "牛肉");
    EXPECT_EQ(rows[1].color, MenuEntry::kDisabledColor);
    EXPECT_EQ(rows[2].label, kEmptyMenuRow);
    EXPECT_EQ(rows[2].color, MenuEntry::kDisabledColor);
    EXPECT_TRUE(rows[2].enabled);

    // More dishes than places (after the capacity shrank): every dish still has its row.
    game.state().menu_max = 1;
    game.screens().Replace(kScreenMenu);
    EXPECT_EQ(game.stage().entry_count(), 2);
}

TEST_F(MenuTest, OnAnEmptyPlaceOnlyTheExchangeActsTheOthersCloseTheWindow) {
    game.state().menu_max = 3;
    AddMenuDish("卵");
    for (int action : {kCook, kRestock, kDelete}) {
        SCOPED_TRACE(action);
        OpenActions(2);
        ChooseAction(action);
        EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands, kScreenMenu}));
        EXPECT_EQ(game.stage().window_kind(), 1);
        EXPECT_FALSE(world.mediator().IsRunning(&game.stage().choice_window()));
        EXPECT_FALSE(world.mediator().IsRunning(&game.stage().number_entry()));
        EXPECT_EQ(game.world().kitchen.menu.size(), 1u);
        game.screens().Pop();
    }
    OpenActions(2);
    ChooseAction(kExchange);
    EXPECT_EQ(game.screens().id(), kScreenAddDishToMenu);
    EXPECT_EQ(game.world().chosen_menu_slot, -1);
    EXPECT_FALSE(world.mediator().IsRunning(&game.stage().choice_window()));
}

TEST_F(MenuTest, TheExchangeOfADishRemembersItsPlace) {
    AddMenuDish("卵");
    OpenActions(0);
    ChooseAction(kExchange);
    EXPECT_EQ(game.screens().id(), kScreenAddDishToMenu);
    EXPECT_EQ(game.world().chosen_menu_slot, 0);
}

TEST_F(MenuTest, DeleteTakesTheDishOffTheMenu) {
    AddMenuDish("卵");
    AddMenuDish("牛肉");
    OpenActions(0);
    ChooseAction(kDelete);
    ASSERT_EQ(game.world().kitchen.menu.size(), 1u);
    EXPECT_EQ(game.world().kitchen.menu[0]->name, "牛肉");
    EXPECT_EQ(game.screens().id(), kScreenMenu);
    EXPECT_EQ(game.stage().entries()[0].label, "牛肉");
}

TEST_F(MenuTest, CookingAheadMovesTheClockByAllTheKitchensWorkAndStoresAReadyPortion) {
    MenuDish& dish = AddMenuDish("卵");
    // Priced as a cooked dish: the bought eggs are what it is made of, not portions of it.
    dish.price_percent = 150;
    SetClock(10, 0);
    // The kitchen is still busy with earlier work; that comes first.
    game.state().cooking_minutes = 30;
    const int work =
        PrepTime(game.state(), dish.method_code, static_cast<int>(dish.def->unit_weight));
    OpenActions(0);
    ChooseAction(kCook);
    EXPECT_EQ(game.screens().id(), kScreenWaitForMessage);
    EXPECT_EQ(Message(), "『卵』を 1 ヶ作りました");
    EXPECT_EQ(MinuteOfDay(), 10 * 60 + 30 + work);
    EXPECT_EQ(game.state().cooking_minutes, 0);
    // One egg went into the portion, which is in the pantry ready to serve.
    EXPECT_FLOAT_EQ(Held("卵"), 4.0f);
    const Pantry& pantry = game.world().kitchen.pantry();
    EXPECT_TRUE(std::any_of(pantry.begin(), pantry.end(), [&](const std::unique_ptr<Food>& f) {
        return f->name == "卵" && f->taste == dish.taste && f->amount == 1.0f;
    }));
}

TEST_F(MenuTest, CookingAheadWithoutTheIngredientsCooksNothing) {
    AddMenuDish("牛肉");
    SetClock(10, 0);
    OpenActions(0);
    ChooseAction(kCook);
    EXPECT_EQ(game.screens().id(), kScreenWaitForMessage);
    EXPECT_EQ(Message(), "材料が足りません");
    EXPECT_EQ(MinuteOfDay(), 10 * 60);
    EXPECT_EQ(FindPantryFood(game.world().kitchen, "牛肉"), nullptr);
}

TEST_F(MenuTest, TheRestockCountSaysWhetherEveryIngredientCanBeBought) {
    struct Case {
        const char* entry;
        int entered;
        const char* message;
    };
    const Case kCases[] = {
        {"卵", 2, "自動仕入れを設定しました"},
        // Not sold in any shop yet.
        {"ゼルバワラビ", 2,
         "自動仕入れを設定しましたが\n自動仕入れのできない材料がメニューに含まれています"},
        {"卵", 0, "自動仕入れ設定を解除しました"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.message);
        game.world().kitchen.menu.clear();
        MenuDish& dish = AddMenuDish(c.entry);
        OpenActions(0);
        ChooseAction(kRestock);
        ASSERT_TRUE(world.mediator().IsRunning(&game.stage().number_entry()));
        EXPECT_EQ(Message(), "毎朝いくつ分の材料を仕入れますか？");
        EXPECT_EQ(game.stage().number_entry().GetMaximum(), 999);
        for (int i = 0; i < c.entered; ++i) world.Tap(kUp);
        world.Tap(kDecide);
        EXPECT_EQ(dish.restock, c.entered);
        EXPECT_EQ(Message(), c.message);
        // Read on its own screen, with the menu list waiting under it.
        EXPECT_EQ(game.screens().id(), kScreenWaitForMessage);
        EXPECT_FALSE(world.mediator().IsRunning(&game.stage().list_window()));
        ASSERT_TRUE(DecideUntilScreen(kScreenMenu));
        EXPECT_TRUE(world.mediator().IsRunning(&game.stage().list_window()));
        game.screens().Pop();
    }
}

TEST_F(MenuTest, ACancelledRestockEntryChangesNothing) {
    MenuDish& dish = AddMenuDish("卵");
    dish.restock = 4;
    OpenActions(0);
    ChooseAction(kRestock);
    world.Tap(kCancel);
    EXPECT_EQ(dish.restock, 4);
    EXPECT_EQ(game.screens().id(), kScreenMenu);
    EXPECT_TRUE(world.mediator().IsRunning(&game.stage().list_window()));
}

}  // namespace
