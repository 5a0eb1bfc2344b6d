#include "events/day/opening_dish.h"
#include "events/story_table.h"
#include "game/main/required_names.h"

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

void AddDayNames(RequiredNames& names) { names.AddFood(kOpeningDish, FoodRole::kDish); }
