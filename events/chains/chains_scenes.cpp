#include "events/story_table.h"

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
