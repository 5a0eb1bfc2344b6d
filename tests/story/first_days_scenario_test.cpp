// A new game played through its first day and night into the second morning, and on past the
// month's end to its report, through the real screens and buttons.
#include "events/story.h"
#include "tests/story/story_fixture.h"

namespace story_test {
namespace {

class FirstDaysScenario : public StoryTest {
protected:
    void SetUp() override { ASSERT_TRUE(play.NewGame()); }

    int Hour() { return state().clock.hour; }
};

TEST_F(FirstDaysScenario, TheOpeningTheFirstNightAndMorningAndTheMonthsReport) {
    // The opening asks for ゼルバ炒め on the cooking screen.
    ASSERT_TRUE(PlayUntil([&] { return game().screens().id() == kScreenCooking; }));
    EXPECT_EQ(state().first, 1);
    ASSERT_TRUE(play.Choose(u8"ゼルバワラビ")) << play.Report();
    ASSERT_TRUE(play.Choose(u8"ゼルゼルダケ")) << play.Report();
    // The method window (焼く is its second row), by keys: the pointer keeps its cursor hidden.
    play.Press(kRight);
    ASSERT_EQ(play.Message(), Utf8(u8"調理方法を選んでください")) << play.Report();
    play.Press(kDown);
    play.Press(kDecide);
    ASSERT_TRUE(play.RunUntilScreen(kScreenDishMade)) << play.Report();
    transcript.Clear();

    // Reading the dish's message hands the lesson back, and it closes on the main commands.
    ASSERT_TRUE(PlayUntil(
        [&] { return game().screens().id() == kScreenMainCommands && !game().story().live(); }));
    EXPECT_EQ(state().first, 0);
    EXPECT_TRUE(transcript.HasLine(u8"どうやらできたようだな\fむう、この味……\nまだまだ甘いな"))
        << Lines();
    EXPECT_EQ(state().clock.day, 1);

    // Resting through lunch and dinner until 22:00, then getting up.
    ASSERT_TRUE(PlayUntil([&] { return Hour() >= 22; }));
    ASSERT_EQ(game().screens().id(), kScreenResting) << play.Report();
    play.Press(kCancel);
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands)) << play.Report();
    EXPECT_EQ(state().clock.day, 1);

    // 休む from 22:00 is the night's scene, over the resting that carries on to 7:00.
    transcript.Clear();
    ASSERT_TRUE(play.Choose(u8"休む")) << play.Report();
    ASSERT_TRUE(play.RunUntilScreen(kScreenStory)) << play.Report();
    ASSERT_TRUE(
        PlayUntil([&] { return game().story().last_row() == StoryEvent::kMorningRoutine; }));
    EXPECT_EQ(state().clock.year, 2006);
    EXPECT_EQ(state().clock.month, 1);
    EXPECT_EQ(state().clock.day, 2);
    EXPECT_EQ(Hour(), 7);
    ASSERT_TRUE(FinishScene());
    EXPECT_TRUE(transcript.HasLine(u8"『マナの森』に行けるようになりました")) << Lines();
    EXPECT_EQ(state().place_flags[kPlaceForest], 1);

    // Days of rest past January 31: February's first check brings the report.
    play.SetDate(2006, 1, 31, 19, 0);
    state().income = 0;
    state().expenses = 0;
    transcript.Clear();
    ASSERT_TRUE(PlayUntil([&] { return game().story().last_row() == StoryEvent::kMonthlyReport; }));
    EXPECT_EQ(state().clock.month, 2);
    EXPECT_EQ(state().clock.day, 1);
    EXPECT_EQ(state().month_ended, 0);
    ASSERT_TRUE(FinishScene());
    EXPECT_TRUE(transcript.HasLine(u8"ぜるば堂、１ヶ月間の\n総収入は 0 クル\n総支出は 0 クル"))
        << Lines();
}

}  // namespace
}  // namespace story_test
