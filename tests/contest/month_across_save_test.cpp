// The first contest entered at 23:55 on the month's last day cooks past midnight: the contest
// holds the month's report back. Saved on the way home, left with F2 and continued, the game
// still owes the report, and gives it at its next check with the old month's figures only.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "events/story.h"
#include "platform/virtual_keys.h"
#include "tests/contest/contest_fixture.h"

namespace {

using contest_test::ContestTest;
using play_test::kCancel;
using play_test::kDecide;
using play_test::kFrameLimit;
using play_test::kRight;
using testing_support::Utf8;

class MonthAcrossSave : public ContestTest {
protected:
    // The first contest with かに玉 of the contest's own crab and egg, won for 5000 クル.
    void WinTheFirstContest() {
        EnterHall();
        ReadOn();
        Answer(u8"はい");
        ReadOn();
        PutInPot(u8"カニ");
        PutInPot(u8"卵");
        play.Press(kRight);
        ASSERT_TRUE(play.Choose(u8"焼く")) << play.Report();
        ASSERT_TRUE(play.RunUntilScreen(kScreenDishMade)) << play.Report();
        for (int press = 0; press < 50 && game().screens().id() == kScreenDishMade; ++press)
            play.Press(kDecide);
        ASSERT_TRUE(play.RunUntilScreen(kScreenCooking)) << play.Report();
        play.Press(kCancel);
        ReadOn();
        Answer(u8"はい");
        HandIn(PantryIndex(u8"かに玉"));
        ReadOn();
        Answer(u8"5000 クル");
        ReadOn();
        ASSERT_EQ(game().screens().id(), kScreenDestinations) << play.Report();
    }
    // 作戦 → セーブ → the first slot, read to the end, back on the main commands.
    void SaveInTheFirstSlot() {
        ASSERT_TRUE(play.Choose(u8"作戦"));
        ASSERT_TRUE(play.Choose(u8"セーブ"));
        for (int i = 0; i < 400 && play.ChoiceRows().size() < 8; ++i) play.Press(kDecide);
        ASSERT_EQ(play.ChoiceRows().size(), 8u) << play.Report();
        play.Press(kDecide);
        ASSERT_TRUE(play.RunUntilMessage(u8"記録 1 にセーブしました"));
        for (int i = 0; i < 400 && game().story().live(); ++i) play.Press(kDecide);
        play.Press(kCancel);
        ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    }
};

TEST_F(MonthAcrossSave, TheReportHeldBackByTheContestComesAfterAContinue) {
    play.OpenPlace(kPlaceForest);
    play.SetMoney(10000);
    play.SetDate(2006, 1, 31, 23, 55);
    play.state().income = 23456;
    play.state().expenses = 3456;
    WinTheFirstContest();
    ASSERT_EQ(play.state().clock.month, 2) << "the contest cooked past midnight";
    ASSERT_EQ(play.state().month_ended, 1) << "held back by the contest";

    // The way home: the destinations show all their rows from the first.
    play.Frame();
    EXPECT_EQ(game().stage().list_window().GetTop(), 0);
    EXPECT_EQ(play.ChoiceRows(),
              (std::vector<std::string>{Utf8(u8"商店街"), Utf8(u8"建築事務所"), Utf8(u8"料理大会"),
                                        Utf8(u8"マナの森")}));
    play.Press(kCancel);
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    SaveInTheFirstSlot();
    const int income = play.state().income, expenses = play.state().expenses;

    play.PressKey(platform::vk::kF2);
    ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName));
    play.Press(kDecide);
    ASSERT_TRUE(play.Choose(u8"つづきから"));
    ASSERT_EQ(play.title().state(), CTitleComp::kSlotList);
    play.Press(kDecide);
    ASSERT_TRUE(play.RunUntilComponent(CVemuComp::kName));
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));

    // Resting is the next check.
    ASSERT_TRUE(play.Choose(u8"休む"));
    ASSERT_TRUE(play.RunUntilMessage(u8"今月もおつかれさま～\n月間報告をするよ", 4000))
        << play.Report();
    char figures[128];
    std::snprintf(figures, sizeof figures,
                  "ぜるば堂、１ヶ月間の\n総収入は %d クル\n総支出は %d クル", income, expenses);
    bool told = false;
    for (int i = 0; i < kFrameLimit && !told && game().story().live(); ++i) {
        told = play.Message() == sjis::ToUtf8(figures);
        play.Press(kDecide);
    }
    EXPECT_TRUE(told) << play.Report();
    for (int i = 0; i < kFrameLimit && game().story().live(); ++i) play.Press(kDecide);
    EXPECT_EQ(play.state().income, 0) << "January's figures went with its report";
    EXPECT_EQ(play.state().expenses, 0);
}

}  // namespace
