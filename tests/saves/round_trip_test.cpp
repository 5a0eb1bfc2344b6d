#include <bit>
#include <string>
#include <vector>

#include "game/saves/state_keys.h"
#include "tests/saves/saves_fixture.h"

namespace saves_test {
namespace {

class RoundTripTest : public SavesTest {};

TEST_F(RoundTripTest, ARichGameComesBackAsItWasSavedAndLaterChangesAreGone) {
    Game game;
    FillRichGame(game);
    ASSERT_TRUE(Save(3, game));
    const std::string saved = Describe(game);

    // Play on: every part changes, and a value appears that the save never saw.
    Game later;
    FillRichGame(later, 1);
    later.values.SetValue("after_the_save", 7, false);
    later.kitchen.player_pantry.pop_back();
    later.state.equipped[kEquipShoes].reset();
    book.recipes[3]->last_result = Food::FromDef(salad);
    omelette->known = 0;
    ASSERT_NE(Describe(later), saved);

    ASSERT_TRUE(Load(3, later));
    EXPECT_EQ(Describe(later), saved);
    EXPECT_EQ(later.values.FindEntry("after_the_save"), nullptr);
    // Each variant of the one name keeps its own last dish; the entry saved without one ends
    // without one.
    EXPECT_EQ(book.recipes[2]->last_result->taste, 60);
    EXPECT_EQ(book.recipes[4]->last_result->taste, 70);
    EXPECT_EQ(book.recipes[3]->last_result, nullptr);
    EXPECT_EQ(later.state.stamina, 42.625f);
    EXPECT_EQ(later.state.money, 123456);
    EXPECT_EQ(later.state.shown_money, 123456);
}

TEST_F(RoundTripTest, TwoSavesOfOneGameDifferInBytesButLoadTheSame) {
    Game game;
    FillRichGame(game);
    ASSERT_TRUE(Save(0, game));
    ASSERT_TRUE(Save(1, game));
    const auto first = SlotBytes(0);
    const auto second = SlotBytes(1);
    for (int f = 0; f < 4; ++f) {
        const auto a = std::next(first.begin(), f)->second;
        const auto b = std::next(second.begin(), f)->second;
        EXPECT_FALSE(a.empty());
        EXPECT_NE(a, b) << std::next(first.begin(), f)->first;
    }
    Game one, two;
    ASSERT_TRUE(Load(0, one));
    const std::string from_first = Describe(one);
    ASSERT_TRUE(Load(1, two));
    EXPECT_EQ(Describe(two), from_first);
    // Only each slot's four files and its seal: nothing written aside is left behind.
    EXPECT_EQ(SaveFolderFiles(),
              (std::vector<std::string>{"scd00.sav", "scd01.sav", "seal00.sav", "seal01.sav",
                                        "sse00.sav", "sse01.sav", "ssi00.sav", "ssi01.sav",
                                        "ssn00.sav", "ssn01.sav"}));
}

TEST_F(RoundTripTest, TheStateKeysFollowTheirTableWithTruncatedFractionsAndTheirExactBits) {
    Game game;
    game.state.stamina = 42.625f;
    game.state.reputation = 63.37f;
    game.state.skill_exp[kSlotFerment] = -0.75f;
    game.state.place_flags[kPlaceShop] = 7;  // any non-zero flag is stored as 1
    SaveGameParts parts = Parts(game);
    WriteStateKeys(parts);
    const CQZSharedData& v = game.values;
    EXPECT_EQ(v.GetValue("hp", -1), 42);
    EXPECT_EQ(v.GetValue("honor", -1), 63);
    EXPECT_EQ(v.GetValue("my_ferment_exp", -1), 0);
    EXPECT_EQ(v.GetValue("hp_bits", 0), static_cast<int>(std::bit_cast<std::uint32_t>(42.625f)));
    EXPECT_EQ(v.GetValue("go_shop", -1), 1);
    EXPECT_EQ(v.FindEntry("money"), nullptr);  // money lives only in the guarded value

    // The first keys go first, in the order the slot keeps them.
    const char* first_keys[] = {
        "hp",  "hp_bits", "hpmax", "state_memory_food", "state_king_event", "year", "month",
        "day", "hour",    "minute"};
    ASSERT_GE(v.entries().size(), std::size(first_keys));
    for (std::size_t i = 0; i < std::size(first_keys); ++i)
        EXPECT_EQ(v.entries()[i].name, first_keys[i]);
    // The table ends with the text speed; only what the next story check owes comes after it.
    std::size_t last = 0;
    while (last < v.entries().size() && v.entries()[last].name != "disp_speed") ++last;
    ASSERT_LT(last, v.entries().size());
    for (std::size_t i = last + 1; i < v.entries().size(); ++i)
        EXPECT_EQ(v.entries()[i].name.rfind("pending_", 0), 0u) << v.entries()[i].name;
}

// What the game owed at its next story check comes back with the slot; a slot written before it
// was kept owes nothing, whatever the game held before the load.
TEST_F(RoundTripTest, WhatTheNextStoryCheckOwesIsKeptAndAnOlderSlotOwesNothing) {
    struct Case {
        const char* what;
        bool report;
        int levelup;
        std::vector<std::string> mastered;
    };
    const Case cases[] = {
        {"nothing owed", false, 0, {}},
        {"the month's report", true, 0, {}},
        {"a method's level", false, 4, {}},
        {"two buyable ingredients, the last told first", false, 0, {"トマト", "卵"}},
        {"all of it", true, 64, {"卵"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Game game;
        FillRichGame(game);
        game.state.month_ended = c.report ? 1 : 0;
        game.state.last_levelup_method = c.levelup;
        game.state.mastered = c.mastered;
        ASSERT_TRUE(Save(2, game));

        Game later;
        FillRichGame(later, 1);
        later.state.month_ended = 1;
        later.state.last_levelup_method = 8;
        later.state.mastered = {"サラダ"};
        ASSERT_TRUE(Load(2, later));
        EXPECT_EQ(later.state.month_ended, c.report ? 1 : 0);
        EXPECT_EQ(later.state.last_levelup_method, c.levelup);
        EXPECT_EQ(later.state.mastered, c.mastered);
    }

    Game owing;
    owing.state.month_ended = 1;
    owing.state.last_levelup_method = 2;
    owing.state.mastered = {"トマト"};
    CQZSharedData older;
    older.SetValue("money", 500, false);
    older.SetValue("month", 2, false);
    owing.values.Swap(older);
    SaveGameParts parts = Parts(owing);
    ReadStateKeys(parts);
    EXPECT_EQ(owing.state.month_ended, 0);
    EXPECT_EQ(owing.state.last_levelup_method, 0);
    EXPECT_TRUE(owing.state.mastered.empty());
}

TEST_F(RoundTripTest, MissingKeysTakeTheirDefaultsAndAStoreWithoutBitsKeysReadsWholeNumbers) {
    Game game;
    FillRichGame(game);
    CQZSharedData older;
    older.SetValue("money", 500, true);
    older.SetValue("hp", 37, false);
    older.SetValue("honor", 55, false);
    game.values.Swap(older);
    SaveGameParts parts = Parts(game);
    ReadStateKeys(parts);
    const PlayState& s = game.state;
    EXPECT_EQ(s.money, 500);
    EXPECT_EQ(s.shown_money, 500);
    EXPECT_EQ(s.stamina, 37.0f);
    EXPECT_EQ(s.reputation, 55.0f);
    EXPECT_EQ(s.max_stamina, 0);
    EXPECT_EQ(s.clock.year, 0);
    EXPECT_EQ(s.text_speed, 4);
    EXPECT_EQ(s.place_flags[kPlaceShop], 1);
    EXPECT_EQ(s.place_flags[kPlaceArchitect], 1);
    EXPECT_EQ(s.place_flags[kPlaceForest], 0);
    EXPECT_EQ(s.skill_exp[kSlotMix], 0.0f);
    EXPECT_EQ(game.reward_num, 0);
}

TEST_F(RoundTripTest, TheDailyFlagsThatAreNotKeptStayAsTheyAre) {
    Game game;
    FillRichGame(game);
    game.state.new_day = 0;
    game.state.visit_flags[kVisitMysteryBag] = 0;
    ASSERT_TRUE(Save(2, game));
    game.state.new_day = 1;
    game.state.visit_flags[kVisitMysteryBag] = 1;
    ASSERT_TRUE(Load(2, game));
    EXPECT_EQ(game.state.new_day, 1);
    EXPECT_EQ(game.state.visit_flags[kVisitMysteryBag], 1);
}

TEST_F(RoundTripTest, TheSaveListShowsEverySlotEnabledAndDatesTheSavedOnes) {
    Game game;
    ASSERT_TRUE(Save(4, game));
    std::vector<MenuEntry> entries;
    BuildSaveSlotList(entries);
    ASSERT_EQ(entries.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        const MenuEntry& e = entries[static_cast<std::size_t>(i)];
        EXPECT_EQ(e.enabled, 1);
        if (i == 4) {
            EXPECT_EQ(e.label.rfind("記録 5： ", 0), 0u);
            EXPECT_NE(e.second_text, "---");
        } else {
            EXPECT_EQ(e.label, "記録 " + std::to_string(i + 1) + "： --------");
            EXPECT_EQ(e.second_text, "---");
        }
    }
}

}  // namespace
}  // namespace saves_test
