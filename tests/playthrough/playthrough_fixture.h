// The play-through's fixture: the harness with the script, its answers, its log and the
// checks on the way, and the milestones' own steps and looks: a contest won with the prize
// seen, the dead ends, what a save keeps, the trace lines and the closing figures.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <map>
#include <optional>

#include "engine/common/game_path.h"
#include "engine/common/sjis.h"
#include "engine/framework/game_mediator.h"
#include "events/contest/contest_table.h"
#include "events/story.h"
#include "game/economy/shares.h"
#include "game/food/food_def.h"
#include "game/main/vemu_comp.h"
#include "game/saves/slot_files.h"
#include "game/screens/play_lists.h"
#include "tests/playthrough/answer_table.h"
#include "tests/playthrough/chance_wait.h"
#include "tests/playthrough/goals.h"
#include "tests/playthrough/play_log.h"
#include "tests/playthrough/play_script.h"
#include "tests/playthrough/way_checks.h"

namespace play_test::playthrough {

constexpr unsigned kSeed = 20;

// Seconds on the process's own clock (<chrono> cannot be read in the game's code page).
inline double Seconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Game days the path waits for a visit before it calls the game stalled.
constexpr int kTasteKingDays = 60;
constexpr int kFirstSaleDays = 10;
constexpr int kChainDays = 120;
// The recipe-count rewards the path works for: 万能酵母 for チーズ, ミント for マインドミント.
constexpr int kYeastReward = 2;
constexpr int kMintReward = 3;
constexpr int kFindDays = 120;

class Playthrough : public ::testing::Test {
protected:
    Playthrough() : answers(play), script(play, answers, log, checks), path(script, answers) {
        // The hall's offer is kept, to read its fee.
        answers.Set(u8"参加しますか？", [this] {
            offer_ = play.Message();
            return Utf8(u8"はい");
        });
    }

    void Trace(int milestone, const char* what) {
        const PlayState& state = play.state();
        std::printf("milestone %2d %-40s %s  day %3d  frame %7d  money %d\n", milestone, what,
                    DateOf(state.clock).c_str(), GameDay(state.clock), play.frames_run(),
                    state.money);
        std::fflush(stdout);
    }
    float Held(const char8_t* name) const { return path.Held(Utf8(name)); }
    int Bag(const char8_t* name) {
        CItemBag& bag = play.mediator().items();
        const int index = bag.FindItemIndex(Sjis(name).c_str());
        return index < 0 ? 0 : bag.GetEntryAt(index)->count;
    }
    bool Known(const char8_t* name) {
        const FoodDef* def = FindFoodDef(Sjis(name));
        return def && def->known;
    }

    // A contest won with its reference dish: its fee an expense, its prize received, and the
    // player's pantry back in use, as it was but for the prize (and the dish handed in).
    testing::AssertionResult WinContest(int contest) {
        if (auto r = path.PrepareContest(contest); !r) return r;
        const PlayState& state = play.state();
        const int money = state.money, expenses = state.expenses;
        const int fee = FindContestRow(contest - 1)->entry_fee;
        const std::string prize = PrizeFor(contest);
        const std::string year_of = Utf8(u8"１年分");
        const bool money_prize = prize.ends_with(Utf8(u8" クル"));
        const bool food_prize = prize.ends_with(year_of);
        const std::string food = food_prize ? prize.substr(0, prize.size() - year_of.size()) : "";
        const float food_before = food_prize ? path.Held(food) : 0.0f;
        const int items_before = money_prize || food_prize ? 0 : Bag(U8(prize));
        const bool provided = contest <= 3;
        PantryRows own = PantryRowsOf(play.kitchen().player_pantry);
        if (auto r = path.EnterContest(contest); !r) return r;
        if (state.contests_won != contest)
            return script.Fail("contest " + std::to_string(contest) + " was not won");
        EXPECT_EQ(state.expenses, expenses + fee) << contest;
        EXPECT_EQ(play.kitchen().in_use, &play.kitchen().player_pantry);
        EXPECT_EQ(play.game().world().contest.running, 0);
        EXPECT_EQ(state.money, money - fee + (money_prize ? std::stoi(prize) : 0)) << contest;
        if (food_prize) {
            EXPECT_EQ(path.Held(food), food_before + 365.0f) << contest;
        } else if (!money_prize) {
            EXPECT_EQ(Bag(U8(prize)), items_before + 1) << contest;
        }
        if (provided) {
            if (food_prize)
                for (auto& row : own)
                    if (row.first == Sjis(U8(food))) row.second += 365.0f;
            if (food_prize && std::none_of(own.begin(), own.end(), [&](const auto& row) {
                    return row.first == Sjis(U8(food));
                }))
                own.emplace_back(Sjis(U8(food)), 365.0f);
            EXPECT_EQ(PantryRowsOf(play.kitchen().player_pantry), own) << contest;
            EXPECT_FALSE(script.last_methods().empty());
            for (const std::string& method : script.last_methods())
                EXPECT_NE(method, Utf8(u8"捨てる"));
        }
        return testing::AssertionSuccess();
    }

    // F2 on contest 2's cooking screen, はじめから: nothing of the contest is left, and the new
    // game's opening ends once its dish is cooked. Then つづきから of the save before it.
    testing::AssertionResult NoContestAfterF2() {
        if (auto r = script.Command(u8"外出する"); !r) return r;
        if (auto r = script.Choose(Utf8(u8"料理大会")); !r) return r;
        if (auto r = script.AwaitScreen(kScreenCooking); !r) return r;
        EXPECT_EQ(play.game().world().contest.running, 1);
        if (auto r = script.ResetToTitle(); !r) return r;
        if (auto r = script.TitleNewGame(); !r) return r;
        EXPECT_EQ(play.game().world().contest.running, 0);
        EXPECT_EQ(play.kitchen().in_use, &play.kitchen().player_pantry);
        EXPECT_EQ(PantryRowsOf(play.kitchen().player_pantry),
                  (PantryRows{{Sjis(u8"ゼルバワラビ"), 5.0f},
                              {Sjis(u8"ゼルゼルダケ"), 5.0f},
                              {Sjis(u8"卵"), 5.0f},
                              {Sjis(u8"ミルク"), 5.0f},
                              {Sjis(u8"小麦粉"), 5.0f}}));
        if (auto r = script.AwaitScreen(kScreenCooking); !r) return r;
        if (auto r = script.CookHere({{Utf8(u8"ゼルバワラビ"), 1}, {Utf8(u8"ゼルゼルダケ"), 1}},
                                     u8"焼く");
            !r)
            return r;
        if (auto r = script.ToCommands(); !r) return r;
        EXPECT_EQ(play.state().first, 0);
        if (auto r = script.ResetToTitle(); !r) return r;
        return script.TitleContinue(0);
    }

    std::vector<std::vector<std::uint8_t>> SlotBytes(int slot) {
        const SlotFiles names = SlotFileNames(slot);
        std::vector<std::vector<std::uint8_t>> bytes;
        for (const std::string& name : {names.scd, names.ssn, names.sse, names.ssi})
            gamepath::ReadAll(name, bytes.emplace_back(), SIZE_MAX);
        return bytes;
    }

    // With every write failing, saving into a slot that holds a save says so and changes
    // nothing of it; the title still dates it as before.
    testing::AssertionResult FailedSaveKeepsTheSlot(int slot) {
        const std::vector<std::vector<std::uint8_t>> before = SlotBytes(slot);
        const std::optional<std::int64_t> written =
            gamepath::ModificationTime(SlotFileNames(slot).scd);
        MenuEntry& row_before = failed_slot_row_;
        FormatSlotEntry(slot, row_before);
        EXPECT_FALSE(before.front().empty());
        play.backend.file_faults.FailWritesAfter(0);
        testing::AssertionResult saved = script.Save(slot);
        play.backend.file_faults.Reset();
        if (!saved) return saved;
        EXPECT_EQ(script.save_message(),
                  Utf8(u8"記録 ") + std::to_string(slot + 1) + Utf8(u8" にセーブできませんでした"));
        EXPECT_EQ(SlotBytes(slot), before);
        EXPECT_EQ(gamepath::ModificationTime(SlotFileNames(slot).scd), written);
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
        if (auto r = script.Choose(Utf8(u8"料理大会")); !r) return r;
        bool refused = false;
        auto on_destinations = [&] {
            return play.game().screens().id() == kScreenDestinations && !play.game().story().live();
        };
        for (int frame = 0; frame < kStepFrames && !on_destinations(); ++frame) {
            refused |=
                play.Message() == Utf8(u8"残念ながら提出できる料理がないようです\nまたのお越しを");
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

    // What a save keeps that the path looks at, in UTF-8, by name.
    using SavedGame = std::map<std::string, std::string>;
    SavedGame Saved() {
        const PlayState& state = play.state();
        SavedGame saved;
        saved["money"] = std::to_string(state.money);
        saved["date"] = DateOf(state.clock);
        for (const auto& food : play.kitchen().player_pantry)
            saved["pantry " + sjis::ToUtf8(food->name)] += std::to_string(food->amount) + " ";
        for (const auto& dish : play.kitchen().menu)
            saved["menu"] += sjis::ToUtf8(dish->name) + " ";
        CItemBag& bag = play.mediator().items();
        for (int i = 0; i < bag.GetSize(); ++i)
            saved["bag " + sjis::ToUtf8(bag.GetItemAt(i)->GetName())] =
                std::to_string(bag.GetEntryAt(i)->count);
        saved["won_competition"] = std::to_string(state.contests_won);
        saved["state_amnesia"] = std::to_string(state.story_stage);
        for (int place = 0; place < kPlaceFlagCount; ++place)
            saved["go " + std::to_string(place)] =
                std::to_string(state.place_flags[static_cast<std::size_t>(place)]);
        saved["reward_num"] = std::to_string(play.game().world().reward_num);
        saved["liberty_box_cnt"] = std::to_string(state.liberty_boxes);
        saved["kabu"] = std::to_string(state.share_flags[0]);
        return saved;
    }

    // 16: where the run ended and what it cost, and what was checked on the way.
    void Summary(double started) {
        EXPECT_TRUE(checks.faults().empty()) << testing::PrintToString(checks.faults());
        // The path never comes to the hall without the fee.
        EXPECT_FALSE(log.Saw(Utf8(u8"残念ながらお金が足りないようです")));
        std::printf("checked on the way: %d monthly reports, %d recipe rewards, %d contests\n",
                    checks.reports(), checks.rewards(), checks.contests());
        for (const std::string& renamed : path.renamed())
            std::printf("reference dish named otherwise: %s\n", renamed.c_str());
        Trace(16, ("end, reward_num " + std::to_string(play.game().world().reward_num)).c_str());
        const double seconds = Seconds() - started;
        std::printf("run: %d frames, %d game days, %.1f s, %.1f us a frame\n", play.frames_run(),
                    GameDay(play.state().clock), seconds, seconds * 1e6 / play.frames_run());
    }

    PlayHarness play;
    PlayLog log;
    WayChecks checks;
    AnswerTable answers;
    PlayScript script;
    Path path;
    std::string offer_;
    // The title's row of the slot that a failed save left alone, as it read before.
    MenuEntry failed_slot_row_;
};

}  // namespace play_test::playthrough
