// The story scheduler: one thing a check, in its order, and the chance visits by draw.
#include <optional>

#include "events/story.h"
#include "game/rules/menu_queries.h"
#include "tests/story/story_fixture.h"

namespace story_test {
namespace {

class SchedulerTest : public StoryTest {
protected:
    // The row the last start asked for; the opening's, when nothing was started since.
    StoryEvent Asked() const { return play.game().story().last_row().value_or(StoryEvent::kCount); }
};

TEST_F(SchedulerTest, AContestHoldsTheReportBackUntilItsEnd) {
    state().month_ended = 1;
    game().world().contest.running = 1;
    game().story().ScheduleStory();
    EXPECT_EQ(state().month_ended, 1);
    EXPECT_EQ(Asked(), StoryEvent::kMorning);
    game().world().contest.running = 0;
    game().story().ScheduleStory();
    EXPECT_EQ(state().month_ended, 0);
    EXPECT_EQ(Asked(), StoryEvent::kMonthlyReport);
    EXPECT_EQ(game().screens().id(), kScreenStory);
}

TEST_F(SchedulerTest, DuringTheLessonNothingButItsEndComes) {
    state().first = 1;
    state().mastered = {Sjis(u8"トマト")};
    state().last_levelup_method = 4;
    state().stamina = -5.0f;
    game().story().ScheduleStory();
    EXPECT_EQ(game().screens().id(), kScreenMainCommands);
    EXPECT_EQ(Asked(), StoryEvent::kMorning);
    EXPECT_EQ(state().mastered.size(), 1u);

    // Once the dish is known the lesson is over and the cooking screen goes.
    game().screens().Push(kScreenStory);
    game().screens().Push(kScreenCooking);
    FindRecipe(game().world().book, Sjis(u8"ゼルバ炒め"))->def->known = 1;
    game().story().ScheduleStory();
    EXPECT_EQ(state().first, 0);
    EXPECT_EQ(game().screens().id(), kScreenStory);
}

TEST_F(SchedulerTest, TwoMasteredNamesGiveTwoNoticesTheLastFirst) {
    state().mastered = {Sjis(u8"トマト"), Sjis(u8"キャベツ")};
    for (const char8_t* name : {u8"キャベツ", u8"トマト"}) {
        game().story().ScheduleStory();
        EXPECT_EQ(game().screens().id(), kScreenWaitForMessage);
        const std::string n = Utf8(name);
        EXPECT_EQ(play.Message(), Utf8(u8"『") + n + Utf8(u8"』の販売数が 100 を超えました\n『") +
                                      n + Utf8(u8"』が商店街で買えるようになりました"));
        ASSERT_TRUE(FinishNotice());
    }
    EXPECT_TRUE(state().mastered.empty());
}

TEST_F(SchedulerTest, ALevelUpIsToldWithItsMethodsName) {
    struct Case {
        int method;
        int slot;
        const char8_t* text;
    };
    const Case cases[] = {
        {2, kSlotProcess, u8"加工技術レベルが 3 になりました"},
        {4, kSlotBake, u8"焼き物レベルが 3 になりました"},
        {8, kSlotBoil, u8"煮物レベルが 3 になりました"},
        {32, kSlotFry, u8"揚げ物レベルが 3 になりました"},
        {64, kSlotFerment, u8"発酵レベルが 3 になりました"},
        {16, -1, u8"0 になりました"},
    };
    for (const Case& c : cases) {
        if (c.slot >= 0) state().skill_level[static_cast<std::size_t>(c.slot)] = 3;
        state().last_levelup_method = c.method;
        game().story().ScheduleStory();
        EXPECT_EQ(play.Message(), Utf8(c.text)) << c.method;
        EXPECT_EQ(state().last_levelup_method, 0);
        ASSERT_TRUE(FinishNotice());
    }
}

TEST_F(SchedulerTest, FatigueComesBackFromRestingButNoVisitDoes) {
    for (int screen : {kScreenOuting, kScreenResting}) {
        game().screens().Push(screen);
        game().StartStoryEvent(StoryEvent::kCount);  // forget the last row asked for
        play.Seed(SeedFor({{1000, 0}}));
        game().story().ScheduleStory();
        EXPECT_EQ(Asked(), StoryEvent::kCount) << screen;
        EXPECT_EQ(state().visit_flags[kVisitMrs], 0) << screen;
        state().stamina = -1.0f;
        game().story().ScheduleStory();
        EXPECT_EQ(Asked(), StoryEvent::kFatigue) << screen;
        game().story().Reset();
        while (game().screens().id() != kScreenMainCommands) game().screens().Pop();
        state().stamina = 50.0f;
    }
}

// Each draw from 0 to 12, with the day's flag clear or already taken, and what else it needs.
TEST_F(SchedulerTest, EachDrawStartsItsVisitAndTakesItsFlag) {
    struct Case {
        const char* what;
        int draw;
        int second_modulus;  // a further draw of the row, 0 for none
        int second;
        int stage, wins;
        bool resolved;
        int flag;         // the once-a-day flag the row takes, -1 for none
        bool flag_taken;  // the flag was taken earlier today
        std::optional<StoryEvent> started;
        int stage_after;
    };
    using E = StoryEvent;
    const Case cases[] = {
        {"neighbour", 0, 0, 0, 0, 0, false, kVisitMrs, false, E::kNeighbourGift, 0},
        {"neighbour again", 0, 0, 0, 0, 0, false, kVisitMrs, true, std::nullopt, 0},
        {"odd order", 1, 4, 0, 0, 0, false, -1, false, E::kOddOrderCustomer, 0},
        {"no odd order", 1, 4, 1, 0, 0, false, -1, false, std::nullopt, 0},
        {"bromus at 0", 2, 0, 0, 0, 0, false, kVisitBromsLily, false, E::kBromusCherryVisit, 0},
        {"bromus resolved", 2, 0, 0, 3, 0, true, kVisitBromsLily, false, E::kBromusCherryVisit, 3},
        {"no bromus at 2", 2, 0, 0, 2, 0, false, kVisitBromsLily, false, std::nullopt, 2},
        {"cherry ill", 2, 0, 0, 4, 0, false, kVisitBromsLily, false, E::kCherryIllVisit, 4},
        {"bromus again", 2, 0, 0, 0, 0, false, kVisitBromsLily, true, std::nullopt, 0},
        {"taste king", 3, 0, 0, 0, 0, false, kVisitTasteKing, false, E::kTasteKingVisit, 0},
        {"narf rumour", 4, 0, 0, 0, 0, false, kVisitNarf, false, E::kNarfRumour, 0},
        {"narf lasagna", 4, 0, 0, 6, 0, false, kVisitNarf, false, E::kNarfLasagna, 6},
        {"pans", 5, 6, 0, 0, 0, false, kVisitMerchant, false, E::kMerchantPans, 0},
        {"beans", 5, 6, 1, 0, 0, false, kVisitMerchant, false, E::kMerchantBeans, 0},
        {"lucky at 7", 5, 6, 2, 0, 7, false, kVisitMerchant, false, std::nullopt, 0},
        {"lucky at 8", 5, 6, 2, 0, 8, false, kVisitMerchant, false, E::kMerchantLuckyGoods, 0},
        {"rare", 5, 6, 5, 0, 0, false, kVisitMerchant, false, E::kMerchantRareGoods, 0},
        {"mystery bag", 6, 2, 0, 0, 0, false, kVisitMysteryBag, false, E::kMysteryBag, 0},
        {"no bag", 6, 2, 1, 0, 0, false, -1, false, std::nullopt, 0},
        {"no company", 7, 0, 0, 0, 0, false, -1, false, std::nullopt, 0},
        {"chain begins", 10, 4, 3, 0, 2, false, -1, false, std::nullopt, 1},
        {"chain begins with mail", 11, 4, 0, 0, 2, false, -1, false, E::kMountMailVisit, 1},
        {"chain waits", 10, 4, 1, 0, 1, false, -1, false, E::kRagoAdvertising, 0},
        {"cherry lost", 10, 0, 0, 1, 2, false, -1, false, E::kCherryLost, 1},
        {"bromus search", 11, 0, 0, 2, 2, false, -1, false, E::kBromusSearch, 2},
        {"cherry found", 10, 0, 0, 3, 2, false, -1, false, E::kCherryFound, 3},
        {"counsel", 10, 0, 0, 4, 2, false, -1, false, E::kTasteKingCounsel, 4},
        {"narf request", 11, 0, 0, 5, 2, false, -1, false, E::kNarfRequest, 5},
        {"past the chain", 10, 4, 1, 7, 2, false, -1, false, E::kRagoAdvertising, 7},
        {"mount mail", 12, 4, 0, 0, 0, false, -1, false, E::kMountMailVisit, 0},
        {"rago", 12, 4, 1, 0, 0, false, -1, false, E::kRagoAdvertising, 0},
        {"nobody", 12, 4, 2, 0, 0, false, -1, false, std::nullopt, 0},
        {"thirteen", 13, 0, 0, 0, 0, false, -1, false, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        game().story().Reset();
        while (game().screens().id() != kScreenMainCommands) game().screens().Pop();
        game().StartStoryEvent(StoryEvent::kCount);  // forget the last row asked for
        state().visit_flags = {};
        if (c.flag >= 0 && c.flag_taken) state().visit_flags[static_cast<std::size_t>(c.flag)] = 1;
        state().story_stage = c.stage;
        state().contests_won = c.wins;
        state().chain_resolved = c.resolved ? 1 : 0;
        if (c.second_modulus)
            play.Seed(SeedFor({{1000, c.draw}, {c.second_modulus, c.second}}));
        else
            play.Seed(SeedFor({{1000, c.draw}}));
        game().story().ScheduleStory();
        const StoryEvent asked = Asked();
        if (c.started)
            EXPECT_EQ(asked, *c.started) << StoryEventName(asked);
        else
            EXPECT_EQ(asked, StoryEvent::kCount) << StoryEventName(asked);
        if (c.flag >= 0) {
            EXPECT_EQ(state().visit_flags[static_cast<std::size_t>(c.flag)], 1);
        }
        EXPECT_EQ(state().story_stage, c.stage_after);
    }
}

}  // namespace
}  // namespace story_test
