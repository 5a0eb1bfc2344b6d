// The number entry: digit steps, cursor moves, its range, the OK position, mouse and cancel.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "engine/framework/input_number_event.h"
#include "tests/vn/vn_world.h"

namespace {

using namespace vn_test;

struct EntryCase {
    const char* name;
    int value, maximum, minimum;
    std::vector<int> taps;
    int want_value, want_digit;
    bool finished, cancelled;
};
// Test names and failure messages show the case by its name, not its bytes.
void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

class NumberEntryScript : public ::testing::TestWithParam<EntryCase> {};

TEST_P(NumberEntryScript, TapsGiveValueDigitAndEnd) {
    const EntryCase& c = GetParam();
    VnWorld world;
    CInputNumberEvent entry;
    entry.Setup(200, 200, c.value);
    entry.SetRange(c.maximum, c.minimum);
    entry.EnableMouse(true);
    WaitHandle handle;
    ASSERT_TRUE(entry.Start(&handle));
    world.Point(240, 205);  // on the units: the mouse must not move the cursor by itself
    world.Frames(1);
    for (int button : c.taps) world.Tap(button);
    EXPECT_EQ(entry.GetValue(), c.want_value);
    EXPECT_EQ(entry.GetDigit(), c.want_digit);
    EXPECT_EQ(handle.IsDone(), c.finished);
    EXPECT_EQ(entry.IsCancelled(), c.cancelled);
}

const EntryCase kCases[] = {
    {"LeftFillsTheNewDigit", 5, 99, 0, {kLeft}, 15, 1, false, false},
    {"LeftPastTheMaximumIsRefused", 5, 99, 0, {kLeft, kLeft}, 15, 1, false, false},
    {"DownDropsTheCursorToTheHighestDigit",
     120,
     999,
     0,
     {kLeft, kLeft, kDown},
     20,
     1,
     false,
     false},
    {"UpStopsAtTheMaximum", 90, 99, 0, {kLeft, kUp}, 99, 1, false, false},
    {"DownStopsAtTheMinimum", 3, 99, 2, {kDown}, 2, 0, false, false},
    {"RightReachesOkAndDecideFinishes", 7, 99, 0, {kRight, kDecide}, 7, -1, true, false},
    {"DecideFinishesOnAnyDigit", 42, 99, 0, {kUp, kDecide}, 43, 0, true, false},
    {"CancelGivesZero", 7, 99, 0, {kCancel}, 0, 0, true, true},
    {"MaximumBelowTenKeepsTheUnits", 3, 9, 0, {kLeft, kLeft}, 3, 0, false, false},
    {"MaximumZero", 0, 0, 0, {kLeft, kUp, kDown}, 0, 0, false, false},
    {"LeftFromOkFillsTheUnits", 0, 99, 0, {kRight, kLeft}, 1, 0, false, false},
    // 10^10 and 1999999999 + 10^9 do not fit an int: neither may wrap around.
    {"BillionsNeitherOverflow",
     1999999999,
     2000000000,
     0,
     {kLeft, kLeft, kLeft, kLeft, kLeft, kLeft, kLeft, kLeft, kLeft, kLeft, kUp},
     2000000000,
     9,
     false,
     false},
    {"BillionsStepDown", INT_MAX, INT_MAX, INT_MIN, {kDown}, INT_MAX - 1, 0, false, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, NumberEntryScript, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

class NumberEntry : public ::testing::Test {
protected:
    void Open(int value, int maximum, bool mouse) {
        entry.Setup(200, 200, value);
        entry.SetRange(maximum, 0);
        entry.EnableMouse(mouse);
        ASSERT_TRUE(entry.Start(&handle));
    }
    VnWorld world;
    CInputNumberEvent entry;
    WaitHandle handle;
};

TEST_F(NumberEntry, HeldUpStepsAtTheRepeatFramesWithoutTheFastStage) {
    Open(0, 1000, false);
    world.Hold(kUp, true);
    world.Frames(72);  // 1, 16, 24, ..., 72
    EXPECT_EQ(entry.GetValue(), 9);
}

// Every step of the value or the cursor sounds; a refused one is silent.
TEST_F(NumberEntry, StepsSoundAndRefusedStepsAreSilent) {
    WaveProbes probes(world);
    DWave sound;
    probes.Load(sound);
    entry.cursor_sound = &sound;
    Open(5, 99, false);
    struct Row {
        int button;
        bool sounds;
    };
    const Row rows[] = {{kLeft, true},  {kLeft, false}, {kUp, true},
                        {kRight, true}, {kRight, true}, {kRight, false}};
    for (const Row& row : rows) {
        WaveProbes::Quiet({&sound});
        world.Tap(row.button);
        EXPECT_EQ(sound.IsPlaying(), row.sounds) << row.button << " digit " << entry.GetDigit();
    }
    EXPECT_EQ(entry.GetDigit(), -1);
}

TEST_F(NumberEntry, PointerPicksTheDigitAndClicksStepIt) {
    Open(5, 999, true);
    world.Point(232, 205);  // over the tens
    world.Frames(2);
    EXPECT_EQ(entry.GetDigit(), 1);
    world.Point(232, 190);  // above the digits
    world.Click();
    world.Frames(1);
    EXPECT_EQ(entry.GetValue(), 15);
    world.Point(232, 225);  // below
    world.Click();
    world.Frames(1);
    EXPECT_EQ(entry.GetValue(), 5);
    world.Point(262, 205);  // over "決定"
    world.Frames(2);
    EXPECT_EQ(entry.GetDigit(), -1);
    world.Click();
    world.Frames(1);
    EXPECT_TRUE(handle.IsDone());
    EXPECT_FALSE(entry.IsCancelled());
    EXPECT_EQ(entry.GetValue(), 5);
}

TEST_F(NumberEntry, RightButtonCancels) {
    Open(5, 99, true);
    world.HoldRight(true);
    world.Frames(2);
    EXPECT_TRUE(handle.IsDone());
    EXPECT_TRUE(entry.IsCancelled());
    EXPECT_EQ(entry.GetValue(), 0);
}

TEST_F(NumberEntry, DrawsDigitsFromTheUnitsLeftwardsWithTheCursorDigitBlue) {
    Open(305, 999, false);
    world.Tap(kLeft);
    world.Frames(1);
    struct Want {
        const char8_t* text;
        int x, y;
        unsigned color;
    };
    const Want wants[] = {{u8"5", 240, 200, 0xFF000000}, {u8"0", 230, 200, 0xFF0000FF},
                          {u8"3", 220, 200, 0xFF000000}, {u8"決定", 260, 200, 0xFF000000},
                          {u8"↑", 225, 180, 0xFF0000FF}, {u8"↓", 225, 220, 0xFF0000FF}};
    for (const Want& want : wants) {
        const DrawOp* op = world.FindText(want.text);
        ASSERT_NE(op, nullptr) << testing_support::Utf8(want.text);
        EXPECT_EQ(op->x, want.x);
        EXPECT_EQ(op->y, want.y);
        EXPECT_EQ(op->color, want.color);
        EXPECT_EQ(op->format, 0x50u);
    }
}

TEST_F(NumberEntry, StepMarkTexturesPulseOverTheCursorDigit) {
    Pictures pictures(world);
    DTexture up, down;
    pictures.Load(up, 100, 100);
    pictures.Load(down, 100, 100);
    entry.up_arrow = &up;
    entry.down_arrow = &down;
    Open(50, 999, false);
    world.Tap(kLeft);  // on the tens, frame counter 2
    world.Frames(3);   // frame counter 5: k = 5, scale 0.95
    const auto effects = world.recorder.OfKind(DrawOp::Kind::Effect);
    ASSERT_EQ(effects.size(), 2u);
    const int want_y[] = {200 - 20, 200 + 20};
    const DTexture* want_texture[] = {&up, &down};
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(effects[i].texture, want_texture[i]->GetIndex());
        EXPECT_EQ(effects[i].effect.x, 200 - 10 + 35);
        EXPECT_EQ(effects[i].effect.y, want_y[i]);
        EXPECT_NEAR(effects[i].effect.width, 95, 1);
        EXPECT_NEAR(effects[i].effect.height, 95, 1);
        EXPECT_EQ(effects[i].effect.alpha, 255 - 25);
    }
    EXPECT_EQ(world.FindText(u8"↑"), nullptr);
}

TEST_F(NumberEntry, OkPositionHidesTheStepMarks) {
    Open(1, 99, false);
    world.Tap(kRight);
    world.Frames(1);
    EXPECT_EQ(world.FindText(u8"↑"), nullptr);
    EXPECT_EQ(world.FindText(u8"決定")->color, 0xFF0000FFu);
}

// An entry kept inside an area moves just far enough in: right when the maximum's digits would
// reach past the area's left edge, up when the step marks would reach below it; a position
// inside stays.
TEST_F(NumberEntry, AnAreaMovesTheEntryJustFarEnoughIn) {
    struct Case {
        const char* name;
        int x, y, maximum;
        int want_x, want_y;
    };
    // Area 280..632 across, 0..160 down.
    const Case kCases[] = {
        {"Inside", 300, 100, 99, 300, 100},
        {"ManyDigitsPastTheLeft", 260, 85, 99999, 292, 85},
        {"MarksBelowTheBottom", 300, 181, 9, 300, 120},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CInputNumberEvent placed;
        placed.SetArea(280, 0, 632, 160);
        placed.Setup(c.x, c.y, 0);
        placed.SetRange(c.maximum, 0);
        EXPECT_EQ(placed.GetX(), c.want_x);
        EXPECT_EQ(placed.GetY(), c.want_y);
    }
}

// The total is what the deal comes to, the price's fraction dropped as the shops drop it.
TEST_F(NumberEntry, TheTotalIsTheValueTimesThePriceTruncated) {
    entry.SetTotal(1001, 0.5f, "クル");
    Open(3, 99, false);
    world.Frames(1);
    EXPECT_EQ(entry.Total(), 1501);
    EXPECT_NE(world.FindText(u8"1501 クル"), nullptr);
    entry.ClearTotal();
    world.Frames(1);
    EXPECT_EQ(world.FindText(u8"1501 クル"), nullptr);
}

// Near the right edge, the total of the most that can be entered still ends inside the area.
TEST_F(NumberEntry, TheWidestTotalMovesTheEntryLeftIntoItsArea) {
    entry.SetArea(280, 0, 632, 160);
    entry.SetTotal(1000, 1.0f, "クル");
    entry.Setup(500, 85, 0);
    entry.SetRange(99999, 0);
    ASSERT_TRUE(entry.Start(&handle));
    world.Frames(1);
    EXPECT_LT(entry.GetX(), 500);
    const DrawOp* total = world.FindText(u8"0 クル");
    ASSERT_NE(total, nullptr);
    EXPECT_LE(total->rect.right, 632);
}

}  // namespace
