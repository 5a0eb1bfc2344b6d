// The sketches as they play: which ones each draw gives, the lines in order with their faces and
// the frame each appears on, the quoted lines byte for byte, and
// the whole way from an untouched title through a sketch and back to the title's menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "events/demo/title_demo_lines.h"
#include "events/story.h"
#include "tests/demo/demo_fixture.h"

namespace {

using namespace demo_test;
using title_demo::Sketch;

struct DrawCase {
    int r;
    std::vector<Sketch> sketches;
    // The frame each line appears on. A line waits 5000 ms (251 frames) for the last; a new
    // face of the same speaker cross-fades for 25 frames first.
    std::vector<int> frames;
    int end;  // the frame in which the title is asked back
};

const DrawCase kDraws[] = {
    {0,
     {title_demo::kApple, title_demo::kContest},
     {0, 251, 502, 753, 1029, 1305, 1556, 1807, 2083},
     2334},
    {1,
     {title_demo::kNewDish, title_demo::kContest},
     {0, 251, 502, 753, 1004, 1280, 1531, 1782, 2058},
     2309},
    {2, {title_demo::kLetter}, {0, 251, 502, 753, 1004, 1280, 1556}, 1807},
    {3, {title_demo::kContest}, {0, 276, 527, 778, 1054}, 1305},
};

// Each case plays on a fresh game, so its first line meets ラゴ's portrait, not a face of the
// sketch before.
class EachDraw : public DemoTest,
                 public ::testing::WithParamInterface<std::tuple<DrawCase, int>> {};

TEST_P(EachDraw, PlaysItsSketchesLineByLineOnTheTimerWhateverTheTextSpeed) {
    const auto& [draw, speed] = GetParam();
    {
        {
            SCOPED_TRACE("r " + std::to_string(draw.r) + ", text speed " + std::to_string(speed));
            ASSERT_TRUE(UntilDemo());
            play.game().SetTextSpeed(speed);
            play.Seed(SeedFor(draw.r));
            Forget();
            WatchToTheEnd();
            ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName, 0));

            ASSERT_EQ(shown.size(), draw.frames.size());
            std::size_t at = 0;
            for (Sketch sketch : draw.sketches) {
                for (const title_demo::Line& line : title_demo::SketchLines(sketch)) {
                    SCOPED_TRACE("line " + std::to_string(at));
                    const Shown& got = shown[at];
                    EXPECT_EQ(got.frame, draw.frames[at]);
                    EXPECT_EQ(got.speaker, line.speaker);
                    EXPECT_EQ(got.expression, line.expression);
                    EXPECT_EQ(got.text, line.text);
                    ++at;
                }
            }
            EXPECT_EQ(switch_frame, draw.end);
            // The title takes over once the switch has faded out.
            EXPECT_EQ(frame, draw.end + kFadeFrames + 1);
            EXPECT_TRUE(Story::title_demo_ended());
        }
    }
    // Nothing the demo shows is reported missing.
    EXPECT_TRUE(play.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Draws, EachDraw,
                         ::testing::Combine(::testing::ValuesIn(kDraws), ::testing::Values(1, 4)),
                         [](const auto& info) {
                             return "R" + std::to_string(std::get<0>(info.param).r) + "TextSpeed" +
                                    std::to_string(std::get<1>(info.param));
                         });

TEST_F(DemoTest, TheQuotedLinesAppearByteForByteWithTheirSpeakers) {
    struct Quoted {
        int r;
        int speaker;
        int expression;  // -1: the face is ours to choose
        const char8_t* text;
    };
    const Quoted kQuoted[] = {
        {0, 2, -1,
         u8"（りんごを入れたこと自体がと言いたいところだが）\nそれはきっとりんごの分量の問題だ"},
        {0, 2, -1, u8"材料選びだけでなく\nそれらの配分にも気をつかわないとな"},
        {0, 1, 3, u8"はい……"},                // downcast, not cross
        {1, 2, 4, u8"パクルんじゃないっ！"},  // a scolding, in the face he has for it
        {2, 2, -1, u8"……こん……にちわ……"},
        {3, 1, -1, u8"ゼルバさん、街で料理大会が開催されるそうですよ"},
        {3, 2, -1, u8"……ふん、お前がそうしたいならそうするといい\nただし、俺は手を貸さんぞ"},
        {3, 1, 5, u8"えー\nゼルバさんの意地悪……"},
        {3, 1, -1, u8"（……でも料理大会で優勝すればきっとお母さんも）"},
    };
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE("r " + std::to_string(r));
        ASSERT_TRUE(UntilDemo());
        play.Seed(SeedFor(r));
        Forget();
        WatchToTheEnd();
        for (const Quoted& quoted : kQuoted) {
            if (quoted.r != r) continue;
            const std::string text = Sjis(quoted.text);
            SCOPED_TRACE(testing_support::Utf8(quoted.text));
            const auto found = std::find_if(shown.begin(), shown.end(),
                                            [&](const Shown& s) { return s.text == text; });
            ASSERT_NE(found, shown.end());
            EXPECT_EQ(found->speaker, quoted.speaker);
            if (quoted.expression >= 0) {
                EXPECT_EQ(found->expression, quoted.expression);
            }
        }
    }
    EXPECT_TRUE(play.MessageBoxes().empty());
}

TEST_F(DemoTest, LeftAloneTheTitlePlaysASketchOverTheMainScreenAndComesBackToItsMenu) {
    play.SetPixels(true);
    ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName));
    play.Seed(SeedFor(3));
    // Nothing draws from the sequence on the title, so the demo's draw is the seed's first.
    for (int i = 0; i < kIdleFrames; ++i) {
        play.Frame();
        ASSERT_EQ(std::string(play.CurrentComponent()), CTitleComp::kName) << "frame " << i;
    }
    EXPECT_TRUE(play.Switching());
    play.Frames(kFadeFrames);
    ASSERT_EQ(std::string(play.CurrentComponent()), CVemuComp::kName);
    EXPECT_EQ(play.Message(), "");

    play.Frame();
    const std::string first =
        testing_support::Utf8(u8"ゼルバさん、街で料理大会が開催されるそうですよ");
    EXPECT_EQ(play.Message(), first);
    EXPECT_EQ(play.game().stage().speaker(), 1);
    EXPECT_EQ(play.game().screens().id(), kScreenStory);
    // The main game draws its play screen under the line, the title's music playing on.
    EXPECT_FALSE(play.draws().OfKind(DrawOp::Kind::Texture).empty());
    ASSERT_NE(play.title().music().sound(), nullptr);
    EXPECT_TRUE(play.mediator().IsRunning(&play.title().music()));

    ASSERT_TRUE(play.RunUntilMessage(u8"（……でも料理大会で優勝すればきっとお母さんも）"));
    ASSERT_TRUE(UntilTitleMenu());
    EXPECT_TRUE(play.MessageBoxes().empty());
}

}  // namespace
