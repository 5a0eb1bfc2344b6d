// The real main game component in a headless engine world on the build's game folder, with
// the sound device started, entered the way the title enters it and run to its first screen.
#pragma once

#include <gtest/gtest.h>

#include "game/main/vemu_comp.h"
#include "tests/title/title_world.h"

namespace main_test {

using title_test::kCancel;
using title_test::kDecide;
using title_test::kDown;
using title_test::kUp;

class MainGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(world.runtime.sound.Init(nullptr));
        world.Enter(game);
        ASSERT_TRUE(game.initialized());
        // These screens come after the opening: the start of play opens the main commands.
        game.state().first = 0;
        world.Frames(1);
        ASSERT_EQ(game.screens().id(), kScreenMainCommands);
    }
    // The catalogue is the program's: the next test loads it afresh.
    void TearDown() override { game.Finalize(); }

    // Decides until the screen on top is `id`; false when it is not within `limit` frames.
    bool DecideUntilScreen(int id, int limit = 400) {
        for (int frame = 0; frame < limit && game.screens().id() != id; frame += 2)
            world.Tap(kDecide);
        return game.screens().id() == id;
    }
    std::vector<int> StackIds() const {
        std::vector<int> ids;
        for (const ScreenEntry& entry : game.screens().entries()) ids.push_back(entry.id);
        return ids;
    }
    const std::string& Message() const { return game.GetMessageText(); }
    void SetClock(int hour, int minute) {
        game.state().clock.hour = hour;
        game.state().clock.minute = minute;
    }

    title_test::GameWorld world;
    CVemuComp game;
};

}  // namespace main_test
