// Resting while the story has something due: a collapse or a notice that falls due in the very
// step in which the rest reaches the hour that ends it must neither lose its screen nor take the
// hour's place, and the days go on as usual afterwards.
#include <string>
#include <vector>

#include "events/story.h"
#include "tests/story/story_fixture.h"

namespace story_test {
namespace {

class RestingStoryTest : public StoryTest {
protected:
    // A line of the transcript begins with the text (UTF-8).
    bool Said(const char8_t* start) const {
        const std::string wanted = Utf8(start);
        for (const TranscriptEntry& line : transcript.lines())
            if (line.text.rfind(wanted, 0) == 0) return true;
        return false;
    }
    int Minute() { return state().clock.hour * 60 + state().clock.minute; }
};

TEST_F(RestingStoryTest, ACollapseDueAsTheRestReachesNoonComesAfterLunchAndTheDaysGoOn) {
    play.SetDate(2006, 1, 5, 11, 55);
    state().stamina = -3.0f;
    ASSERT_TRUE(play.Choose(u8"休む")) << play.Report();

    // Noon ends the rest and is told first; nothing is left running under it.
    ASSERT_TRUE(play.RunUntilMessage(u8"ランチタイムです")) << play.Report();
    EXPECT_EQ(Minute(), 12 * 60);
    EXPECT_FALSE(game().story().live()) << play.Report();
    EXPECT_NE(game().screens().id(), kScreenResting);
    EXPECT_LT(state().stamina, 0.0f);

    // The collapse comes at the next check, on the next rest.
    transcript.Clear();
    ASSERT_TRUE(PlayUntil([&] { return Said(u8"うーん、頭がクラクラしてきました"); }));
    EXPECT_EQ(Minute(), 12 * 60 + 5);
    ASSERT_TRUE(FinishScene());
    EXPECT_EQ(state().clock.hour, 20);
    EXPECT_GE(state().stamina, 0.0f);
    EXPECT_EQ(game().screens().id(), kScreenResting) << play.Report();

    // Saving works afterwards.
    play.Press(kCancel);
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands)) << play.Report();
    ASSERT_TRUE(play.Choose(u8"作戦")) << play.Report();
    ASSERT_TRUE(play.Choose(u8"セーブ")) << play.Report();
    transcript.Clear();
    ASSERT_TRUE(Answer(u8"記録 1： --------"));
    ASSERT_TRUE(FinishScene());
    EXPECT_TRUE(transcript.HasLine(u8"記録 1 にセーブしました")) << Lines();
    play.Press(kCancel);
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands)) << play.Report();

    // Resting on to the night: 休む from 22:00 brings the night's scene, then the morning.
    ASSERT_TRUE(PlayUntil([&] { return state().clock.hour >= 22; }));
    play.Press(kCancel);
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands)) << play.Report();
    // A night that says good night, so that it is seen to play.
    play.Seed(SeedFor({{3, 0}}));
    transcript.Clear();
    ASSERT_TRUE(play.Choose(u8"休む")) << play.Report();
    ASSERT_TRUE(PlayUntil([&] { return Said(u8"おはようございます"); }));
    EXPECT_TRUE(transcript.HasLine(u8"今日もおつかれさまでした\nおやすみなさい")) << Lines();
    EXPECT_EQ(game().story().last_row(), StoryEvent::kMorningRoutine);
    EXPECT_EQ(state().clock.day, 6);
    EXPECT_EQ(state().clock.hour, 7);
    ASSERT_TRUE(FinishScene());
    EXPECT_EQ(game().screens().id(), kScreenMainCommands);
}

TEST_F(RestingStoryTest, WhatFallsDueAsTheRestEndsIsToldAfterTheHour) {
    struct Case {
        int hour;  // the rest starts at hour:55
        const char8_t* hour_text;
        const char8_t* due_text;
        void (*make_due)(PlayState& state);
    };
    const Case cases[] = {
        {6, u8"おはようございます", u8"うーん、頭がクラクラしてきました",
         [](PlayState& s) { s.stamina = -3.0f; }},
        {11, u8"ランチタイムです", u8"『卵』の販売数が 100 を超えました",
         [](PlayState& s) { s.mastered.push_back(Sjis(u8"卵")); }},
        {17, u8"ディナータイムです", u8"焼き物レベルが ",
         [](PlayState& s) { s.last_levelup_method = kMethodBake; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hour);
        play.SetDate(2006, 1, 5, c.hour, 55);
        c.make_due(state());
        std::vector<std::string> seen;
        auto saw = [&](const char8_t* start) {
            const std::string wanted = Utf8(start);
            for (std::size_t i = 0; i < seen.size(); ++i)
                if (seen[i].rfind(wanted, 0) == 0) return static_cast<int>(i);
            return -1;
        };
        ASSERT_TRUE(play.Choose(u8"休む")) << play.Report();
        ASSERT_TRUE(PlayUntil([&] {
            const std::string message = play.Message();
            if (!message.empty() && (seen.empty() || seen.back() != message))
                seen.push_back(message);
            return saw(c.due_text) >= 0;
        }));
        EXPECT_GE(saw(c.hour_text), 0);
        EXPECT_LT(saw(c.hour_text), saw(c.due_text));
        ASSERT_TRUE(FinishScene());
        ASSERT_TRUE(FinishNotice());
        // The day goes on: the story still starts its scenes.
        play.Press(kCancel);
        ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands)) << play.Report();
        ASSERT_TRUE(play.Choose(u8"作戦")) << play.Report();
        ASSERT_TRUE(play.Choose(u8"セーブ")) << play.Report();
        ASSERT_TRUE(play.RunUntilMessage(u8"どこにセーブしますか？")) << play.Report();
        play.Press(kCancel);
        play.Press(kCancel);
        ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands)) << play.Report();
    }
}

}  // namespace
}  // namespace story_test
