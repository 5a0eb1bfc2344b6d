// The whole game from a new game on, played headless through the real screens by buttons only:
// the opening, ordinary days of buying, cooking and selling, the visits that open the contest
// hall, and the contests. Each milestone is asserted on the game's state as it is reached and
// leaves a trace line: date, game day, frame and money.
#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>

#include "engine/common/sjis.h"
#include "engine/framework/game_mediator.h"
#include "game/food/food_def.h"
#include "game/main/vemu_comp.h"
#include "tests/playthrough/answer_table.h"
#include "tests/playthrough/chance_wait.h"
#include "tests/playthrough/goals.h"
#include "tests/playthrough/play_log.h"
#include "tests/playthrough/play_script.h"

namespace {

using namespace play_test;

constexpr unsigned kSeed = 20;

std::string U(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// Seconds on the process's own clock (<chrono> cannot be read in the game's code page).
double Seconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}
// Game days the path waits for a visit before it calls the game stalled.
constexpr int kTasteKingDays = 60;

class Playthrough : public ::testing::Test {
protected:
    Playthrough() : answers(play), script(play, answers, log), path(script) {}

    void Trace(int milestone, const char* what) {
        const PlayState& state = play.state();
        std::printf("milestone %2d %-40s %s  day %3d  frame %7d  money %d\n", milestone, what,
                    DateOf(state.clock).c_str(), GameDay(state.clock), play.frames_run(),
                    state.money);
        std::fflush(stdout);
    }
    float Held(const char8_t* name) const { return path.Held(reinterpret_cast<const char*>(name)); }
    int Bag(const char8_t* name) {
        CItemBag& bag = play.mediator().items();
        const int index = bag.FindItemIndex(Sjis(name).c_str());
        return index < 0 ? 0 : bag.GetEntryAt(index)->count;
    }
    bool Known(const char8_t* name) {
        const FoodDef* def = FindFoodDef(Sjis(name));
        return def && def->known;
    }

    PlayHarness play;
    PlayLog log;
    AnswerTable answers;
    PlayScript script;
    Path path;
};

TEST_F(Playthrough, FromTheNewGameToTheStaffRollAndTheLastContest) {
    const double started = Seconds();
    play.SetPixels(false);
    play.Seed(kSeed);

    // 1: a new game.
    ASSERT_TRUE(script.TitleNewGame());
    {
        const PlayState& state = play.state();
        EXPECT_EQ(DateOf(state.clock), "2006/1/1 7:00");
        EXPECT_EQ(state.money, 10000);
        for (const char8_t* food :
             {u8"ゼルバワラビ", u8"ゼルゼルダケ", u8"卵", u8"ミルク", u8"小麦粉"})
            EXPECT_EQ(Held(food), 5.0f) << reinterpret_cast<const char*>(food);
        EXPECT_EQ(play.game().kitchen().player_pantry.size(), 5u);
        EXPECT_EQ(Bag(u8"包丁"), 1);
        EXPECT_EQ(Bag(u8"フライパン"), 1);
        EXPECT_EQ(state.first, 1);
        EXPECT_TRUE(play.game().story_live());
    }
    Trace(1, "new game");

    // 2: the opening asks for ゼルバ炒め, baked.
    ASSERT_TRUE(script.AwaitScreen(kScreenCooking));
    ASSERT_TRUE(script.CookHere({{U(u8"ゼルバワラビ"), 1}, {U(u8"ゼルゼルダケ"), 1}}, u8"焼く"));
    ASSERT_TRUE(script.ToCommands());
    EXPECT_EQ(play.state().first, 0);
    EXPECT_TRUE(Known(u8"ゼルバ炒め"));
    EXPECT_EQ(play.game().screen_stack().back().id, kScreenMainCommands);
    EXPECT_EQ(play.game().scene_music(), 1);
    Trace(2, "the opening");

    // 3: the first night and morning open the forest.
    ASSERT_TRUE(script.Sell());
    ASSERT_TRUE(script.RestToMorning());
    EXPECT_EQ(play.state().place_flags[kPlaceForest], 1);
    Trace(3, "first night and morning");

    // 4: a day of buying, cooking and selling.
    {
        ASSERT_TRUE(path.Stock(4.0f));
        const int money = play.state().money, income = play.state().income;
        ASSERT_TRUE(script.Sell());
        EXPECT_GT(play.state().money, money);
        EXPECT_GT(play.state().income, income);
        ASSERT_TRUE(script.RestToMorning());
    }
    Trace(4, "a selling day");

    // 5: the Taste King's first visit opens the contest hall.
    ASSERT_TRUE(WaitForChance(
        script, path.Days(), [&] { return play.state().place_flags[kPlaceCompetition] != 0; },
        kTasteKingDays, "the Taste King's first visit"));
    Trace(5, "the Taste King's first visit");

    const double seconds = Seconds() - started;
    std::printf("run: %d frames, %d game days, %.1f s, %.1f us a frame\n", play.frames_run(),
                GameDay(play.state().clock), seconds, seconds * 1e6 / play.frames_run());
}

}  // namespace
