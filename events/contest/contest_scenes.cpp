#include "events/story_table.h"

StorySceneRows ContestScenes() {
    static const Story::StorySceneRow kRows[] = {
        {StoryEvent::kContestHall, &Story::ContestHallEvent},
        {StoryEvent::kContest, &Story::ContestEvent},
    };
    return kRows;
}
