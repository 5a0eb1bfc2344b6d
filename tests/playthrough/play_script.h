// The steps a player takes, on the real screens by buttons only, over the play harness: buying,
// cooking, the menu, selling, resting, going out, the contest hall, saving and the title. Every
// step reads the story's messages and answers its questions by the answer table on the way, and
// fails, with the screen and the latest of the play log, when it does not end within its frames.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "game/main/vemu_comp.h"
#include "tests/playthrough/answer_table.h"
#include "tests/playthrough/play_log.h"
#include "tests/playthrough/way_checks.h"
#include "tests/support/play_harness.h"

namespace play_test {

// A pot: how many units of each food (names in UTF-8) go in, in this order.
using Pot = std::vector<std::pair<std::string, int>>;

using testing_support::Utf8;
// UTF-8 text made at run time, where the harness takes a u8"" literal.
inline const char8_t* U8(const std::string& utf8) {
    return reinterpret_cast<const char8_t*>(utf8.c_str());
}

// Frames enough for any one step: a whole day of selling with every visitor heard out.
inline constexpr int kStepFrames = 30000;

class PlayScript {
public:
    PlayScript(PlayHarness& play, AnswerTable& answers, PlayLog& log, WayChecks& checks);

    PlayHarness& play() { return play_; }
    PlayLog& log() { return log_; }

    // One frame, and a button pressed for one frame and let go, each seen by the log and the
    // checks on the way.
    void Frame();
    void Press(Button button);
    // A row of a running list by its label (UTF-8).
    testing::AssertionResult Choose(const std::string& label);

    // Reacts once to what the game shows: reads a message that waits, answers a question by the
    // table, hands in the contest dish; otherwise lets a frame pass.
    testing::AssertionResult Respond();
    // Plays on until the day's commands wait for the player.
    testing::AssertionResult ToCommands(int limit = kStepFrames);
    bool AtCommands() const;
    // Plays on until the screen is on top with its list taking input, a story under it or not.
    testing::AssertionResult AwaitScreen(int screen);
    // One of the day's commands, from wherever play stands.
    testing::AssertionResult Command(const char8_t* label);

    // 商店街: `shop` is the shop's row, the goods are bought one row after another.
    testing::AssertionResult Buy(const char8_t* shop, const Pot& goods);
    // 料理を作る: the pot by the method's row; the menu question is answered by the table.
    testing::AssertionResult Cook(const Pot& pot, const char8_t* method);
    // On the cooking screen already: fills the pot and cooks it, and waits for the screen again.
    testing::AssertionResult CookHere(const Pot& pot, const char8_t* method);
    // メニューを見る: a pantry dish into the first free place, or in place of the dish there.
    testing::AssertionResult PutOnMenu(const std::string& dish, int place);
    // 販売する until the hour (the shop closes at 22:00 by itself).
    testing::AssertionResult Sell(int until_hour = 22);
    // 休む until the next morning's routine is over (through the night scene after 22:00).
    testing::AssertionResult RestToMorning();
    // 外出する to a place; back when `done` holds or when the night sends the heroine home.
    template <typename Done>
    testing::AssertionResult Outing(const char8_t* place, Done done);
    // 料理大会: enters the next contest. A contest of provided foods runs `cook_here` on its
    // cooking screen (none: nothing is cooked), and hands in the script's last dish; the
    // others hand in the food of that name (UTF-8). Ends back on the day's commands.
    using KitchenSteps = std::function<testing::AssertionResult()>;
    testing::AssertionResult Contest(const KitchenSteps& cook_here, const std::string& dish);
    // 作戦 → セーブ into the slot (0 to 7), and back on the commands.
    testing::AssertionResult Save(int slot);
    // 外出する → 建築事務所: one more menu place, yes to the architect's price.
    testing::AssertionResult Expand();
    // From the destinations (a scene there ended) back to the day's commands.
    testing::AssertionResult LeaveDestinations();
    // 外出する → 商店街: the shops' rows (UTF-8), and back on the commands.
    testing::AssertionResult ShopRows(std::vector<std::string>& rows);
    // The title's slot rows as the last つづきから showed them.
    const std::vector<MenuEntry>& title_slots() const { return title_slots_; }
    // The staff roll reached its last page and was left by a decide.
    bool saw_last_page() const { return saw_last_page_; }
    // F2, and on the title はじめから (the new game's first frame) or つづきから of a slot.
    testing::AssertionResult ResetToTitle();
    testing::AssertionResult TitleNewGame();
    testing::AssertionResult TitleContinue(int slot);

    // 料理を作る, and every food of the pantry in use into the pot and 捨てる, until none is left.
    testing::AssertionResult DiscardPantry();
    // The rows the method window offered the last time it opened.
    const std::vector<std::string>& last_methods() const { return last_methods_; }
    // The name of the dish the last cooking made (UTF-8).
    const std::string& last_dish() const { return last_dish_; }
    // The last message of the save dialogue ("記録 n にセーブしました" or that it could not).
    const std::string& save_message() const { return save_message_; }
    // The dish the contest dish screen hands in.
    void set_hand_in(std::string dish) { hand_in_ = std::move(dish); }
    // A failure with the screen and the log's latest lines.
    testing::AssertionResult Fail(const std::string& what) const;

private:
    testing::AssertionResult Answer();
    // 外出する → 商店街 and into the shop of that row (null: stays on the shop list), and from
    // the shop list back to the day's commands.
    testing::AssertionResult EnterShop(const char8_t* shop);
    testing::AssertionResult LeaveShopList();
    testing::AssertionResult HandIn();
    testing::AssertionResult EnterNumber(CInputNumberEvent& entry, int value);
    bool ListRunning() const;
    // The list is running with a row that can be chosen.
    bool Offers(const CSelectEvent& list) const;
    // The top screen is `screen`, with no story or notice over it and its list taking input.
    bool Idle(int screen) const;
    template <typename Done>
    testing::AssertionResult RespondUntil(Done done, const std::string& what,
                                          int limit = kStepFrames);

    PlayHarness& play_;
    AnswerTable& answers_;
    PlayLog& log_;
    WayChecks& checks_;
    std::string hand_in_;
    std::vector<std::string> last_methods_;
    std::string save_message_;
    std::string last_dish_;
    bool saw_last_page_ = false;
    std::vector<MenuEntry> title_slots_;
};

template <typename Done>
testing::AssertionResult PlayScript::RespondUntil(Done done, const std::string& what, int limit) {
    for (int frame = 0; frame < limit; ++frame) {
        if (done()) return testing::AssertionSuccess();
        if (testing::AssertionResult responded = Respond(); !responded) return responded;
    }
    return Fail("no " + what + " within " + std::to_string(limit) + " frames");
}

template <typename Done>
testing::AssertionResult PlayScript::Outing(const char8_t* place, Done done) {
    if (auto r = Command(u8"外出する"); !r) return r;
    if (auto r = Choose(Utf8(place)); !r) return r;
    bool called_back = false;
    return RespondUntil(
        [&] {
            CVemuComp& game = play_.game();
            if (!called_back && done() && game.screens().id() == kScreenOuting) {
                Press(kCancel);
                called_back = true;
            }
            // At night the heroine comes home once her last find has been read.
            const GameClock& clock = play_.state().clock;
            if (game.screens().id() == kScreenOuting && (clock.hour > 21 || clock.hour < 7) &&
                play_.MessageWaiting())
                Press(kDecide);
            // Called back, the heroine stands on the destinations: home from there.
            if (called_back && Idle(kScreenDestinations)) Press(kCancel);
            return play_.game().screens().id() != kScreenOuting && AtCommands();
        },
        "way home from the outing");
}

}  // namespace play_test
