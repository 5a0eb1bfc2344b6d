// The day's fixed scenes: the shop's expansion, discarding, saving, the collapses and the night.
#include <filesystem>

#include "events/story.h"
#include "game/rules/pantry.h"
#include "platform/files.h"
#include "tests/story/story_fixture.h"

namespace story_test {
namespace {

using DayEventsTest = StoryTest;

TEST_F(DayEventsTest, TheShopGrowsOnlyWhenMoneyIsLeftOver) {
    struct Case {
        int level, money;
        const char8_t* answer;  // null: no question
        const char8_t* last;
        int level_after, money_after;
    };
    const Case cases[] = {
        {7, 100000, u8"はい", u8"お金が足りません", 7, 100000},
        {7, 100001, u8"はい", u8"店舗を拡張しました", 8, 1},
        {8, 500000, nullptr, u8"これ以上店舗を拡張できません", 8, 500000},
        {2, 500000, u8"いいえ", u8"店舗の拡張には 4000 クル必要ですが\n拡張しますか？", 2, 500000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.last));
        state().menu_max = c.level;
        play.SetMoney(c.money);
        Start(StoryEvent::kExpandShop);
        if (c.answer) {
            ASSERT_TRUE(Answer(c.answer));
        }
        ASSERT_TRUE(FinishScene());
        EXPECT_EQ(transcript.lines().back().text, Utf8(c.last));
        EXPECT_EQ(state().menu_max, c.level_after);
        EXPECT_EQ(state().money, c.money_after);
        EXPECT_EQ(game().screens().id(), kScreenMainCommands);
    }
}

TEST_F(DayEventsTest, TheExpansionAsksWithTheLastAnswerPreselected) {
    state().menu_max = 1;
    play.SetMoney(0);
    Start(StoryEvent::kExpandShop);
    ASSERT_TRUE(Answer(u8"いいえ"));
    ASSERT_TRUE(FinishScene());
    Start(StoryEvent::kExpandShop);
    while (play.ChoiceRows().empty()) ReadStep();
    EXPECT_EQ(game().stage().choice_window().GetIndex(), 1);
}

TEST_F(DayEventsTest, DiscardingEmptiesThePotOnlyOnYes) {
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        play.kitchen().selection.clear();
        AddToSelection(game().world().kitchen, Food::FromDef(FindFoodDef(Sjis(u8"卵"))), 1.0f);
        game().stage().list_window().SetCursorShown(false);
        Start(StoryEvent::kDiscardIngredients);
        ASSERT_TRUE(Answer(yes ? u8"はい" : u8"いいえ"));
        ASSERT_TRUE(FinishScene());
        EXPECT_EQ(play.kitchen().selection.empty(), yes);
        EXPECT_TRUE(game().stage().list_window().IsCursorShown());
        EXPECT_FALSE(game().stage().choice_window().IsCursorShown());
    }
}

TEST_F(DayEventsTest, CancellingTheSaveDialogueLeavesItAndTheNextStartsAfresh) {
    game().screens().Push(kScreenGameMenu);
    Start(StoryEvent::kSave);
    Run(5);
    EXPECT_EQ(play.Message(), Utf8(u8"どこにセーブしますか？"));
    play.Press(kCancel);
    EXPECT_EQ(game().screens().id(), kScreenGameMenu);
    EXPECT_FALSE(game().story().live());

    Start(StoryEvent::kSave);
    Run(5);
    EXPECT_EQ(play.Message(), Utf8(u8"どこにセーブしますか？"));
    play.Click(1);
    EXPECT_EQ(game().screens().id(), kScreenGameMenu);
}

TEST_F(DayEventsTest, SavingSaysWhetherTheSlotWasWritten) {
    struct Case {
        bool blocked;  // a plain file where the save folder goes: no one can write there
        const char8_t* said;
    };
    const Case cases[] = {{false, u8"記録 3 にセーブしました"},
                          {true, u8"記録 3 にセーブできませんでした"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blocked);
        const std::string folder = play.data_folder() + (c.blocked ? "/blocked" : "");
        if (c.blocked) {
            ASSERT_TRUE(platform::MakeDirectories(folder));
            ASSERT_TRUE(platform::WriteWholeFile(folder + "/dat", "x", 1));
            play.backend.services().folders.data = folder;
        }
        game().screens().Push(kScreenGameMenu);
        Start(StoryEvent::kSave);
        for (int i = 0; i < 400 && play.ChoiceRows().size() < 8; ++i) ReadStep();
        ASSERT_EQ(play.ChoiceRows().size(), 8u) << play.Report();
        play.Press(kDown);
        play.Press(kDown);
        play.Press(kDecide);
        ASSERT_TRUE(FinishScene());
        EXPECT_EQ(transcript.lines().back().text, Utf8(c.said));
        EXPECT_EQ(game().screens().id(), kScreenGameMenu);
        game().screens().Pop();
        // Why, and where, is for the log: the folder the save could not make its file in.
        const auto& log = play.DebugLines();
        const auto reported = std::count_if(log.begin(), log.end(), [&](const std::string& l) {
            return l.rfind("cannot save into save slot 3: ", 0) == 0 &&
                   l.find(folder + "/dat/scd02.new.sav") != std::string::npos;
        });
        EXPECT_EQ(reported, c.blocked ? 1 : 0);
    }
}

// The player trusts what the save says: "saved", and the slot continues the new game;
// "could not save", and it continues the game saved before, whole. Cut short at any call that
// changes the disk, the save may say either, but what it says must be what the slot holds.
TEST_F(DayEventsTest, ASaveCutShortAnywhereSaysWhatTheSlotNowHolds) {
    // Money lives in one file of the slot, the date in another, the pantry in a third.
    struct Game {
        int money, month;
        std::size_t pantry;
        bool operator==(const Game&) const = default;
    };
    const auto now = [&] {
        return Game{state().money, state().clock.month, play.kitchen().player_pantry.size()};
    };
    const auto save = [&] {
        game().screens().Push(kScreenGameMenu);
        Start(StoryEvent::kSave);
        for (int i = 0; i < 400 && play.ChoiceRows().size() < 8; ++i) ReadStep();
        EXPECT_EQ(play.ChoiceRows().size(), 8u) << play.Report();
        play.Press(kDown);
        play.Press(kDown);
        play.Press(kDecide);
        EXPECT_TRUE(FinishScene());
        game().screens().Pop();
        return transcript.lines().back().text;
    };
    play.SetMoney(1111);
    play.SetDate(2006, 3, 4);
    ASSERT_EQ(save(), Utf8(u8"記録 3 にセーブしました"));
    const Game earlier = now();
    const std::string folder = play.data_folder() + "/dat";
    const std::string kept = play.data_folder() + "/kept";
    std::filesystem::copy(folder, kept);

    play.SetMoney(2222);
    play.SetDate(2006, 5, 6);
    play.AddToPantry(u8"トマト", 1.0f);
    const Game later = now();
    auto& faults = play.backend.file_faults;
    faults.Reset();
    ASSERT_EQ(save(), Utf8(u8"記録 3 にセーブしました"));
    const int calls = faults.calls;
    ASSERT_GT(calls, 8);
    for (int call = 0; call < calls; ++call) {
        SCOPED_TRACE("failing call " + std::to_string(call));
        std::filesystem::remove_all(folder);
        std::filesystem::copy(kept, folder);
        play.SetMoney(later.money);
        play.SetDate(2006, later.month, 6);
        faults.FailCall(call);
        const std::string said = save();
        faults.Reset();
        ASSERT_TRUE(game().LoadGame(2));
        const bool saved = said == Utf8(u8"記録 3 にセーブしました");
        EXPECT_TRUE(saved || said == Utf8(u8"記録 3 にセーブできませんでした")) << said;
        EXPECT_EQ(now(), saved ? later : earlier)
            << "money " << now().money << ", month " << now().month << ", pantry " << now().pantry;
        if (!saved) play.AddToPantry(u8"トマト", 1.0f);
    }
}

TEST_F(DayEventsTest, CollapsingAtHomeCostsEightHoursAndNeverLeavesStaminaNegative) {
    state().stamina = -30.0f;
    play.SetDate(2006, 1, 5, 10, 0);
    Start(StoryEvent::kFatigue);
    ASSERT_TRUE(FinishScene());
    EXPECT_EQ(state().clock.hour, 18);
    EXPECT_EQ(state().stamina, 0.0f);
    const auto lines = transcript.lines();
    ASSERT_EQ(lines.size(), 2u) << Lines();
    EXPECT_EQ(lines[0], Line(1, 3, u8"うーん、頭がクラクラしてきました……"));
    EXPECT_EQ(lines[1].expression, 5);
}

TEST_F(DayEventsTest, ThreeDaysAsleepAcrossAMonthEndBringTheReportAtTheNextCheck) {
    state().stamina = -2.0f;
    play.SetDate(2006, 1, 30, 22, 0);
    Start(StoryEvent::kWakeAfterCollapse);
    ASSERT_TRUE(FinishScene());
    EXPECT_EQ(state().clock.month, 2);
    EXPECT_EQ(state().clock.day, 2);
    EXPECT_EQ(state().clock.hour, 22);
    EXPECT_GE(state().stamina, 0.0f);
    EXPECT_EQ(transcript.lines().size(), 5u) << Lines();
    game().story().ScheduleStory();
    EXPECT_EQ(game().story().last_row(), StoryEvent::kMonthlyReport);
}

TEST_F(DayEventsTest, OneNightInThreeSaysGoodNight) {
    for (int draw : {0, 1}) {
        SCOPED_TRACE(draw);
        play.Seed(SeedFor({{3, draw}}));
        Start(StoryEvent::kNight);
        ASSERT_TRUE(FinishScene());
        if (draw == 0) {
            ASSERT_EQ(transcript.lines().size(), 1u) << Lines();
            EXPECT_EQ(transcript.lines()[0],
                      Line(1, 1, u8"今日もおつかれさまでした\nおやすみなさい"));
        } else {
            EXPECT_TRUE(transcript.lines().empty()) << Lines();
        }
    }
}

TEST_F(DayEventsTest, TheNightRemindsOfTheMemoryDishWhileItsStoryWaits) {
    struct Case {
        int memory_food;
        int speaker;
        const char8_t* reply;
    };
    const Case cases[] = {{1, 3, u8"ありがとう、ラゴ\n明日は頑張ろうね"},
                          {4, 2, u8"ありがとうございます、ゼルバさん\n明日は頑張ります"}};
    for (const Case& c : cases) {
        state().state_memory_food = c.memory_food;
        play.Seed(SeedFor({{3, 0}}));
        Start(StoryEvent::kNight);
        ASSERT_TRUE(FinishScene());
        const auto lines = transcript.lines();
        ASSERT_EQ(lines.size(), 3u) << Lines();
        EXPECT_EQ(lines[1].speaker, c.speaker);
        EXPECT_EQ(lines[2], Line(1, 1, c.reply));
    }
}

}  // namespace
}  // namespace story_test
