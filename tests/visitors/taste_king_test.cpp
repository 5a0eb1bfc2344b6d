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
    EXPECT_EQ(game().screens().id(), kScreenMainCommands);

    ASSERT_TRUE(Play(StoryEvent::kTasteKingVisit));
    EXPECT_TRUE(SaidInOrder(u8"お邪魔しますよ", u8"いらっしゃいませ\nあっ、テイストキングさん",
                            u8"今日も精進を心がけておるようじゃのう", u8"なるほど\nそうなんですか",
                            u8"おっちゃん、物知りだな",
                            u8"多くの料理を知ることは、食を極めることにつながる\f精進せいよ"));
    EXPECT_FALSE(Said(u8"『料理大会』に行けるようになりました"));
    EXPECT_EQ(game().screens().id(), kScreenMainCommands);
}

// The hint and the boast by their draws: the hint first, the rumour's start, then the boast.
TEST_F(VisitTest, TheRegularVisitTellsTheHintAndTheBoastOfItsDraws) {
    struct Case {
        int hint;
        int boast;
        const char8_t* hint_text;
        const char8_t* boast_text;
    };
    const Case cases[] = {
        {0, 0,
         u8"『ミント』に『ココロの実』を加えて発酵させると、忘れられない味のものができるらしいぞ",
         u8"海の上を走ったりしてしまうぞ"},
        {3, 10,
         u8"『万能酵母』を知っておるか？\fこれを混ぜた食材は、時間が経っても腐らずに特殊なものに変"
         u8"わることがあるらしいぞ",
         u8"閃光を放ち、大海原を真っ２つに分けてしまうぞ"},
        {9, 16, u8"『白菜』と『唐辛子』を発酵させると独特な漬物ができるらしいぞ",
         u8"ふんどし一丁で津波の中を泳いでしまうぞ"},
    };
    play.OpenPlace(kPlaceCompetition);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hint);
        ASSERT_TRUE(PlaySeeded(StoryEvent::kTasteKingVisit, [&] {
            const bool hint = Rand() % 10 == c.hint;
            Rand();  // the rumour's start
            return hint && Rand() % 17 == c.boast;
        }));
        EXPECT_TRUE(Said((std::u8string(u8"ときに\n") + c.hint_text).c_str()));
        EXPECT_TRUE(
            Said((std::u8string(u8"ほっほっほ\fわしをおだてすぎると調子に乗って\n") + c.boast_text)
                     .c_str()));
    }
}

// The new-day flag stays set, so ゼルバ's aside comes on a draw of 1 in 3; else ラゴ or the
// heroine by a draw of 2.
TEST_F(VisitTest, TheReplyToTheBoastFollowsItsDraws) {
    struct Case {
        int third;
        int half;
        visit_test::Spoken reply;
    };
    const Case cases[] = {
        {1, 0, Line(u8"なまじ冗談でないところが恐ろしいがな", 2, 0)},
        {0, 1, Line(u8"そいつはかっこよすぎだよ、おっちゃん", 3, 0)},
        {2, 0, Line(u8"（おだてないように気を付けないと……）", 1, 1)},
    };
    play.OpenPlace(kPlaceCompetition);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.third);
        ASSERT_TRUE(PlaySeeded(StoryEvent::kTasteKingVisit, [&] {
            Rand(), Rand(), Rand();
            return Rand() % 3 == c.third && Rand() % 2 == c.half;
        }));
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[lines.size() - 2], c.reply);
    }
}

}  // namespace
