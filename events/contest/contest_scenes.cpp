#include "events/story_table.h"

StorySceneRows ContestScenes() {
    static const CVemuComp::StorySceneRow kRows[] = {
        {StoryEvent::kContestHall, &CVemuComp::ContestHallEvent},
        {StoryEvent::kContest, &CVemuComp::ContestEvent},
    };
    return kRows;
}
