#include "events/day/opening_dish.h"
#include "events/story_table.h"
#include "game/main/required_names.h"

namespace {

constexpr Story::StorySceneRow kDayScenes[] = {
    {StoryEvent::kMorning, &Story::MorningEvent},
    {StoryEvent::kNight, &Story::NightEvent},
    {StoryEvent::kExpandShop, &Story::ExpandShopEvent},
    {StoryEvent::kDiscardIngredients, &Story::DiscardIngredientsEvent},
    {StoryEvent::kSave, &Story::SaveEvent},
    {StoryEvent::kFatigue, &Story::FatigueEvent},
    {StoryEvent::kWakeAfterCollapse, &Story::WakeAfterCollapseEvent},
    {StoryEvent::kMorningRoutine, &Story::MorningRoutineEvent},
    {StoryEvent::kMonthlyReport, &Story::MonthlyReportEvent},
};

}  // namespace

StorySceneRows DayScenes() { return kDayScenes; }

void AddDayNames(RequiredNames& names) { names.AddFood(kOpeningDish, FoodRole::kDish); }
