// Which scene of the main game plays each story row. Each group of scenes lists its own rows
// in its own folder; the story table gathers them.
#pragma once

#include <span>

#include "events/story.h"

using StorySceneRows = std::span<const Story::StorySceneRow>;

StorySceneRows DayScenes();
StorySceneRows ContestScenes();
StorySceneRows VisitorScenes();
StorySceneRows ChainScenes();
StorySceneRows DemoScenes();
