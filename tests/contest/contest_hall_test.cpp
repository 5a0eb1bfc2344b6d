// The hall's offer: who may enter, what it costs, and what a refusal leaves as it was.
#include "events/story.h"
#include "tests/contest/contest_fixture.h"

namespace {

using namespace contest_test;

TEST_F(ContestTest, TheHallTakesTheFeeOnlyFromAPlayerWhoCanEnter) {
    struct Case {
        const char* what;
        int contests_won;
        int money;
        bool empty_pantry;
        const char8_t* answer;  // null when nothing is offered
        const char* last_line;
    };
    const Case cases[] = {
        {"exactly the fee", 0, 500, false, u8"はい",
         "残念ながらお金が足りないようです\nまたのお越しを"},
        {"no", 0, 10000, false, u8"いいえ", "そうですか\nまたのお越しを"},
        {"all twelve won", 12, 10000, false, nullptr, "現在参加できる大会はありません"},
        {"own dish, none to hand in", 3, 100000, true, u8"はい",
         "残念ながら提出できる料理がないようです\nまたのお越しを"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        play.SetContestsWon(c.contests_won);
        play.SetMoney(c.money);
        if (c.empty_pantry) ClearPlayerPantry();
        const int expenses = play.state().expenses;
        EnterHall();
        ReadOn();
        if (c.answer) {
            Answer(c.answer);
            ReadOn();
        }
        EXPECT_TRUE(SaidInOrder({"ここは料理大会会場です", c.last_line}));
        EXPECT_EQ(play.state().money, c.money);
        EXPECT_EQ(play.state().expenses, expenses);
        EXPECT_EQ(play.state().contests_won, c.contests_won);
        EXPECT_EQ(game().world().contest.running, 0);
        // Back on the destinations, with nothing left running on the story screen.
        EXPECT_EQ(game().screens().id(), kScreenDestinations);
        EXPECT_FALSE(game().story().live());
        play.Press(kCancel);
    }
}

TEST_F(ContestTest, OneAboveTheFeeEntersAndIsBookedAsAnExpense) {
    play.SetMoney(501);
    const int expenses = play.state().expenses;
    EnterHall();
    ReadOn();
    EXPECT_EQ(lines.back(),
              "今回はこちらで食材を用意します\n参加費用は 500 クルになりますが、\n参加しますか？");
    // The cursor starts on いいえ.
    EXPECT_EQ(game().stage().choice_result(), 1);
    Answer(u8"はい");
    ReadOn();
    EXPECT_TRUE(
        SaidInOrder({"ではこちらへどうぞ",
                     "料理大会へようこそ\fここは究極の料理を追い求める料理人達が集う場です"}));
    EXPECT_EQ(game().screens().id(), kScreenCooking);
    EXPECT_EQ(play.state().money, 1);
    EXPECT_EQ(play.state().expenses, expenses + 500);
    EXPECT_EQ(game().story().last_row(), StoryEvent::kContest);
    EXPECT_EQ(game().world().contest.running, 1);
}

}  // namespace
