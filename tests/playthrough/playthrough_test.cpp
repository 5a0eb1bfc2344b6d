// The whole game from a new game on, played headless through the real screens by buttons only:
// the opening, ordinary days of buying, cooking and selling, the visits that open the contest
// hall, and the contests. Each milestone is asserted on the game's state as it is reached and
// leaves a trace line: date, game day, frame and money.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>

#include "engine/common/game_path.h"
#include "engine/common/sjis.h"
#include "engine/framework/game_mediator.h"
#include "game/food/food_def.h"
#include "game/main/vemu_comp.h"
#include "game/saves/slot_files.h"
#include "game/screens/play_lists.h"
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
constexpr int kProvidedFees[] = {500, 1000, 2000};
constexpr int kProvidedPrizes[] = {5000, 10000, 20000};
// Game days the path waits for a visit before it calls the game stalled.
constexpr int kTasteKingDays = 60;

class Playthrough : public ::testing::Test {
protected:
    Playthrough() : answers(play), script(play, answers, log), path(script) {
        // The hall's offer is kept, to read its fee.
        answers.Set(u8"参加しますか？", [this] {
            offer_ = play.Message();
            return U(u8"はい");
        });
    }

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

    // Contests 1 to 3 from the contest's pantry: its crab and egg with chili, baked.
    testing::AssertionResult WinContest(int contest) {
        const Pot pot = {{U(u8"卵"), 1}, {U(u8"カニ"), 1}, {U(u8"唐辛子"), 1}};
        const PlayState& state = play.state();
        const int money = state.money, expenses = state.expenses, fee = kProvidedFees[contest - 1];
        const PantryRows own = Rows(play.kitchen().player_pantry);
        if (auto r = script.Contest(pot, u8"焼く", U(u8"ピリ辛かに玉")); !r) return r;
        if (state.contests_won != contest)
            return script.Fail("contest " + std::to_string(contest) + " was not won");
        EXPECT_EQ(state.expenses, expenses + fee);
        EXPECT_EQ(state.money, money - fee + kProvidedPrizes[contest - 1]);
        EXPECT_EQ(Rows(play.kitchen().player_pantry), own);
        EXPECT_EQ(play.kitchen().in_use, &play.kitchen().player_pantry);
        EXPECT_EQ(play.game().contest().running, 0);
        EXPECT_FALSE(script.last_methods().empty());
        for (const std::string& method : script.last_methods()) EXPECT_NE(method, U(u8"捨てる"));
        return testing::AssertionSuccess();
    }
    using PantryRows = std::vector<std::pair<std::string, float>>;
    static PantryRows Rows(const Pantry& pantry) {
        PantryRows rows;
        for (const auto& food : pantry) rows.emplace_back(food->name, food->amount);
        return rows;
    }

    // F2 on contest 2's cooking screen, はじめから: nothing of the contest is left, and the new
    // game's opening ends once its dish is cooked. Then つづきから of the save before it.
    testing::AssertionResult NoContestAfterF2() {
        if (auto r = script.Command(u8"外出する"); !r) return r;
        if (auto r = script.Choose(U(u8"料理大会")); !r) return r;
        if (auto r = script.AwaitScreen(kScreenCooking); !r) return r;
        EXPECT_EQ(play.game().contest().running, 1);
        if (auto r = script.ResetToTitle(); !r) return r;
        if (auto r = script.TitleNewGame(); !r) return r;
        EXPECT_EQ(play.game().contest().running, 0);
        EXPECT_EQ(play.kitchen().in_use, &play.kitchen().player_pantry);
        EXPECT_EQ(Rows(play.kitchen().player_pantry), (PantryRows{{Sjis(u8"ゼルバワラビ"), 5.0f},
                                                                  {Sjis(u8"ゼルゼルダケ"), 5.0f},
                                                                  {Sjis(u8"卵"), 5.0f},
                                                                  {Sjis(u8"ミルク"), 5.0f},
                                                                  {Sjis(u8"小麦粉"), 5.0f}}));
        if (auto r = script.AwaitScreen(kScreenCooking); !r) return r;
        if (auto r =
                script.CookHere({{U(u8"ゼルバワラビ"), 1}, {U(u8"ゼルゼルダケ"), 1}}, u8"焼く");
            !r)
            return r;
        if (auto r = script.ToCommands(); !r) return r;
        EXPECT_EQ(play.state().first, 0);
        if (auto r = script.ResetToTitle(); !r) return r;
        return script.TitleContinue(0);
    }

    static std::string FileBytes(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    std::vector<std::string> SlotBytes(int slot) {
        const SlotFiles names = SlotFileNames(slot);
        std::vector<std::string> bytes;
        for (const std::string& name : {names.scd, names.ssn, names.sse, names.ssi})
            bytes.push_back(FileBytes(gamepath::Resolve(name)));
        return bytes;
    }

    // With every write failing, saving into a slot that holds a save says so and changes
    // nothing of it; the title still dates it as before.
    testing::AssertionResult FailedSaveKeepsTheSlot(int slot) {
        const std::vector<std::string> before = SlotBytes(slot);
        MenuEntry row_before;
        FormatSlotEntry(slot, row_before);
        EXPECT_FALSE(before.front().empty());
        play.backend.file_faults.FailWritesAfter(0);
        testing::AssertionResult saved = script.Save(slot);
        play.backend.file_faults.Reset();
        if (!saved) return saved;
        EXPECT_EQ(script.save_message(),
                  U(u8"記録 ") + std::to_string(slot + 1) + U(u8" にセーブできませんでした"));
        EXPECT_EQ(SlotBytes(slot), before);
        MenuEntry row_after;
        FormatSlotEntry(slot, row_after);
        EXPECT_EQ(row_after.label, row_before.label);
        EXPECT_EQ(row_after.second_text, row_before.second_text);
        return testing::AssertionSuccess();
    }

    // Contest 4 wants a dish of the player's own: with the pantry thrown away through 捨てる,
    // the hall sends the player back before it takes the fee.
    testing::AssertionResult EmptyPantryIsRefused() {
        if (auto r = script.DiscardPantry(); !r) return r;
        EXPECT_TRUE(play.kitchen().player_pantry.empty());
        const int money = play.state().money, won = play.state().contests_won;
        if (auto r = script.Command(u8"外出する"); !r) return r;
        if (auto r = script.Choose(U(u8"料理大会")); !r) return r;
        bool refused = false;
        auto on_destinations = [&] {
            return play.game().screen_id() == kScreenDestinations && !play.game().story_live();
        };
        for (int frame = 0; frame < kStepFrames && !on_destinations(); ++frame) {
            refused |=
                play.Message() == U(u8"残念ながら提出できる料理がないようです\nまたのお越しを");
            if (auto r = script.Respond(); !r) return r;
        }
        EXPECT_TRUE(refused);
        EXPECT_TRUE(on_destinations()) << play.Report();
        script.Press(kCancel);
        if (auto r = script.ToCommands(); !r) return r;
        EXPECT_EQ(play.state().money, money);
        EXPECT_EQ(play.state().contests_won, won);
        return testing::AssertionSuccess();
    }

    PlayHarness play;
    PlayLog log;
    AnswerTable answers;
    PlayScript script;
    Path path;
    std::string offer_;
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
    {
        EXPECT_EQ(play.state().place_flags[kPlaceCompetition], 1);
        std::vector<MenuEntry> places;
        BuildDestinationList(play.game(), places);
        EXPECT_TRUE(std::any_of(places.begin(), places.end(), [](const MenuEntry& place) {
            return place.label == Sjis(u8"料理大会");
        }));
    }
    Trace(5, "the Taste King's first visit");

    // 6: contests 1 to 3, cooked from the contest's own foods. Before contest 2 the game is
    // saved, and left by F2 from contest 2's cooking screen (a dead end proven absent); contest
    // 2 is first lost on purpose with a raw food (7).
    ASSERT_TRUE(WinContest(1));
    ASSERT_TRUE(script.Save(0));
    EXPECT_EQ(script.save_message(), U(u8"記録 1 にセーブしました"));
    ASSERT_TRUE(NoContestAfterF2());
    {
        const int money = play.state().money, expenses = play.state().expenses;
        ASSERT_TRUE(script.Contest({}, u8"", U(u8"トマト")));
        EXPECT_EQ(play.state().contests_won, 1);
        EXPECT_EQ(play.state().money, money - 1000);
        EXPECT_EQ(play.state().expenses, expenses + 1000);
        EXPECT_EQ(play.game().contest().running, 0);
    }
    ASSERT_TRUE(WinContest(2));
    EXPECT_EQ(offer_.find(U(u8"参加費用は 1000 クル")) != std::string::npos, true) << offer_;
    ASSERT_TRUE(WinContest(3));
    Trace(6, "contests 1 to 3");
    Trace(7, "contest 2 lost, then won");

    // Dead ends proven absent: a save that cannot be written leaves the slot's earlier save
    // whole and play going on; a contest of the player's own dish with an empty pantry is
    // refused before the fee, and play rejoins the path from the save made just before.
    ASSERT_TRUE(FailedSaveKeepsTheSlot(0));
    ASSERT_TRUE(script.Save(1));
    ASSERT_TRUE(EmptyPantryIsRefused());
    ASSERT_TRUE(script.ResetToTitle());
    ASSERT_TRUE(script.TitleContinue(1));
    EXPECT_FALSE(play.kitchen().player_pantry.empty());
    Trace(0, "dead ends: failed save, empty pantry");

    const double seconds = Seconds() - started;
    std::printf("run: %d frames, %d game days, %.1f s, %.1f us a frame\n", play.frames_run(),
                GameDay(play.state().clock), seconds, seconds * 1e6 / play.frames_run());
}

}  // namespace
