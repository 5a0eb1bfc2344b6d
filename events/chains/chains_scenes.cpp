#include "events/chains/chain_foods.h"
#include "events/story_table.h"
#include "game/main/required_names.h"

void AddChainNames(RequiredNames& names) {
    names.AddFood(kBarmement, FoodRole::kIngredient);
    names.AddFood(kLasagna, FoodRole::kDish);
    names.AddFood(kMemorial, FoodRole::kDish);
}

StorySceneRows ChainScenes() {
    static const CVemuComp::StorySceneRow kRows[] = {
        {StoryEvent::kBromusCherryVisit, &CVemuComp::BromusCherryVisitEvent},
        {StoryEvent::kCherryIllVisit, &CVemuComp::CherryIllVisitEvent},
        {StoryEvent::kCherryLost, &CVemuComp::CherryLostEvent},
        {StoryEvent::kBromusSearch, &CVemuComp::BromusSearchEvent},
        {StoryEvent::kCherryFound, &CVemuComp::CherryFoundEvent},
        {StoryEvent::kTasteKingCounsel, &CVemuComp::TasteKingCounselEvent},
        {StoryEvent::kNarfRumour, &CVemuComp::NarfRumourEvent},
        {StoryEvent::kNarfLasagna, &CVemuComp::NarfLasagnaEvent},
        {StoryEvent::kNarfRequest, &CVemuComp::NarfRequestEvent},
        {StoryEvent::kMysteryBag, &CVemuComp::MysteryBagEvent},
        {StoryEvent::kCompanyFounding, &CVemuComp::CompanyFoundingEvent},
    };
    return kRows;
}
