// The speaker's portrait and its cross-fade, the question windows, the speakers' names and
// the digit row.
#include "engine/framework/game_mediator.h"
#include "game/screens/list_input.h"
#include "tests/main/main_fixture.h"

namespace {

using namespace main_test;

TEST_F(MainGameTest, ANewExpressionCrossFadesFor25Frames) {
    ASSERT_EQ(game.stage().speaker(), 3);
    WaitHandle handle;
    game.stage().ChangePortrait(&handle, 3, kSmile);
    EXPECT_EQ(game.stage().expression(), kSmile);
    EXPECT_EQ(game.stage().portrait_fade(), 1);
    world.Frames(24);
    EXPECT_EQ(handle.state, WaitHandle::kWaiting);
    world.Frames(1);
    EXPECT_TRUE(handle.IsDone());
    EXPECT_EQ(game.stage().portrait_fade(), 0);
}

TEST_F(MainGameTest, AnotherSpeakerOrTheSameExpressionChangesAtOnce) {
    for (int expression : {kNormal, kGlad}) {
        SCOPED_TRACE(expression);
        WaitHandle handle;
        game.stage().ChangePortrait(&handle, 1, expression);
        EXPECT_TRUE(handle.IsDone());
        EXPECT_EQ(game.stage().speaker(), 1);
        EXPECT_EQ(game.stage().expression(), expression);
        EXPECT_EQ(game.stage().portrait_fade(), 0);
        // Asking for what is shown already changes nothing either.
        WaitHandle again;
        game.stage().ChangePortrait(&again, 1, expression);
        EXPECT_TRUE(again.IsDone());
        EXPECT_EQ(game.stage().portrait_fade(), 0);
        game.stage().ChangePortrait(nullptr, 3, kNormal);
    }
}

TEST_F(MainGameTest, APortraitChangeWithoutAHandleStillEndsItsFade) {
    game.stage().ChangePortrait(nullptr, 5, kNormal);
    EXPECT_EQ(game.stage().speaker(), 5);
    EXPECT_EQ(game.stage().portrait_fade(), 0);
    game.stage().ChangePortrait(nullptr, 5, kTear);
    EXPECT_EQ(game.stage().portrait_fade(), 1);
    world.Frames(25);
    EXPECT_EQ(game.stage().portrait_fade(), 0);
    EXPECT_EQ(game.stage().expression(), kTear);
}

TEST_F(MainGameTest, AFadeCutShortByAnotherStillLetsItsWaiterGoOn) {
    WaitHandle first, second;
    game.stage().ChangePortrait(&first, 3, kSmile);
    world.Frames(5);
    game.stage().ChangePortrait(&second, 3, kAnger);
    EXPECT_TRUE(first.IsDone());
    EXPECT_EQ(second.state, WaitHandle::kWaiting);
    world.Frames(25);
    EXPECT_TRUE(second.IsDone());
}

TEST_F(MainGameTest, AMissingExpressionFallsBackToTheNormalPortrait) {
    DTexture* normal = game.stage().portraits().table[3][kNormal];
    ASSERT_NE(normal, nullptr);
    EXPECT_EQ(game.stage().GetPortrait(3, kSmile), normal);
    EXPECT_EQ(game.stage().GetPortrait(3, kNormal), normal);
    EXPECT_NE(game.stage().GetPortrait(1, kSmile), game.stage().GetPortrait(1, kNormal));
    for (int expression : {kNormal, kSmile})
        EXPECT_EQ(game.stage().GetPortrait(0, expression), nullptr);
}

TEST_F(MainGameTest, TheYesNoWindowOpensOnTheLastAnswer) {
    WaitHandle first;
    game.stage().AskYesNo(&first);
    EXPECT_EQ(game.stage().window_kind(), 2);
    const CSelectEvent& window = game.stage().choice_window();
    ASSERT_EQ(window.GetCount(), 2);
    EXPECT_EQ(window.GetEntries()[0].label, "はい");
    EXPECT_EQ(window.GetEntries()[1].label, "いいえ");
    EXPECT_EQ(window.GetIndex(), 0);
    world.Tap(kDown);
    world.Tap(kDecide);
    ASSERT_TRUE(first.IsDone());
    EXPECT_EQ(game.stage().choice_result(), 1);

    WaitHandle second;
    game.stage().AskYesNo(&second);
    EXPECT_EQ(game.stage().choice_window().GetIndex(), 1);
    EXPECT_TRUE(world.mediator().IsRunning(&game.stage().choice_window()));
}

TEST_F(MainGameTest, TheAnswerWindowsShowTheGivenLabelsInTheMessageColour) {
    WaitHandle handle;
    game.stage().AskChoice3(&handle, "作る", "やめる", "考える");
    const CSelectEvent& window = game.stage().choice_window();
    ASSERT_EQ(window.GetCount(), 3);
    EXPECT_EQ(window.GetRows(), 3);
    const char* const labels[] = {"作る", "やめる", "考える"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(window.GetEntries()[i].label, labels[i]);
        EXPECT_EQ(window.GetEntries()[i].color, Stage::kMessageColor);
    }
    game.stage().choice_window().Stop();
    game.stage().AskChoice2(&handle, "はい", nullptr);
    ASSERT_EQ(game.stage().choice_window().GetCount(), 2);
    EXPECT_EQ(game.stage().choice_window().GetEntries()[1].label, "");
}

TEST_F(MainGameTest, TheDishChoiceGreysADishThatCannotBeServed) {
    auto old_dish = std::make_unique<MenuDish>();
    old_dish->name = "オムレツ";
    old_dish->servable = 1;
    game.world().kitchen.menu.push_back(std::move(old_dish));
    game.world().chosen_menu_slot = 0;
    game.world().candidate_dish = std::make_unique<MenuDish>();
    game.world().candidate_dish->name = "プリン";
    std::vector<MenuEntry> entries;
    BuildDishChoiceList(game, entries);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(game.stage().entry_count(), 2);
    EXPECT_EQ(entries[0].label, "オムレツ");
    EXPECT_EQ(entries[0].color, MenuEntry::kListColor);
    EXPECT_EQ(entries[1].label, "プリン");
    EXPECT_EQ(entries[1].color, MenuEntry::kDisabledColor);
    EXPECT_TRUE(entries[0].enabled && entries[1].enabled);

    // A slot that holds no dish gives an empty row rather than a read past the menu.
    game.world().chosen_menu_slot = 3;
    BuildDishChoiceList(game, entries);
    EXPECT_EQ(entries[0].label, "");
}

TEST_F(MainGameTest, AHiddenListCursorComesBackOnUpOrDown) {
    CSelectEvent& list = game.stage().list_window();
    for (int button : {kUp, kDown}) {
        SCOPED_TRACE(button);
        list.SetCursorShown(false);
        world.Hold(button, true);
        world.runtime.input.Update();
        EXPECT_EQ(game.stage().RecallListCursor(&list), 1);
        world.Hold(button, false);
        EXPECT_TRUE(list.IsCursorShown());
    }
    list.SetCursorShown(false);
    world.runtime.input.Update();
    EXPECT_EQ(game.stage().RecallListCursor(&list), 0);
    EXPECT_FALSE(list.IsCursorShown());
}

TEST_F(MainGameTest, SpeakersAreNamedByCharacterId) {
    const std::pair<int, const char*> kNames[] = {
        {1, "ヴェム"}, {3, "ラゴ"}, {14, "フランソワーズ"}, {22, "ククール"}, {0, ""},
        {23, ""},      {-1, ""},
    };
    for (const auto& [id, name] : kNames) EXPECT_STREQ(CharacterName(id), name) << id;
}

class DrawNumberTest : public MainGameTest {
protected:
    // The x of each digit drawn, right to left, and the digit it shows.
    std::vector<std::pair<int, int>> Digits() {
        std::vector<std::pair<int, int>> out;
        for (const DrawOp& op : world.recorder.OfKind(DrawOp::Kind::Texture))
            for (int d = 0; d < 10; ++d)
                if (op.texture ==
                    game.stage().textures().digits[static_cast<std::size_t>(d)].GetIndex())
                    out.push_back({op.x, d});
        return out;
    }
    int Draw(int value) {
        world.recorder.Clear();
        return game.stage().DrawNumber(565, 40, value);
    }
};

TEST_F(DrawNumberTest, DigitsEndJustLeftOfX) {
    EXPECT_EQ(Draw(0), 1);
    EXPECT_EQ(Digits(), (std::vector<std::pair<int, int>>{{555, 0}}));
    EXPECT_EQ(Draw(12345), 5);
    EXPECT_EQ(Digits(),
              (std::vector<std::pair<int, int>>{{555, 5}, {545, 4}, {535, 3}, {525, 2}, {515, 1}}));
    EXPECT_TRUE(world.recorder.OfKind(DrawOp::Kind::Effect).empty());
}

TEST_F(DrawNumberTest, ANegativeNumberHasAMinusBeforeItsDigits) {
    EXPECT_EQ(Draw(-305), 4);
    EXPECT_EQ(Digits(), (std::vector<std::pair<int, int>>{{555, 5}, {545, 0}, {535, 3}}));
    const auto bars = world.recorder.OfKind(DrawOp::Kind::Effect);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].texture, 0);
    // In the place of a fourth digit, so a unit drawn left of the count stays clear of it.
    EXPECT_GE(bars[0].x, 525);
    EXPECT_LT(bars[0].x + bars[0].effect.width, 535);
    EXPECT_GT(bars[0].effect.alpha, 0);

    // The most negative int has a magnitude too: ten digits and the minus.
    EXPECT_EQ(Draw(std::numeric_limits<int>::min()), 11);
    EXPECT_EQ(Digits().back(), (std::pair<int, int>{465, 2}));
}

}  // namespace
