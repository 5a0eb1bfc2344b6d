// The opening lesson and the morning routine.
#include "events/story.h"
#include "game/rules/menu_queries.h"
#include "game/rules/pantry.h"
#include "tests/story/story_fixture.h"

namespace story_test {
namespace {

// A test of the opening itself: no skipping it.
class OpeningStory : public StoryTest {
protected:
    void SetUp() override { ASSERT_TRUE(play.NewGame()); }
    bool ReadUntilScreen(int screen) {
        for (int frame = 0; frame < 6000; ++frame) {
            if (game().screens().id() == screen) return true;
            ReadStep();
        }
        ADD_FAILURE() << play.Report();
        return false;
    }
};

TEST_F(OpeningStory, TheLessonRepeatsUntilTheDishIsCookedAndNeverRunsOutOfItsMakings) {
    ASSERT_TRUE(ReadUntilScreen(kScreenCooking));
    EXPECT_EQ(transcript.music(), (std::vector<int>{8, 7}));
    const auto lines = transcript.lines();
    ASSERT_EQ(lines.size(), 26u) << Lines();
    EXPECT_EQ(lines[3], Line(3, 0, u8"……\fオーケー、それじゃあ物語を始めるよ\nそれはある朝のこと"));
    EXPECT_EQ(lines[25].speaker, 2);

    // Leaving the cooking screen brings the hint back; a used-up ingredient comes back too.
    FoodDef* fern = FindFoodDef(Sjis(u8"ゼルバワラビ"));
    for (auto& food : play.kitchen().pantry())
        if (food->def == fern) food->amount = 0.0f;
    std::erase_if(play.kitchen().pantry(), [fern](const auto& food) { return food->def == fern; });
    game().screens().Pop();
    transcript.Clear();
    ASSERT_TRUE(ReadUntilScreen(kScreenCooking));
    ASSERT_EQ(transcript.lines().size(), 1u) << Lines();
    EXPECT_TRUE(PantryHasFood(game().world().kitchen, fern));
    EXPECT_EQ(state().first, 1);

    // The cooked dish ends the lesson as the cooking's own check does.
    FindRecipe(game().world().book, Sjis(u8"ゼルバ炒め"))->def->known = 1;
    game().story().ScheduleStory();
    EXPECT_EQ(state().first, 0);
    transcript.Clear();
    ASSERT_TRUE(FinishScene());
    EXPECT_EQ(game().screens().id(), kScreenMainCommands);
    EXPECT_EQ(transcript.music(), (std::vector<int>{1}));
    EXPECT_EQ(transcript.lines().size(), 10u) << Lines();
}

using MorningTest = StoryTest;

TEST_F(MorningTest, TheFirstMorningSendsHerToTheForestOnce) {
    for (bool first : {true, false}) {
        SCOPED_TRACE(first);
        play.Seed(SeedFor({{2, 0}, {24, 12}}));
        Start(StoryEvent::kMorningRoutine);
        ASSERT_TRUE(FinishScene());
        EXPECT_EQ(state().place_flags[kPlaceForest], 1);
        EXPECT_EQ(transcript.HasLine(u8"『マナの森』に行けるようになりました"), first) << Lines();
        EXPECT_EQ(transcript.lines().size(), first ? 5u : 1u) << Lines();
    }
}

// Who says each line of the first morning, and with which face: ヴェム takes the errand with
// a smile.
TEST_F(MorningTest, TheForestErrandIsSpokenWithEachSpeakersFace) {
    play.Seed(SeedFor({{2, 0}, {24, 12}}));
    Start(StoryEvent::kMorningRoutine);
    ASSERT_TRUE(FinishScene());
    const TranscriptEntry expected[] = {
        Line(1, 1, u8"おはようございます"),
        Line(2, 0,
             u8"そういえば、ゼルバ炒めに使う『ゼルバワラビ』と『ゼルゼルダケ』が\n"
             u8"残り少なくなってきたな\f"
             u8"どちらも『マナの森』に生えておる\n時間のあるときに採ってきてはくれんか"),
        Line(1, 1, u8"分かりました『マナの森』にですね\nあれは町のお店では売ってませんからね"),
        Line(2, 0, u8"ただし、無理に深入りせんようにな"),
        Line(3, 0, u8"『マナの森』に行けるようになりました"),
    };
    const auto lines = transcript.lines();
    ASSERT_EQ(lines.size(), std::size(expected)) << Lines();
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i] == expected[i])
            << "said " << Describe(lines[i]) << "\nwanted " << Describe(expected[i]);
}

TEST_F(MorningTest, ATipComesForDrawsBelowTwelveOnly) {
    state().place_flags[kPlaceForest] = 1;
    for (int draw : {0, 11, 12, 23}) {
        SCOPED_TRACE(draw);
        play.Seed(SeedFor({{2, 1}, {24, draw}}));
        Start(StoryEvent::kMorningRoutine);
        ASSERT_TRUE(FinishScene());
        const auto lines = transcript.lines();
        ASSERT_EQ(lines.size(), draw < 12 ? 2u : 1u) << Lines();
        EXPECT_EQ(lines[0].text, Utf8(u8"おはようございます\n今日も１日、頑張りましょう"));
        if (draw < 12) {
            EXPECT_EQ(lines[1].speaker, 2);
        }
    }
}

TEST_F(MorningTest, BothDeliveriesAreReadBeforeTheNextLine) {
    state().place_flags[kPlaceForest] = 1;
    const auto sugar = [&] {
        const Food* food = FindPantryFood(game().world().kitchen, Sjis(u8"砂糖"));
        return food ? food->amount : 0.0f;
    };
    const float before = sugar();
    ASSERT_NE(play.AddToBag(u8"甘粉商事株", 2), nullptr);
    MenuDish* dish = play.AddToMenu(u8"ゼルバ炒め", 1.0f);
    ASSERT_NE(dish, nullptr);
    dish->restock = 2;
    // The greeting, the goods, then one of ゼルバ's tips: the goods must not give way to it.
    play.Seed(SeedFor({{2, 0}, {24, 0}}));
    Start(StoryEvent::kMorningRoutine);
    ASSERT_TRUE(FinishScene());
    const auto lines = transcript.lines();
    ASSERT_EQ(lines.size(), 3u) << Lines();
    EXPECT_EQ(lines[0].text, Utf8(u8"おはようございます"));
    EXPECT_EQ(lines[1].text, Utf8(u8"材料が届きました\n材料を仕入れました"));
    EXPECT_EQ(lines[2].speaker, 2);
    EXPECT_EQ(sugar(), before + 2.0f);
}

TEST_F(MorningTest, DreamsOfALoadedGameMoveTheirStoryOn) {
    state().place_flags[kPlaceForest] = 1;
    state().state_dream = 1;
    play.Seed(SeedFor({{2, 0}, {24, 12}}));
    Start(StoryEvent::kMorningRoutine);
    ASSERT_TRUE(FinishScene());
    EXPECT_EQ(state().state_dream, 2);
    EXPECT_EQ(state().place_flags[kPlaceNarf], 1);

    state().state_dream = 3;
    state().state_day_cnt = 9;
    Start(StoryEvent::kMorningRoutine);
    ASSERT_TRUE(FinishScene());
    EXPECT_EQ(state().state_dream, 4);
    EXPECT_EQ(state().state_day_cnt, 0);
    EXPECT_EQ(state().place_flags[kPlaceCave], 1);
    EXPECT_GE(state().state_memory_food, 1);
}

}  // namespace
}  // namespace story_test
