// An answer goes to the one who asked for it. A quantity, a yes/no, a choice or a row decided on
// one screen or in one scene is never taken by another screen opened later as its own answer.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "events/runtime/story_event.h"
#include "events/story.h"
#include "tests/support/play_harness.h"

namespace {

using namespace play_test;
using testing_support::Utf8;

// Reads every message until the screen is on top.
testing::AssertionResult ReadUntilScreen(PlayHarness& play, int screen, int limit = kFrameLimit) {
    for (int i = 0; i < limit; ++i) {
        if (play.game().screens().id() == screen && !play.Switching())
            return testing::AssertionSuccess();
        if (play.game().message_output().IsWaiting())
            play.Press(kDecide);
        else
            play.Frame();
    }
    return testing::AssertionFailure() << "screen " << screen << " not reached; " << play.Report();
}

class AnswersToTheirAsker : public ::testing::Test {
protected:
    void SetUp() override {
        play.Seed(1);
        ASSERT_TRUE(play.StartOnMainCommands()) << play.Report();
        play.game().SetTextSpeed(1);
    }

    PlayHarness play;
};

// Plays a scene started as the scheduler starts it to its end: every line is read, each question
// gets the next answer, and a shop screen the scene opens is handed to `on_shop`, which leaves it.
testing::AssertionResult PlayScene(PlayHarness& play, StoryEvent row,
                                   std::vector<const char8_t*> answers,
                                   const std::function<testing::AssertionResult()>& on_shop = {}) {
    if (!play.game().StartStoryEvent(row)) return testing::AssertionFailure() << "no start";
    std::size_t next = 0;
    for (int frame = 0; frame < 20000; ++frame) {
        CVemuComp& game = play.game();
        if (!game.story().live()) {
            play.Frames(2);
            return testing::AssertionSuccess();
        }
        if (play.Switching()) {
            play.Frame();
        } else if (game.screens().id() != kScreenStory) {
            if (!on_shop) return testing::AssertionFailure() << "a shop; " << play.Report();
            if (auto r = on_shop(); !r) return r;
        } else if (play.mediator().IsRunning(&game.stage().choice_window())) {
            if (next >= answers.size())
                return testing::AssertionFailure() << "no answer left; " << play.Report();
            if (auto r = play.Choose(answers[next++]); !r) return r;
        } else if (play.MessageWaiting()) {
            play.Press(kDecide);
        } else {
            play.Frame();
        }
    }
    return testing::AssertionFailure() << "the scene did not end; " << play.Report();
}

// On a buying screen: the quantity entry opened on the row and cancelled, then opened again and
// decided on `units`.
testing::AssertionResult BuyAfterACancel(PlayHarness& play, const char8_t* row, int units) {
    if (auto r = play.Choose(row); !r) return r;
    if (!play.mediator().IsRunning(&play.game().stage().number_entry()))
        return testing::AssertionFailure() << "no entry; " << play.Report();
    play.Press(kCancel);
    if (auto r = play.Choose(row); !r) return r;
    for (int i = 0; i < units; ++i) play.Press(kUp);
    play.Press(kDecide);
    if (auto r = play.RunUntilMessage(u8"買いました"); !r) return r;
    return ReadUntilScreen(play, kScreenFoodShop);
}

// The bean merchant comes in over the selling screen; on his shop the player cancels one
// quantity and buys two beans with the next. The shop closes, and the menu is opened for the
// first time that day: it is the menu as it was, with no restock set.
TEST_F(AnswersToTheirAsker, TheMerchantsQuantityIsNoRestockOnTheMenu) {
    play.SetDate(2006, 1, 1, 21, 30);
    play.SetMoney(10000);
    play.AddToMenu(u8"卵", 1.0f);
    play.AddToPantry(u8"卵", 3.0f);
    ASSERT_TRUE(play.Choose(u8"販売する")) << play.Report();
    ASSERT_TRUE(play.RunUntilScreen(kScreenSelling)) << play.Report();
    ASSERT_TRUE(play.game().StartStoryEvent(StoryEvent::kMerchantBeans));
    ASSERT_TRUE(play.ReadUntilRow(u8"はい"));
    ASSERT_TRUE(play.Choose(u8"はい")) << play.Report();
    ASSERT_TRUE(ReadUntilScreen(play, kScreenFoodShop));

    ASSERT_TRUE(play.Choose(u8"大豆")) << play.Report();
    ASSERT_TRUE(play.mediator().IsRunning(&play.game().stage().number_entry())) << play.Report();
    play.Press(kCancel);
    ASSERT_TRUE(play.Choose(u8"大豆")) << play.Report();
    ASSERT_TRUE(play.mediator().IsRunning(&play.game().stage().number_entry())) << play.Report();
    play.Press(kUp);
    play.Press(kUp);
    play.Press(kDecide);
    ASSERT_TRUE(play.RunUntilMessage(u8"2 ヶ買いました")) << play.Report();
    ASSERT_TRUE(ReadUntilScreen(play, kScreenFoodShop));
    play.Press(kCancel);
    ASSERT_TRUE(play.ReadUntilRow(u8"いいえ"));
    ASSERT_TRUE(play.Choose(u8"いいえ")) << play.Report();

    // Read on to the closing of the shop.
    ASSERT_TRUE(ReadUntilScreen(play, kScreenSelling));
    ASSERT_TRUE(ReadUntilScreen(play, kScreenMainCommands, 20000));
    ASSERT_TRUE(play.Choose(u8"メニューを見る")) << play.Report();
    play.Frames(5);

    EXPECT_EQ(play.game().screens().id(), kScreenMenu) << play.Report();
    EXPECT_EQ(play.kitchen().menu.front()->restock, 0);
    EXPECT_EQ(play.Message(), Utf8(u8"メニューを選んでください")) << play.Report();
}

// Every kind of request, decided or cancelled where it is asked; then every screen that takes an
// answer of its own is opened, and none of them acts on what another was told.
TEST(AnswersToTheirAskerTable, NoScreenTakesAnotherRequestsAnswer) {
    using Reach = std::function<testing::AssertionResult(PlayHarness&)>;
    struct Case {
        const char* what;
        Reach request;
    };
    auto leave_shop = [](PlayHarness& play) {
        return [&play]() -> testing::AssertionResult {
            if (auto r = BuyAfterACancel(play, u8"大豆", 2); !r) return r;
            play.Press(kCancel);
            return testing::AssertionSuccess();
        };
    };
    auto put_in_pot_and_discard = [](const char8_t* answer) {
        return [answer](PlayHarness& play) -> testing::AssertionResult {
            if (auto r = play.Choose(u8"料理を作る"); !r) return r;
            if (auto r = play.Choose(u8"卵"); !r) return r;
            play.Press(kRight);
            if (auto r = play.Choose(u8"捨てる"); !r) return r;
            if (auto r = play.ReadUntilRow(answer); !r) return r;
            if (auto r = play.Choose(answer); !r) return r;
            if (auto r = ReadUntilScreen(play, kScreenCooking); !r) return r;
            // What stays in the pot goes back with the first cancel, the screen with the next.
            for (int i = 0; i < 4 && play.game().screens().id() == kScreenCooking; ++i) {
                play.Press(kCancel);
                play.Frames(3);
            }
            return ReadUntilScreen(play, kScreenMainCommands);
        };
    };
    auto restock = [](bool decided) {
        return [decided](PlayHarness& play) -> testing::AssertionResult {
            if (auto r = play.Choose(u8"メニューを見る"); !r) return r;
            if (auto r = play.Choose(u8"卵"); !r) return r;
            if (auto r = play.Choose(u8"自動仕入れ"); !r) return r;
            play.Press(kUp);
            play.Press(decided ? kDecide : kCancel);
            if (auto r = ReadUntilScreen(play, kScreenMenu); !r) return r;
            play.Frames(3);
            play.Press(kCancel);
            return ReadUntilScreen(play, kScreenMainCommands);
        };
    };
    auto food_shop = [](bool decided) {
        return [decided](PlayHarness& play) -> testing::AssertionResult {
            play.ShowScreen(kScreenFoodShop);
            if (auto r = play.Choose(u8"大豆"); !r) return r;
            play.Press(kUp);
            play.Press(kUp);
            play.Press(decided ? kDecide : kCancel);
            if (auto r = ReadUntilScreen(play, kScreenFoodShop); !r) return r;
            play.Frames(3);
            play.Press(kCancel);
            return ReadUntilScreen(play, kScreenMainCommands);
        };
    };
    const Case cases[] = {
        {"the food shop's quantity, decided", food_shop(true)},
        {"the food shop's quantity, cancelled", food_shop(false)},
        {"the merchant's yes/no and his shop's quantity",
         [&](PlayHarness& play) {
             return PlayScene(play, StoryEvent::kMerchantBeans, {u8"はい", u8"いいえ"},
                              leave_shop(play));
         }},
        {"the merchant's yes/no, no",
         [](PlayHarness& play) {
             return PlayScene(play, StoryEvent::kMerchantBeans, {u8"いいえ"});
         }},
        {"the pot's discard, yes", put_in_pot_and_discard(u8"はい")},
        {"the pot's discard, no", put_in_pot_and_discard(u8"いいえ")},
        {"the mystery bag, no",
         [](PlayHarness& play) { return PlayScene(play, StoryEvent::kMysteryBag, {u8"いいえ"}); }},
        {"the mystery bag, yes",
         [](PlayHarness& play) { return PlayScene(play, StoryEvent::kMysteryBag, {u8"はい"}); }},
        {"the expansion, no",
         [](PlayHarness& play) { return PlayScene(play, StoryEvent::kExpandShop, {u8"いいえ"}); }},
        {"ラゴ's choice of three",
         [](PlayHarness& play) {
             return PlayScene(play, StoryEvent::kRagoAdvertising, {u8"あげない"});
         }},
        {"the menu's restock, decided", restock(true)},
        {"the menu's restock, cancelled", restock(false)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlayHarness play;
        play.Seed(1);
        ASSERT_TRUE(play.StartOnMainCommands()) << play.Report();
        play.game().SetTextSpeed(1);
        play.SetDate(2006, 1, 5, 10, 0);
        play.SetMoney(100000);
        play.AddToPantry(u8"卵", 3.0f);
        play.AddToMenu(u8"卵", 1.0f)->restock = 5;
        play.game().world().goods_in_use = 6;
        ASSERT_TRUE(c.request(play)) << play.Report();
        ASSERT_EQ(play.game().screens().id(), kScreenMainCommands) << play.Report();

        const int restock = play.kitchen().menu.front()->restock;
        const int money = play.state().money;
        const PantryRows pantry = PantryRowsOf(play.kitchen().pantry());

        ASSERT_TRUE(play.Choose(u8"メニューを見る")) << play.Report();
        play.Frames(5);
        EXPECT_EQ(play.game().screens().id(), kScreenMenu) << play.Report();
        EXPECT_EQ(play.Message(), Utf8(u8"メニューを選んでください")) << play.Report();
        EXPECT_EQ(play.kitchen().menu.front()->restock, restock);
        play.Press(kCancel);
        ASSERT_TRUE(ReadUntilScreen(play, kScreenMainCommands));

        for (int screen : {kScreenFoodShop, kScreenStockExchange}) {
            play.ShowScreen(screen);
            play.Frames(5);
            EXPECT_EQ(play.game().screens().id(), screen) << play.Report();
            EXPECT_FALSE(play.mediator().IsRunning(&play.game().stage().number_entry()));
            play.Press(kCancel);
            ASSERT_TRUE(ReadUntilScreen(play, kScreenMainCommands));
        }
        EXPECT_EQ(play.state().money, money);
        EXPECT_EQ(PantryRowsOf(play.kitchen().pantry()), pantry);
    }
}

// A scene's lines are read, and its rows chosen, on handles of the scene's own: the handles the
// screens wait on stay as they were while the scene runs, so a screen opened afterwards finds no
// answer it did not ask for.
TEST(AnswersToTheirAskerTable, NoSceneAnswersOnTheScreensHandles) {
    struct Case {
        const char* what;
        StoryEvent row;
        std::vector<const char8_t*> rows;  // the rows chosen in the scene's lists, in order
    };
    const Case cases[] = {
        {"the lines of a visit", StoryEvent::kNeighbourGift, {}},
        {"the save slot list", StoryEvent::kSave, {u8"記録 3： --------"}},
        {"the morning's deliveries and lines", StoryEvent::kMorningRoutine, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlayHarness play;
        play.Seed(1);
        ASSERT_TRUE(play.StartOnMainCommands()) << play.Report();
        play.game().SetTextSpeed(1);
        play.AddToMenu(u8"卵", 1.0f)->restock = 1;
        CVemuComp& game = play.game();
        ASSERT_TRUE(game.StartStoryEvent(c.row)) << play.Report();
        game.screens().handles().message.Reset();
        game.screens().handles().list.Reset();
        std::size_t next = 0;
        int lines = 0;
        bool message_taken = false, list_taken = false;
        for (int frame = 0; frame < 20000 && game.story().live(); ++frame) {
            if (game.screens().id() == kScreenStory) {
                message_taken |= game.screens().handles().message.state != WaitHandle::kIdle;
                list_taken |= game.screens().handles().list.state != WaitHandle::kIdle;
            }
            if (next < c.rows.size() && play.mediator().IsRunning(&game.stage().list_window())) {
                ASSERT_TRUE(play.Choose(c.rows[next++])) << play.Report();
            } else if (play.MessageWaiting()) {
                ++lines;
                play.Press(kDecide);
            } else {
                play.Frame();
            }
        }
        EXPECT_FALSE(game.story().live()) << play.Report();
        EXPECT_EQ(next, c.rows.size());
        EXPECT_GT(lines, 0);
        EXPECT_FALSE(message_taken);
        EXPECT_FALSE(list_taken);
    }
}

}  // namespace

namespace {

// An entry or a question cancelled over a list gives the list back under the list's own prompt,
// not under the question's.
TEST(CancelledOverAList, TheListComesBackUnderItsOwnPrompt) {
    struct Case {
        const char* what;
        int screen;             // the screen of the list, opened as the game opens it
        const char8_t* row;     // the row decided on it
        const char8_t* action;  // a second window's row that asks, or null
        const char8_t* prompt;  // the list's own prompt
    };
    const Case cases[] = {
        {"the menu's restock entry", kScreenMenu, u8"卵", u8"自動仕入れ",
         u8"メニューを選んでください"},
        {"the menu's action window", kScreenMenu, u8"卵", nullptr, u8"メニューを選んでください"},
        {"the food shop's quantity", kScreenFoodShop, u8"大豆", nullptr, u8"何を買いますか？"},
        {"the stock exchange's quantity", kScreenStockExchange, nullptr, nullptr,
         u8"どの銘柄を買いますか？"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlayHarness play;
        play.Seed(1);
        ASSERT_TRUE(play.StartOnMainCommands()) << play.Report();
        play.SetDate(2006, 1, 5, 10, 0);
        play.SetMoney(1000000);
        play.AddToMenu(u8"卵", 1.0f);
        play.game().world().goods_in_use = 6;
        play.ShowScreen(c.screen);
        play.Frames(3);
        if (c.row) {
            ASSERT_TRUE(play.Choose(c.row)) << play.Report();
        } else {
            play.Press(kDecide);
        }
        if (c.action) {
            ASSERT_TRUE(play.Choose(c.action)) << play.Report();
        }
        play.Frames(3);
        play.Press(kCancel);
        play.Frames(5);
        EXPECT_EQ(play.game().screens().id(), c.screen) << play.Report();
        EXPECT_EQ(play.Message(), Utf8(c.prompt)) << play.Report();
        EXPECT_FALSE(play.ChoiceRows().empty()) << play.Report();
    }
}

}  // namespace
