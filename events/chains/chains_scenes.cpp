#include "events/chains/chain_foods.h"
#include "events/story_table.h"
#include "game/main/required_names.h"

void AddChainNames(RequiredNames& names) {
    names.AddFood(kBarmement, FoodRole::kIngredient);
    names.AddFood(kLasagna, FoodRole::kDish);
    names.AddFood(kMemorial, FoodRole::kDish);
}

StorySceneRows ChainScenes() {
    static const Story::StorySceneRow kRows[] = {
        {StoryEvent::kBromusCherryVisit, &Story::BromusCherryVisitEvent},
        {StoryEvent::kCherryIllVisit, &Story::CherryIllVisitEvent},
        {StoryEvent::kCherryLost, &Story::CherryLostEvent},
        {StoryEvent::kBromusSearch, &Story::BromusSearchEvent},
        {StoryEvent::kCherryFound, &Story::CherryFoundEvent},
        {StoryEvent::kTasteKingCounsel, &Story::TasteKingCounselEvent},
        {StoryEvent::kNarfRumour, &Story::NarfRumourEvent},
        {StoryEvent::kNarfLasagna, &Story::NarfLasagnaEvent},
        {StoryEvent::kNarfRequest, &Story::NarfRequestEvent},
        {StoryEvent::kMysteryBag, &Story::MysteryBagEvent},
        {StoryEvent::kCompanyFounding, &Story::CompanyFoundingEvent},
    };
    return kRows;
}
