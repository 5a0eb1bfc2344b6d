// Drawing only reads: a frame drawn twice is the same picture, and the play is as it was. What
// the drawing animates on its own moves with the game's frames, not with the drawings.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "tests/draw/draw_world.h"
#include "tests/support/play_snapshot.h"

namespace draw_test {
namespace {

// Every field a draw records, a line for each draw.
std::vector<std::string> Describe(const std::vector<DrawOp>& ops) {
    std::vector<std::string> lines;
    for (const DrawOp& op : ops) {
        const DEffect& e = op.effect;
        std::ostringstream out;
        out << static_cast<int>(op.kind) << ' ' << op.x << ',' << op.y << " t" << op.texture
            << " src " << op.src_x << ',' << op.src_y << ' ' << op.src_width << 'x' << op.src_height
            << " fx " << e.x << ',' << e.y << ' ' << e.width << 'x' << e.height << " a" << +e.alpha
            << " rgb " << +e.red << ',' << +e.green << ',' << +e.blue << " text '" << op.text
            << "' c" << op.color << " f" << op.font << " fmt" << op.format;
        lines.push_back(out.str());
    }
    return lines;
}

// A dish on the menu screen whose composition is too long for the panel, so that it scrolls.
void ShowAScrollingDish(DrawWorld& world) {
    world.game.world().kitchen.menu.push_back(DrawWorld::DishOf("卵", "ごった煮"));
    MenuDish& dish = *world.game.world().kitchen.menu.back();
    dish.children.clear();
    for (const auto& def : GlobalFoodCatalogue()) {
        if (dish.children.size() == 8) break;
        if (def->unit_weight > 0.0f)
            dish.children.push_back(std::make_unique<FoodNode>(def.get(), 1.0f, 0, 100, 0, 1));
    }
    world.OnScreen(kScreenMenu, 0);
}

bool Blinking(DrawWorld& world) {
    const SceneTextures& t = world.game.stage().textures();
    return !world.DrawsOf(t.heroine[kBlink1]).empty() || !world.DrawsOf(t.heroine[kBlink2]).empty();
}

struct StillCase {
    const char* name;
    // Brings the world to a frame in the middle of an animation.
    std::function<void(DrawWorld&)> arrange;
};
void PrintTo(const StillCase& c, std::ostream* os) { *os << c.name; }

class StillDrawingTest : public ::testing::TestWithParam<StillCase> {};

TEST_P(StillDrawingTest, DrawingTwiceDrawsTheSameAndLeavesThePlayAsItWas) {
    DrawWorld world;
    GetParam().arrange(world);
    const play_test::PlaySnapshot before = play_test::TakeSnapshot(world.game);
    const std::vector<std::string> first = Describe(world.Draw());
    const std::vector<std::string> second = Describe(world.Draw());
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(first[i], second[i]) << "draw " << i;
    EXPECT_TRUE(play_test::SameSnapshot(before, play_test::TakeSnapshot(world.game)));
}

INSTANTIATE_TEST_SUITE_P(
    Animations, StillDrawingTest,
    ::testing::Values(StillCase{"TheTickerScrolling",
                                [](DrawWorld& world) {
                                    ShowAScrollingDish(world);
                                    for (int i = 0; i < 40; ++i) world.DrawNextFrame();
                                }},
                      StillCase{"TheTickerOnItsFirstFrame", ShowAScrollingDish},
                      StillCase{"TheHeroineMidBlink",
                                [](DrawWorld& world) {
                                    // Two frames into a blink: the next frame
                                    // changes its picture.
                                    int blinking = 0;
                                    for (int i = 0; i < 3000; ++i) {
                                        world.DrawNextFrame();
                                        blinking = Blinking(world) ? blinking + 1 : 0;
                                        if (blinking == 2) return;
                                    }
                                    ADD_FAILURE() << "no blink in 3000 frames";
                                }},
                      StillCase{"ThePotUnderThePointer",
                                [](DrawWorld& world) {
                                    world.OnScreen(kScreenCooking);
                                    world.game.world().kitchen.selection.push_back(
                                        DrawWorld::FoodOf("卵"));
                                    world.game.screens().play().pot_row_under_pointer = 0;
                                    world.Frames(7);
                                }}),
    [](const auto& info) { return std::string(info.param.name); });

// The game's own frames move the ticker on, as the drawings of a frame did.
TEST(AnimationTest, TheGamesFramesScrollTheTicker) {
    DrawWorld world;
    ShowAScrollingDish(world);
    int lowest_line = 0;
    for (int frame = 0; frame < 30; ++frame) {
        world.Frames(1);
        lowest_line = 0;
        for (const DrawOp& op : world.recorder.OfKind(DrawOp::Kind::Text))
            if (op.x == 310 + 180) lowest_line = op.y;
        ASSERT_NE(lowest_line, 0) << "no ticker line on frame " << frame;
    }
    // 25 still frames, then a pixel a frame: five frames have scrolled.
    EXPECT_EQ(lowest_line, 314 - 4);
}

}  // namespace
}  // namespace draw_test
