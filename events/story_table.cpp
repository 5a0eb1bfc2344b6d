// The one table of the story: which scene of the main game plays each row. A row without a
// scene yet starts nothing.
#include <array>

#include "game/main/vemu_comp.h"

namespace {

using Scene = CVemuComp::StoryScene;

struct SceneRow {
    StoryEvent row;
    Scene scene;
};

// Rows join as their scenes are written.
constexpr SceneRow kScenes[] = {
    {StoryEvent::kCount, nullptr},
};

std::array<Scene, kStoryEventCount> BuildTable() {
    std::array<Scene, kStoryEventCount> table{};
    for (const SceneRow& entry : kScenes)
        if (entry.row != StoryEvent::kCount)
            table[static_cast<std::size_t>(entry.row)] = entry.scene;
    return table;
}

}  // namespace

StoryTask CVemuComp::StoryBridge::MakeStoryEvent(StoryEvent row) {
    static const std::array<Scene, kStoryEventCount> kTable = BuildTable();
    const auto index = static_cast<std::size_t>(row);
    if (index >= kTable.size() || !kTable[index]) return StoryTask();
    return (game_.*kTable[index])();
}
