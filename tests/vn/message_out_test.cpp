// The message window typed frame by frame: line breaks, pages, pacing, the player's presses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/framework/message_out_event.h"
#include "engine/graphics/texture.h"
#include "tests/vn/vn_world.h"

namespace {

using namespace vn_test;

enum class In { None, Decide, Left };

// Held for all of the beat's frames (consecutive beats of the same input keep holding).
struct Beat {
    int frames;
    In in;
};

struct Check {
    std::vector<std::u8string> lines;  // the three visible lines, missing ones ""
    bool waiting;
    int handle;  // WaitHandle state
    bool running = true;
    int position = -1;  // -1: not checked
};

// Run the beats, then check.
struct Mark {
    const char* at;
    std::vector<Beat> beats;
    Check check;
};

struct TypingCase {
    const char* name;
    std::string text;  // CP932
    int speed;
    bool no_fast_forward;
    std::vector<Mark> marks;
};
// Test names and failure messages show the case by its name, not its bytes.
void PrintTo(const TypingCase& c, std::ostream* os) { *os << c.name; }

std::string Repeat(const char8_t* utf8, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += Sjis(utf8);
    return out;
}

std::u8string U8Repeat(const char8_t* utf8, int n) {
    std::u8string out;
    for (int i = 0; i < n; ++i) out += utf8;
    return out;
}

const std::u8string kThirty = u8"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ";

std::vector<TypingCase> Cases() {
    const Beat tap{1, In::Decide}, rest{1, In::None};
    const std::vector<Beat> double_click{{1, In::Left}, rest, {1, In::Left}, rest};
    return {
        {"ThirtyFullWidthBreakAfterTheTwentyFifth",
         Sjis(kThirty.c_str()),
         1,
         false,
         {{"typed", {{40, In::None}}, {{kThirty.substr(0, 75), kThirty.substr(75)}, true, 1}},
          {"acknowledged", {tap}, {{}, false, 3}},
          {"closed", {rest}, {{}, false, 3, false}}}},
        {"FullStopStaysAtTheLineEnd",
         Repeat(u8"あ", 25) + Sjis(u8"。い"),
         1,
         false,
         {{"typed", {{40, In::None}}, {{U8Repeat(u8"あ", 25) + u8"。", u8"い"}, true, 1}}}},
        // The second byte is tested on its own, so a character ending in 0x41 (ア) also stays.
        {"TrailByte41StaysAtTheLineEnd",
         Repeat(u8"あ", 25) + Sjis(u8"アい"),
         1,
         false,
         {{"typed", {{40, In::None}}, {{U8Repeat(u8"あ", 25) + u8"ア", u8"い"}, true, 1}}}},
        // A name or a word that would cross the line's end goes whole to the next line.
        {"ANameThatWouldCrossGoesWholeToTheNextLine",
         Repeat(u8"あ", 20) + Sjis(u8"『ゼルゼルダケ』が"),
         1,
         false,
         {{"typed", {{40, In::None}}, {{U8Repeat(u8"あ", 20), u8"『ゼルゼルダケ』が"}, true, 1}}}},
        {"AWordThatWouldCrossGoesWholeToTheNextLine",
         Repeat(u8"あ", 24) + Sjis(u8"店舗を"),
         1,
         false,
         {{"typed", {{40, In::None}}, {{U8Repeat(u8"あ", 24), u8"店舗を"}, true, 1}}}},
        {"SmallKanaStaysAtTheLineEnd",
         Repeat(u8"あ", 25) + Sjis(u8"ょい"),
         1,
         false,
         {{"typed", {{40, In::None}}, {{U8Repeat(u8"あ", 25) + u8"ょ", u8"い"}, true, 1}}}},
        // A name longer than a line breaks inside it, but its opening bracket never ends a line.
        {"AnOpeningBracketNeverEndsALine",
         Repeat(u8"あ", 24) + Sjis(u8"「") + Repeat(u8"い", 25) + Sjis(u8"」"),
         1,
         false,
         {{"typed",
           {{80, In::None}},
           {{U8Repeat(u8"あ", 24), u8"「" + U8Repeat(u8"い", 24), u8"い」"}, true, 1}}}},
        {"FormFeedClearsThePage",
         "AB\fCD",
         1,
         false,
         {{"at the form feed", {{10, In::None}}, {{u8"AB"}, true, 1}},
          {"next page", {tap, {10, In::None}}, {{u8"CD"}, true, 1}},
          {"done", {tap}, {{}, false, 3}}}},
        // From the 13th step after the acknowledging press a held button types every frame.
        {"HeldDecideTypesEveryFrameAfterTwelveSteps",
         "AB\fCDEFGHIJKLMNOP",
         4,
         false,
         {{"at the form feed", {{15, In::None}}, {{u8"AB"}, true, 1}},
          {"held sixteen frames", {{16, In::Decide}}, {{u8"CDEFGHI"}, false, 1}}}},
        {"ReleasedDecideKeepsTheSpeed",
         "AB\fCDEFGHIJKLMNOP",
         4,
         false,
         {{"at the form feed", {{15, In::None}}, {{u8"AB"}, true, 1}},
          {"sixteen frames", {tap, {15, In::None}}, {{u8"CDEF"}, false, 1}}}},
        {"HeldDecideNeverPassesAPageBreak",
         "AB\fCD\fEF",
         1,
         false,
         {{"first page", {{5, In::None}}, {{u8"AB"}, true, 1}},
          {"held", {{20, In::Decide}}, {{u8"CD"}, true, 1}},
          {"fresh press", {rest, tap, {5, In::None}}, {{u8"EF"}, true, 1}}}},
        {"DoubleClickCompletesThePage",
         "one\ntwo\nthree\nfour",
         4,
         false,
         {{"double click", double_click, {{u8"one", u8"two", u8"three\n"}, true, 1}},
          {"scrolled", {tap, {30, In::None}}, {{u8"two", u8"three", u8"four"}, true, 1}},
          {"done", {tap}, {{}, false, 3}}}},
        {"DoubleClickAtTheEndStillWaits",
         "hi",
         4,
         false,
         {{"double click", double_click, {{u8"hi"}, true, 1}},
          {"later", {{5, In::None}}, {{u8"hi"}, true, 1}}}},
        {"NoFastForwardPassesPageBreaks",
         "AB\fCD",
         1,
         true,
         {{"typed", {{10, In::None}}, {{u8"CD"}, true, 1}}, {"done", {tap}, {{}, false, 3}}}},
        {"NoFastForwardIgnoresDoubleClicks",
         "one\ntwo\nthree\nfour",
         4,
         true,
         {{"double click", double_click, {{u8"o"}, false, 1}}}},
        {"EmptyTextWaitsAtOnce",
         "",
         4,
         false,
         {{"first frame", {rest}, {{}, true, 1, true, 0}}, {"done", {tap}, {{}, false, 3}}}},
        {"SpeedOneTypesAByteAFrame",
         "abc",
         1,
         false,
         {{"two frames", {{2, In::None}}, {{u8"ab"}, false, 1}}}},
        {"FourthLineScrollsAfterAFullPage",
         "one\ntwo\nthree\nfour",
         1,
         false,
         {{"page full", {{30, In::None}}, {{u8"one", u8"two", u8"three\n"}, true, 1}},
          {"scrolled", {tap, {30, In::None}}, {{u8"two", u8"three", u8"four"}, true, 1}}}},
        // A lone lead byte at the end counts as one byte: the position stops at the end.
        {"TrailingLoneLeadByte",
         std::string("AB\x82"),
         1,
         false,
         {{"typed", {{10, In::None}}, {{u8"AB\uFFFD"}, true, 1, true, 3}},
          {"done", {tap}, {{}, false, 3}}}},
    };
}

class TypingScript : public ::testing::TestWithParam<TypingCase> {};

TEST_P(TypingScript, VisibleLinesWaitingAndHandleAtEachMark) {
    const TypingCase& c = GetParam();
    VnWorld world;
    CMessageOutEvent out;
    out.SetSpeed(c.speed);
    out.SetNoFastForward(c.no_fast_forward);
    out.SetMessage(60, 355, c.text.c_str(), 0xFF523E14, nullptr);
    WaitHandle handle;
    ASSERT_TRUE(world.mediator().StartEvent(&handle, &out));
    for (const Mark& mark : c.marks) {
        for (const Beat& beat : mark.beats) {
            world.Hold(kDecide, beat.in == In::Decide);
            world.HoldLeft(beat.in == In::Left);
            world.Frames(beat.frames);
        }
        SCOPED_TRACE(mark.at);
        for (int i = 0; i < 3; ++i) {
            const std::u8string& want = i < static_cast<int>(mark.check.lines.size())
                                            ? mark.check.lines[static_cast<std::size_t>(i)]
                                            : std::u8string();
            EXPECT_EQ(Utf8Of(out.VisibleLine(i)), testing_support::Utf8(want.c_str()))
                << "line " << i;
        }
        EXPECT_EQ(out.IsWaiting(), mark.check.waiting);
        EXPECT_EQ(handle.state, mark.check.handle);
        EXPECT_EQ(world.mediator().IsRunning(&out), mark.check.running);
        if (mark.check.position >= 0) {
            EXPECT_EQ(out.GetPosition(), mark.check.position);
            EXPECT_EQ(out.GetPosition(), out.GetLength());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TypingScript, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

class MessageOut : public ::testing::Test {
protected:
    void Start(const std::string& text) {
        out.SetMessage(60, 355, text.c_str(), 0xFF523E14, nullptr);
        ASSERT_TRUE(world.mediator().StartEvent(&handle, &out));
    }
    VnWorld world;
    CMessageOutEvent out;
    WaitHandle handle;
};

TEST_F(MessageOut, SpeedBelowOneIsRefused) {
    EXPECT_FALSE(out.SetSpeed(0));
    EXPECT_EQ(out.GetSpeed(), 4);
    EXPECT_TRUE(out.SetSpeed(2));
    EXPECT_FALSE(out.SetSpeed(-3));
    EXPECT_EQ(out.GetSpeed(), 2);
}

TEST_F(MessageOut, LinesAreDrawnThirtyPixelsApartInTheTextColour) {
    out.SetSpeed(1);
    Start("one\ntwo\nth");
    world.Frames(20);
    const auto texts = world.recorder.OfKind(DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 3u);
    const char* want[] = {"one", "two", "th"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(texts[i].text, want[i]);
        EXPECT_EQ(texts[i].x, 60);
        EXPECT_EQ(texts[i].y, 355 + 30 * i);
        EXPECT_EQ(texts[i].color, 0xFF523E14u);
        EXPECT_EQ(texts[i].format, 0x50u);
    }
}

TEST_F(MessageOut, CursorPulsesAtABreakAndAtTheEndOnly) {
    DTexture cursor;
    out.SetCursorTexture(&cursor);
    out.SetSpeed(1);
    Start("AB\fCD");
    world.Frames(1);  // typing: no cursor
    EXPECT_TRUE(world.recorder.OfKind(DrawOp::Kind::Effect).empty());
    world.Frames(4);  // waiting at the form feed
    auto effects = world.recorder.OfKind(DrawOp::Kind::Effect);
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0].x, 60 + 12 * 20);
    EXPECT_EQ(effects[0].y, 355 + 90);
    // Frame counter 5: k = 5, alpha 255 - 25.
    EXPECT_EQ(effects[0].effect.alpha, 230);
    world.Frames(12);  // frame 17: k folds to 13
    effects = world.recorder.OfKind(DrawOp::Kind::Effect);
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0].effect.alpha, 255 - 5 * 13);
}

TEST_F(MessageOut, KeptQuestionShowsNoCursorAndStaysAfterThePress) {
    DTexture cursor;
    out.SetCursorTexture(&cursor);
    out.SetCloseWhenDone(false);
    out.SetSpeed(1);
    Start("Q?");
    world.Frames(5);
    EXPECT_TRUE(world.recorder.OfKind(DrawOp::Kind::Effect).empty());
    world.Tap(kDecide);
    EXPECT_TRUE(handle.IsDone());
    EXPECT_TRUE(world.mediator().IsRunning(&out));
    EXPECT_NE(world.FindText(u8"Q?"), nullptr);
}

// A window waiting at a full page that gets more text must treat a later form feed as a form
// feed: the old page-full flag would scroll instead and never step over the form feed.
TEST_F(MessageOut, AppendAtAFullPageForgetsThePageFull) {
    out.SetSpeed(1);
    Start("1\n2\n3\nX");
    world.Frames(10);
    ASSERT_TRUE(out.IsPageFull());
    out.AppendMessage("\fY");
    EXPECT_FALSE(out.IsWaiting());
    EXPECT_FALSE(out.IsPageFull());
    world.Frames(5);
    EXPECT_EQ(out.VisibleLine(0), "X");
    EXPECT_TRUE(out.IsWaiting());
    world.Tap(kDecide);
    world.Frames(5);
    EXPECT_EQ(out.VisibleLine(0), "Y");
    EXPECT_EQ(out.GetPosition(), out.GetLength());
}

TEST_F(MessageOut, CatchUpTakesFourStepsIgnoringSpeedAndBreaks) {
    out.SetSpeed(50);
    Start("A\fBCDEFG");
    out.CatchUp(4);  // A, the form feed, the page break passed, B
    EXPECT_EQ(out.VisibleLine(0), "B");
    EXPECT_EQ(out.GetSpeed(), 50);
    world.Frames(1);
    EXPECT_EQ(out.VisibleLine(0), "B");  // back to its own pace
}

TEST_F(MessageOut, BeginKeepsTheFrameCounter) {
    Start("abc");
    world.Frames(7);
    out.Begin();
    EXPECT_EQ(out.frame_count(), 7);
    EXPECT_EQ(out.state(), CGameEvent::kRunning);
}

}  // namespace
