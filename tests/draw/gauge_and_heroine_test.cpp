// The stamina gauge, and the heroine at rest and at work.
#include <gtest/gtest.h>

#include "engine/common/system.h"
#include "tests/draw/draw_world.h"

namespace draw_test {
namespace {

// The bar is the one untextured effect of the screen.
std::optional<DrawOp> Bar(const DrawWorld& world) {
    for (const DrawOp& op : world.recorder.OfKind(DrawOp::Kind::Effect))
        if (op.texture == 0) return op;
    return std::nullopt;
}

TEST(GaugeTest, TheBarsWidthAndColourFollowTheShareOfTheMaximum) {
    struct Case {
        float stamina;
        int maximum;
        int width;
        int red, green, blue;
    };
    const Case kCases[] = {
        {100, 100, 243, 0, 0, 255},    // full: blue
        {200, 300, 162, 0, 255, 255},  // two thirds: cyan
        {100, 300, 81, 255, 255, 0},   // one third: yellow
        {1, 300, 0, 255, 2, 0},        // almost empty: red, a bar too narrow to see
        {150, 100, 243, 0, 0, 255},    // above the maximum: no wider than full
    };
    DrawWorld world;
    for (const Case& c : kCases) {
        world.game.state().stamina = c.stamina;
        world.game.state().max_stamina = c.maximum;
        world.Draw();
        const std::optional<DrawOp> bar = Bar(world);
        ASSERT_TRUE(bar) << c.stamina << "/" << c.maximum;
        EXPECT_EQ(bar->x, 33);
        EXPECT_EQ(bar->y, 54);
        EXPECT_EQ(bar->effect.width, c.width) << c.stamina << "/" << c.maximum;
        EXPECT_EQ(bar->effect.height, 8);
        EXPECT_EQ(bar->effect.red, c.red) << c.stamina << "/" << c.maximum;
        EXPECT_EQ(bar->effect.green, c.green) << c.stamina << "/" << c.maximum;
        EXPECT_EQ(bar->effect.blue, c.blue) << c.stamina << "/" << c.maximum;
        EXPECT_GE(bar->effect.alpha, 164);
        EXPECT_LE(bar->effect.alpha, 212);
    }
}

TEST(GaugeTest, NoStaminaOrNoMaximumDrawsTheFrameWithoutABar) {
    DrawWorld world;
    for (int maximum : {100, 0}) {
        world.game.state().stamina = maximum == 0 ? 50.0f : 0.0f;
        world.game.state().max_stamina = maximum;
        world.Draw();
        EXPECT_FALSE(Bar(world)) << maximum;
        EXPECT_EQ(world.DrawsOf(world.game.stage().textures().gauge).size(), 1u);
        EXPECT_EQ(world.DrawsOf(world.game.stage().textures().life).size(), 1u);
    }
}

TEST(GaugeTest, DrawingLeavesTheStaminaAloneAndTheNextFrameCutsIt) {
    DrawWorld world;
    world.Frames(2);
    world.game.state().stamina = 150.0f;
    world.game.state().max_stamina = 100;
    world.Draw();
    EXPECT_EQ(world.game.state().stamina, 150.0f);
    world.Frames(1);
    EXPECT_EQ(world.game.state().stamina, 100.0f);
}

TEST(HeroineTest, SheBlinksNowAndThenWithoutMovingTheGamesRandomSequence) {
    DrawWorld world;
    const SceneTextures& t = world.game.stage().textures();
    Srand(7);
    const int expected = Rand();
    Srand(7);
    std::string frames;  // i idle, 1 and 2 the blink pictures
    for (int i = 0; i < 1000; ++i) {
        world.DrawNextFrame();
        if (!world.DrawsOf(t.heroine_idle).empty()) frames += 'i';
        if (!world.DrawsOf(t.heroine[kBlink1]).empty()) frames += '1';
        if (!world.DrawsOf(t.heroine[kBlink2]).empty()) frames += '2';
    }
    EXPECT_EQ(Rand(), expected);
    ASSERT_EQ(frames.size(), 1000u);
    const std::size_t blink = frames.find("i1");
    ASSERT_NE(blink, std::string::npos) << "no blink in 1000 frames";
    EXPECT_EQ(frames.substr(blink, 18),
              "i111222222221111"
              "1i");
}

TEST(HeroineTest, AtWorkSheShowsTheMethodsPicturesAndNeverBlinks) {
    struct Work {
        int screen;
        int method;
        HeroinePicture first;  // kHeroinePictureCount: the idle picture
        int x;
    };
    const Work kCases[] = {
        {kScreenCookingInProgress, kMethodMix, kHand1, 390},
        {kScreenCookingInProgress, kMethodProcess, kHand1, 390},
        {kScreenCookingInProgress, kMethodBake, kRoast1, 340},
        {kScreenSelling, kMethodBoil, kBoil1, 340},
        {kScreenSelling, kMethodFry, kFry1, 340},
        {kScreenCookingInProgress, kMethodFerment, kHeroinePictureCount, 390},
        {kScreenSelling, 0, kHeroinePictureCount, 390},
    };
    for (const Work& c : kCases) {
        DrawWorld world;
        world.game.world().kitchen.menu.push_back(DrawWorld::DishOf("卵"));
        world.OnScreen(c.screen);
        world.game.screens().play().shown_cooking_method = c.method;
        const SceneTextures& t = world.game.stage().textures();
        for (int frame = 0; frame < 20; ++frame) {
            world.Frames(1);
            const bool second = world.game.view().frame_counter() % 10 >= 5;
            const DTexture& expected = c.first == kHeroinePictureCount
                                           ? t.heroine_idle
                                           : t.heroine[c.first + (second ? 1 : 0)];
            const std::vector<DrawOp> draws = world.DrawsOf(expected);
            ASSERT_EQ(draws.size(), 1u) << "screen " << c.screen << " method " << c.method;
            EXPECT_EQ(draws[0].x, c.x);
            EXPECT_EQ(draws[0].y, 76);
        }
        // However long she works, no blink picture shows.
        for (int frame = 0; frame < 500; ++frame) {
            world.DrawNextFrame();
            EXPECT_TRUE(world.DrawsOf(t.heroine[kBlink1]).empty());
            EXPECT_TRUE(world.DrawsOf(t.heroine[kBlink2]).empty());
        }
    }
}

TEST(HeroineTest, SheIsAwayWhileOutingAndResting) {
    for (int screen : {kScreenOuting, kScreenResting}) {
        DrawWorld world;
        world.OnScreen(screen);
        world.Draw();
        const SceneTextures& t = world.game.stage().textures();
        EXPECT_TRUE(world.DrawsOf(t.heroine_idle).empty()) << screen;
        for (const DTexture& picture : t.heroine) EXPECT_TRUE(world.DrawsOf(picture).empty());
        EXPECT_EQ(world.DrawsOf(t.back_shop).size(), 1u);
    }
}

}  // namespace
}  // namespace draw_test
