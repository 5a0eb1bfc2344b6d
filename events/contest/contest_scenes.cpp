#include "events/story_table.h"

// This group's rows join the story table here as their scenes are written.
StorySceneRows ContestScenes() { return {}; }
