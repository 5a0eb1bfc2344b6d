// The sun and moon over the day, the date bar and the money's icon.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/draw/draw_world.h"

namespace draw_test {
namespace {

struct SkyCase {
    const char* name;
    int hour, minute;
    // A body not drawn has draws 0; a picture in twilight is drawn by effect.
    int sun_draws, sun_x, sun_y;
    bool sun_by_effect;
    int moon_draws, moon_x, moon_y;
};
void PrintTo(const SkyCase& c, std::ostream* os) { *os << c.name; }

class SkyTest : public ::testing::TestWithParam<SkyCase> {};

TEST_P(SkyTest, TheBodiesStandWhereTheClockPutsThem) {
    const SkyCase& c = GetParam();
    DrawWorld world;
    world.FramesUntilTheBobRests();
    world.game.state().clock.hour = c.hour;
    world.game.state().clock.minute = c.minute;
    world.Draw();
    const std::vector<DrawOp> suns = world.DrawsOf(world.game.stage().textures().sun);
    const std::vector<DrawOp> moons = world.DrawsOf(world.game.stage().textures().moon);
    ASSERT_EQ(static_cast<int>(suns.size()), c.sun_draws);
    ASSERT_EQ(static_cast<int>(moons.size()), c.moon_draws);
    if (c.sun_draws) {
        EXPECT_EQ(suns[0].x, c.sun_x);
        EXPECT_EQ(suns[0].y, c.sun_y);
        EXPECT_EQ(suns[0].kind == DrawOp::Kind::Effect, c.sun_by_effect);
    }
    if (c.moon_draws) {
        EXPECT_EQ(moons.back().x, c.moon_x);
        EXPECT_EQ(moons.back().y, c.moon_y);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Clock, SkyTest,
    ::testing::Values(
        SkyCase{"HalfPastFiveTheSunRisesUnderTheMoon", 5, 30, 1, 10, 13, true, 1, 229, 11},
        SkyCase{"SixTheSunAtTheLeftTheMoonSets", 6, 0, 1, 10, 10, false, 1, 229, 15},
        SkyCase{"NoonTheSunHigh", 12, 0, 1, 119, -14, false, 0, 0, 0},
        SkyCase{"SixInTheEveningTheSunSetsTheMoonRises", 18, 0, 1, 229, 9, true, 1, 10, 15},
        SkyCase{"MidnightTheMoonHigh", 0, 0, 0, 0, 0, false, 1, 120, -9}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SkyTest, InTwilightABodyGrowsFromTheHorizon) {
    DrawWorld world;
    DTexture& sun = world.game.stage().textures().sun;
    struct Twilight {
        int hour, minute;
        int width;
    };
    const Twilight kCases[] = {
        {5, 0, 0}, {5, 30, sun.GetWidth() / 2}, {18, 0, sun.GetWidth()}, {18, 59, 0}};
    for (const Twilight& c : kCases) {
        world.game.state().clock.hour = c.hour;
        world.game.state().clock.minute = c.minute;
        world.Draw();
        const std::vector<DrawOp> suns = world.DrawsOf(sun);
        ASSERT_FALSE(suns.empty()) << c.hour << ":" << c.minute;
        EXPECT_EQ(suns[0].effect.width, c.width) << c.hour << ":" << c.minute;
        EXPECT_EQ(suns[0].effect.height, sun.GetHeight());
    }
}

TEST(DateBarTest, TheMoneyIconStandsJustLeftOfTheAmount) {
    DrawWorld world;
    const DTexture& icon = world.game.stage().textures().icon_money;
    struct Amount {
        int money;
        int icon_x;
    };
    for (const Amount& c : {Amount{5, 565}, Amount{0, 565}, Amount{123456789, 485}}) {
        world.game.state().shown_money = c.money;
        world.Draw();
        const std::vector<DrawOp> icons = world.DrawsOf(icon);
        ASSERT_EQ(icons.size(), 1u);
        EXPECT_EQ(icons[0].x, c.icon_x) << c.money;
        EXPECT_EQ(icons[0].y, 18);
    }
}

TEST(DateBarTest, ANegativeAmountKeepsItsIconLeftOfTheMinus) {
    DrawWorld world;
    world.game.state().shown_money = -250;
    world.Draw();
    const std::vector<DrawOp> icons = world.DrawsOf(world.game.stage().textures().icon_money);
    ASSERT_EQ(icons.size(), 1u);
    // Everything drawn for the amount lies between the icon and x = 590.
    int leftmost = 590;
    for (const DrawOp& op : world.recorder.ops)
        if (op.y >= 18 && op.y < 34 && op.x > 482 && op.x < 590 && op.texture != icons[0].texture)
            leftmost = std::min(leftmost, static_cast<int>(op.x));
    EXPECT_LT(icons[0].x, leftmost);
    EXPECT_LE(icons[0].x, 575 - 10 * 4);  // a minus and three digits
}

}  // namespace
}  // namespace draw_test
