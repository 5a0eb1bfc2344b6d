// The staff roll: the scroll of its pages, what a page draws, the standing last page and the
// way back to the game.
#include "game/ending/ending_component.h"

#include "engine/graphics/text_format.h"
#include "game/ending/staff_roll.h"
#include "tests/title/title_world.h"

namespace {

using namespace title_test;

class EndingTest : public ::testing::Test {
protected:
    EndingTest() { world.Enter(ending); }
    // Frames without drawing, so a long roll runs fast.
    void Quiet(int n) {
        world.mediator().SetRenderFlag(false);
        world.Frames(n);
        world.mediator().SetRenderFlag(true);
    }

    GameWorld world;
    CEndingComp ending;
};

TEST_F(EndingTest, TheFirstPageScrollsFrom580OnePixelEverySecondFrame) {
    EXPECT_EQ(ending.offset(), 580);
    std::vector<int> offsets;
    for (int frame = 1; frame <= 6; ++frame) {
        world.Frames(1);
        offsets.push_back(ending.offset());
    }
    EXPECT_EQ(offsets, (std::vector<int>{580, 579, 579, 578, 578, 577}));
    // 580 down to -151 takes 2 x 731 frames; at -151 the next page starts at 0.
    Quiet(2 * 731 - 2 - 6);
    EXPECT_EQ(ending.offset(), -150);
    EXPECT_EQ(ending.page(), 0);
    world.Frames(1);
    EXPECT_EQ(ending.offset(), -150);
    world.Frames(1);
    EXPECT_EQ(ending.page(), 1);
    EXPECT_EQ(ending.offset(), 0);
    // Every later page runs from 0 to -151.
    Quiet(2 * 151 - 1);
    EXPECT_EQ(ending.page(), 1);
    EXPECT_EQ(ending.offset(), -150);
    Quiet(1);
    EXPECT_EQ(ending.page(), 2);
    EXPECT_EQ(ending.offset(), 0);
}

TEST_F(EndingTest, APageDrawsUpToFiveEntriesOfTwoLines) {
    Quiet(2 * 731 + 2 * 151 * 2);  // page 3 at offset 0
    ASSERT_EQ(ending.page(), 3);
    world.Frames(1);
    const auto texts = world.recorder.OfKind(DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 10u);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const staff_roll::Entry& entry = staff_roll::kRoll[3 + i];
        const DrawOp& heading = texts[static_cast<std::size_t>(2 * i)];
        const DrawOp& names = texts[static_cast<std::size_t>(2 * i + 1)];
        EXPECT_EQ(heading.text, entry.heading);
        EXPECT_EQ(names.text, entry.names);
        EXPECT_EQ(heading.rect.left, 250);
        EXPECT_EQ(heading.rect.top, 150 * i);
        EXPECT_EQ(names.rect.left, 300);
        EXPECT_EQ(names.rect.top, 150 * i + 40);
        EXPECT_EQ(heading.color, 0xA8404040u);
        EXPECT_EQ(heading.format, DT_WORDBREAK | DT_EXPANDTABS);
        EXPECT_NE(heading.font, 0);
    }
    const auto pictures = world.recorder.OfKind(DrawOp::Kind::Texture);
    ASSERT_FALSE(pictures.empty());
    EXPECT_NE(pictures[0].texture, 0) << "dat\\bg.bmp did not load from " VEMU_GAME_DIR;
}

TEST_F(EndingTest, TheLastPageStandsUntilADecideReturnsToTheGame) {
    world.AddMainGame();
    Quiet(2 * 731 + 2 * 151 * (CEndingComp::kLastPage - 1));
    ASSERT_EQ(ending.page(), CEndingComp::kLastPage);
    Quiet(500);
    EXPECT_EQ(ending.page(), CEndingComp::kLastPage);
    EXPECT_EQ(ending.offset(), 0);
    world.Frames(1);
    const auto texts = world.recorder.OfKind(DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts.back().text, staff_roll::kRoll[27].names);
    EXPECT_FALSE(world.Switching());

    world.Press(kDecide);
    EXPECT_EQ(world.mediator().GetTransitionMode(), 2);
    world.Frames(40);
    EXPECT_EQ(world.main_game.entered, 1);

    // A second ending shows the whole roll again.
    world.mediator().ChangeComponent(CEndingComp::kName, 0, 0);
    EXPECT_EQ(ending.page(), 0);
    EXPECT_EQ(ending.offset(), CEndingComp::kStartOffset);
}

TEST_F(EndingTest, ADecideDuringTheRollDoesNothing) {
    world.AddMainGame();
    world.Frames(10);
    world.Press(kDecide);
    EXPECT_FALSE(world.Switching());
    EXPECT_EQ(ending.page(), 0);
}

}  // namespace
