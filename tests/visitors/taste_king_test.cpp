// テイストキング: the first visit opens the contest hall once; later visits bring a hint, a
// rumour and a boast drawn from their tables.
#include <gtest/gtest.h>

#include "engine/common/system.h"
#include "game/main/vemu_comp.h"
#include "tests/visitors/visit_play.h"

namespace {

using visit_test::Line;
using visit_test::VisitTest;

TEST_F(VisitTest, TheFirstVisitOpensTheContestHallOnceAndTheNextIsTheRegularOne) {
    ASSERT_TRUE(Play(StoryEvent::kTasteKingVisit));
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_EQ(lines.front(), Line(u8"お邪魔しますよ", 18, 0));
    EXPECT_EQ(lines[1], Line(u8"いらっしゃいませ", 1, 1));
    EXPECT_EQ(lines[16], Line(u8"ときに、料理大会を知っておるか？", 18, 1));
    EXPECT_EQ(lines[27], Line(u8"うむ\nでは待っておるぞ\f精進せいよ", 18, 0));
    EXPECT_EQ(lines.back(), Line(u8"『料理大会』に行けるようになりました", 1, 0));
    EXPECT_EQ(state().place_flags[kPlaceCompetition], 1);
    EXPECT_EQ(game().screen_id(), kScreenMainCommands);

    ASSERT_TRUE(Play(StoryEvent::kTasteKingVisit));
    EXPECT_TRUE(SaidInOrder(u8"お邪魔しますよ", u8"いらっしゃいませ\nあっ、テイストキングさん",
                             u8"今日も精進を心がけておるようじゃのう", u8"なるほど\nそうなんですか",
                             u8"おっちゃん、物知りだな",
                             u8"多くの料理を知ることは、食を極めることにつながる\f精進せいよ"));
    EXPECT_FALSE(Said(u8"『料理大会』に行けるようになりました"));
    EXPECT_EQ(game().screen_id(), kScreenMainCommands);
}

}  // namespace
