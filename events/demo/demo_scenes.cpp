#include "events/story_table.h"

namespace {

constexpr Story::StorySceneRow kDemoRows[] = {
    {StoryEvent::kTitleDemo, &Story::TitleDemoEvent},
};

}  // namespace

StorySceneRows DemoScenes() { return kDemoRows; }
