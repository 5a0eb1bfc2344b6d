// The cure: メモリアル heals Cherry, the staff roll plays, and the game goes on.
#include <gtest/gtest.h>

#include "game/ending/ending_component.h"
#include "game/main/vemu_comp.h"
#include "tests/visitors/visit_play.h"

namespace {

using visit_test::Line;
using visit_test::VisitTest;

TEST_F(VisitTest, MemorialCuresCherryThroughTheStaffRollAndBackIntoTheGame) {
    play.SetStoryStage(7);
    play.AddToPantry(u8"メモリアル", 1.0f);
    ASSERT_TRUE(Play(StoryEvent::kCherryIllVisit, {}, 40000));
    EXPECT_TRUE(staff_roll_shown);
    EXPECT_TRUE(SaidInOrder(u8"……\fパク\f",
                            u8"ブロムス……よね\nどうして、私、こんな大事なことを忘れていたのかしら",
                            u8"治ったのか？", u8"はい、お待ちしてます"));
    EXPECT_FALSE(Said(u8"チェリーさん、調子はどうですか？"));
    EXPECT_EQ(lines.back(), Line(u8"さあ、これからも頑張っていきましょう", 1, 1));
    EXPECT_STREQ(play.CurrentComponent(), CVemuComp::kName);
    EXPECT_EQ(game().screens().id(), kScreenMainCommands);
    EXPECT_EQ(state().story_stage, 0);
    EXPECT_EQ(state().chain_resolved, 1);
    EXPECT_FALSE(game().stage().music_carries_over());
    EXPECT_NE(InPantry(u8"メモリアル"), nullptr) << "the cure is not eaten from the pantry";

    ASSERT_TRUE(Play(StoryEvent::kBromusCherryVisit));
    EXPECT_TRUE(Said(u8"ども"));
    EXPECT_FALSE(staff_roll_shown);
    EXPECT_FALSE(Said(u8"……\fパク\f"));
}

// From stage 4 the cure is already at hand if the dish is.
TEST_F(VisitTest, TheIllVisitCuresFromStageFour) {
    play.SetStoryStage(4);
    play.AddToPantry(u8"メモリアル", 1.0f);
    ASSERT_TRUE(Play(StoryEvent::kCherryIllVisit, {}, 40000));
    EXPECT_EQ(state().chain_resolved, 1);
    EXPECT_EQ(state().story_stage, 0);
}

}  // namespace
