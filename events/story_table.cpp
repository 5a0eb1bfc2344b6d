// The one table of the story: a row without a scene yet starts nothing.
#include "events/story_table.h"

#include <array>

namespace {

using Table = std::array<Story::StoryScene, kStoryEventCount>;

Table BuildTable() {
    Table table{};
    for (StorySceneRows rows :
         {DayScenes(), ContestScenes(), VisitorScenes(), ChainScenes(), DemoScenes()})
        for (const Story::StorySceneRow& entry : rows)
            if (entry.row != StoryEvent::kCount)
                table[static_cast<std::size_t>(entry.row)] = entry.scene;
    return table;
}

}  // namespace

StoryTask Story::MakeStoryEvent(StoryEvent row) {
    static const Table kTable = BuildTable();
    const auto index = static_cast<std::size_t>(row);
    if (index >= kTable.size() || !kTable[index]) return StoryTask();
    return (this->*kTable[index])();
}
