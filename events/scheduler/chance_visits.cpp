#include "events/scheduler/chance_visits.h"

#include <array>

#include "engine/common/system.h"
#include "events/chains/chain_stage.h"
#include "events/story.h"
#include "game/economy/shares.h"

namespace {

// Contests won before the merchant brings his lucky goods.
constexpr int kLuckyGoodsWins = 8;
// Contests won before Cherry's story can begin.
constexpr int kChainStartWins = 2;

// Takes the once-a-day flag: true when it was still clear.
bool TakeDailyFlag(PlayState& s, VisitFlag flag) {
    std::uint8_t& taken = s.visit_flags[static_cast<std::size_t>(flag)];
    if (taken) return false;
    taken = 1;
    return true;
}

void NeighbourGift(PlayWorld& world, Story& story) {
    if (TakeDailyFlag(world.state, kVisitMrs)) story.Start(StoryEvent::kNeighbourGift);
}

void OddOrderCustomer(PlayWorld& /*world*/, Story& story) {
    if (Rand() % 4 == 0) story.Start(StoryEvent::kOddOrderCustomer);
}

void BromusAndCherry(PlayWorld& world, Story& story) {
    if (!TakeDailyFlag(world.state, kVisitBromsLily)) return;
    const PlayState& s = world.state;
    if (s.chain_resolved || s.story_stage == kStageNone)
        story.Start(StoryEvent::kBromusCherryVisit);
    else if (s.story_stage >= kStageCureTold)
        story.Start(StoryEvent::kCherryIllVisit);
}

void TasteKing(PlayWorld& world, Story& story) {
    if (TakeDailyFlag(world.state, kVisitTasteKing)) story.Start(StoryEvent::kTasteKingVisit);
}

void Narf(PlayWorld& world, Story& story) {
    if (!TakeDailyFlag(world.state, kVisitNarf)) return;
    story.Start(world.state.story_stage == kStageLasagnaAsked ? StoryEvent::kNarfLasagna
                                                              : StoryEvent::kNarfRumour);
}

void Merchant(PlayWorld& world, Story& story) {
    if (!TakeDailyFlag(world.state, kVisitMerchant)) return;
    switch (Rand() % 6) {
        case 0:
            story.Start(StoryEvent::kMerchantPans);
            break;
        case 1:
            story.Start(StoryEvent::kMerchantBeans);
            break;
        case 2:
            if (world.state.contests_won >= kLuckyGoodsWins)
                story.Start(StoryEvent::kMerchantLuckyGoods);
            break;
        default:
            story.Start(StoryEvent::kMerchantRareGoods);
            break;
    }
}

void MysteryBag(PlayWorld& world, Story& story) {
    if (Rand() % 2 != 0) return;
    if (TakeDailyFlag(world.state, kVisitMysteryBag)) story.Start(StoryEvent::kMysteryBag);
}

void CompanyFounding(PlayWorld& world, Story& story) {
    if (FindFoundableShare(world.state, world.book)) story.Start(StoryEvent::kCompanyFounding);
}

void Passersby(PlayWorld& /*world*/, Story& story) {
    switch (Rand() % 4) {
        case 0:
            story.Start(StoryEvent::kMountMailVisit);
            break;
        case 1:
            story.Start(StoryEvent::kRagoAdvertising);
            break;
        default:
            break;
    }
}

// Cherry's story goes on by its stage; before it has begun, and after its end, a passer-by may
// come instead.
void StoryChain(PlayWorld& world, Story& story) {
    PlayState& s = world.state;
    static constexpr std::array<StoryEvent, 5> kByStage = {
        StoryEvent::kCherryLost, StoryEvent::kBromusSearch, StoryEvent::kCherryFound,
        StoryEvent::kTasteKingCounsel, StoryEvent::kNarfRequest};
    if (s.story_stage == kStageNone) {
        if (!s.chain_resolved && s.contests_won >= kChainStartWins)
            s.story_stage = kStageCherryAlone;
    } else if (s.story_stage >= kStageCherryAlone && s.story_stage <= kStageQuest) {
        story.Start(kByStage[static_cast<std::size_t>(s.story_stage - kStageCherryAlone)]);
        return;
    }
    Passersby(world, story);
}

using ChanceVisit = void (*)(PlayWorld&, Story&);
constexpr std::array<ChanceVisit, kChanceVisitRows> kChanceVisits = {
    NeighbourGift, OddOrderCustomer, BromusAndCherry, TasteKing,       Narf,
    Merchant,      MysteryBag,       CompanyFounding, CompanyFounding, CompanyFounding,
    StoryChain,    StoryChain,       Passersby,
};

}  // namespace

void DrawChanceVisit(PlayWorld& world, Story& story, int draw) {
    if (draw < 0 || draw >= kChanceVisitRows) return;
    kChanceVisits[static_cast<std::size_t>(draw)](world, story);
}
