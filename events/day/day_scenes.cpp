#include "events/story_table.h"

namespace {

constexpr CVemuComp::StorySceneRow kDayScenes[] = {
    {StoryEvent::kMorning, &CVemuComp::MorningEvent},
    {StoryEvent::kNight, &CVemuComp::NightEvent},
    {StoryEvent::kExpandShop, &CVemuComp::ExpandShopEvent},
    {StoryEvent::kDiscardIngredients, &CVemuComp::DiscardIngredientsEvent},
    {StoryEvent::kSave, &CVemuComp::SaveEvent},
    {StoryEvent::kFatigue, &CVemuComp::FatigueEvent},
    {StoryEvent::kWakeAfterCollapse, &CVemuComp::WakeAfterCollapseEvent},
    {StoryEvent::kMorningRoutine, &CVemuComp::MorningRoutineEvent},
    {StoryEvent::kMonthlyReport, &CVemuComp::MonthlyReportEvent},
};

}  // namespace

StorySceneRows DayScenes() { return kDayScenes; }
