// The dish panel's list of what the dish was made of: still when it fits, otherwise scrolling
// upward in a seamless loop.
#include <gtest/gtest.h>

#include "tests/draw/draw_world.h"

namespace draw_test {
namespace {

constexpr int kLineX = 310 + 180;

// A dish on the menu screen whose composition lists `lines` entries, one line each.
MenuDish& ShowDishOf(DrawWorld& world, int lines) {
    world.game.world().kitchen.menu.push_back(DrawWorld::DishOf("卵", "ごった煮"));
    MenuDish& dish = *world.game.world().kitchen.menu.back();
    dish.children.clear();
    int added = 0;
    for (const auto& def : GlobalFoodCatalogue()) {
        if (added == lines) break;
        if (def->unit_weight <= 0.0f) continue;
        dish.children.push_back(std::make_unique<FoodNode>(def.get(), 1.0f, 0, 100, 0, 1));
        ++added;
    }
    world.OnScreen(kScreenMenu, 0);
    return dish;
}

// The ticker's lines as drawn: their text and y, top to bottom.
std::vector<std::pair<std::string, int>> Lines(const DrawWorld& world) {
    std::vector<std::pair<std::string, int>> out;
    for (const DrawOp& op : world.recorder.OfKind(DrawOp::Kind::Text))
        if (op.x == kLineX) out.emplace_back(op.text, op.y);
    return out;
}

std::string LineOf(const FoodNode& node) {
    return node.def->name + " " + std::to_string(static_cast<int>(node.def->unit_weight)) + " g";
}

TEST(TickerTest, AListThatFitsStandsStill) {
    DrawWorld world;
    MenuDish& dish = ShowDishOf(world, 2);
    for (int i = 0; i < 100; ++i) world.DrawNextFrame();
    const auto lines = Lines(world);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::make_pair(LineOf(*dish.children[0]), 224));
    EXPECT_EQ(lines[1], std::make_pair(LineOf(*dish.children[1]), 242));
}

TEST(TickerTest, ALongListWaitsThenScrollsAndHidesTheLinesLeavingTheTop) {
    DrawWorld world;
    MenuDish& dish = ShowDishOf(world, 8);
    for (int i = 0; i < 26; ++i) world.DrawNextFrame();
    auto lines = Lines(world);
    ASSERT_EQ(lines.size(), 6u) << "lines below y = 320 are not drawn";
    EXPECT_EQ(lines[0].second, 224);
    world.DrawNextFrame();
    lines = Lines(world);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], std::make_pair(LineOf(*dish.children[0]), 223));
    world.DrawNextFrame();
    lines = Lines(world);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], std::make_pair(LineOf(*dish.children[1]), 240));
}

TEST(TickerTest, TheLoopStartsOverWhereTheSecondCopyReachesTheTop) {
    DrawWorld world;
    MenuDish& dish = ShowDishOf(world, 8);
    const std::string first = LineOf(*dish.children[0]);
    // 25 still frames, then 179 pixels: the copy two lines below the end reaches y = 225.
    for (int i = 0; i < 205; ++i) world.DrawNextFrame();
    auto lines = Lines(world);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], std::make_pair(first, 225));
    world.DrawNextFrame();
    lines = Lines(world);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], std::make_pair(first, 224));
    // And it scrolls on without standing still again.
    world.DrawNextFrame();
    lines = Lines(world);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], std::make_pair(first, 223));
}

TEST(TickerTest, AnotherDishStartsItsOwnTicker) {
    DrawWorld world;
    ShowDishOf(world, 8);
    for (int i = 0; i < 60; ++i) world.DrawNextFrame();
    ShowDishOf(world, 8);
    world.game.screens().cursor() = 1;
    world.DrawNextFrame();
    const auto lines = Lines(world);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].second, 224);
}

}  // namespace
}  // namespace draw_test
