// The real main game component in a headless engine world on the build's game folder, with a
// draw recorder. A test sets the play state directly and draws one frame of the component.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/framework/game_mediator.h"
#include "engine/graphics/draw_recorder.h"
#include "game/food/food_def.h"
#include "game/main/vemu_comp.h"
#include "tests/title/title_world.h"

namespace draw_test {

// The title tests' world (game folder, data folder, devices, recorder) with the real component.
class DrawWorld : public title_test::GameWorld {
public:
    DrawWorld() { Enter(game); }
    ~DrawWorld() { game.Finalize(); }

    // Frames until the sun and moon's bob is 0.
    void FramesUntilTheBobRests() {
        while (game.view().frame_counter() % 64 != 16) Frames(1);
    }
    // One drawing of the component alone; the recorder keeps its draws.
    const std::vector<DrawOp>& Draw() {
        recorder.Clear();
        game.Draw();
        return recorder.ops;
    }
    // The next frame of what the drawing animates on its own (the blink, the ticker), drawn,
    // without the rest of the game's frame.
    const std::vector<DrawOp>& DrawNextFrame() {
        recorder.Clear();
        game.view().Animate();
        game.Draw();
        return recorder.ops;
    }
    // Opens the screen as the game does (its opening may rebuild the list and the menu's
    // flags, so a test sets those afterwards) and puts the cursor there.
    void OnScreen(int id, int cursor = 0) {
        game.screens().Push(id);
        EXPECT_EQ(game.screens().id(), id) << "the screen did not open";
        game.screens().cursor() = cursor;
    }

    // The draws of a picture (plain or by effect), in order.
    std::vector<DrawOp> DrawsOf(const DTexture& picture) const {
        std::vector<DrawOp> out;
        for (const DrawOp& op : recorder.ops)
            if (op.kind != DrawOp::Kind::Text && op.texture == picture.GetIndex())
                out.push_back(op);
        return out;
    }
    // The first text drawn at (x, y), if any.
    std::optional<DrawOp> TextAt(int x, int y) const {
        for (const DrawOp& op : recorder.ops)
            if (op.kind == DrawOp::Kind::Text && op.x == x && op.y == y) return op;
        return std::nullopt;
    }
    bool Drew(const std::string& text) const {
        for (const DrawOp& op : recorder.OfKind(DrawOp::Kind::Text))
            if (op.text == text) return true;
        return false;
    }

    // A food of a catalogue entry; `name` replaces the entry's name when given.
    static std::unique_ptr<Food> FoodOf(const char* entry, const char* name = nullptr) {
        FoodDef* def = FindFoodDef(entry);
        EXPECT_NE(def, nullptr) << "no entry " << entry;
        if (!def) return std::make_unique<Food>();
        std::unique_ptr<Food> food = Food::FromDef(def);
        if (name) food->name = name;
        return food;
    }
    // The new game's pantry holds eggs, so a dish of eggs can be served and selling opens.
    static std::unique_ptr<MenuDish> DishOf(const char* entry, const char* name = nullptr) {
        return std::make_unique<MenuDish>(*FoodOf(entry, name), 1.0f);
    }

    CVemuComp game;
};

}  // namespace draw_test
