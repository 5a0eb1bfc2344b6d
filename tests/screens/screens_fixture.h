// The main game run to its main commands, with helpers to open a play screen and answer it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/framework/game_mediator.h"
#include "events/story.h"
#include "platform/virtual_keys.h"
#include "tests/main/main_fixture.h"

namespace screens_test {

class PlayScreenTest : public main_test::MainGameTest {
protected:
    // Chooses a row of the open list as the player does.
    void Choose(int row) {
        game.screens().cursor() = row;
        world.Tap(main_test::kDecide);
    }
    void HoldKey(int key, bool held) { world.backend.window.HoldKey(key, held); }
    void PressKey(int key) {
        HoldKey(key, true);
        world.Frames(1);
        HoldKey(key, false);
        world.Frames(1);
    }
    std::vector<std::string> Labels() const {
        std::vector<std::string> labels;
        const CSelectEvent& list = const_cast<CVemuComp&>(game).stage().list_window();
        for (int i = 0; i < list.GetCount(); ++i) labels.push_back(list.GetEntries()[i].label);
        return labels;
    }
    std::vector<std::string> PantryNames() const {
        std::vector<std::string> names;
        for (const auto& food : game.world().kitchen.pantry()) names.push_back(food->name);
        return names;
    }
    // The story row a screen last asked for ("" when none was, since the last forgetting).
    std::string RequestedEvent() const {
        const std::optional<StoryEvent> row = game.story().last_row();
        return row && *row != StoryEvent::kCount ? StoryEventName(*row) : "";
    }
    void ForgetRequestedEvent() { game.StartStoryEvent(StoryEvent::kCount); }
    CItemBag& Bag() { return world.mediator().items(); }
};

}  // namespace screens_test
