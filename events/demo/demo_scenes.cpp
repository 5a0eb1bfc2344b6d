#include "events/story_table.h"

namespace {

constexpr CVemuComp::StorySceneRow kDemoRows[] = {
    {StoryEvent::kTitleDemo, &CVemuComp::TitleDemoEvent},
};

}  // namespace

StorySceneRows DemoScenes() { return kDemoRows; }
