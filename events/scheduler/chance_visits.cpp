#include "events/scheduler/chance_visits.h"

#include <array>

#include "engine/common/system.h"
#include "events/chains/chain_stage.h"
#include "game/economy/shares.h"
#include "game/main/vemu_comp.h"

namespace {

// Contests won before the merchant brings his lucky goods.
constexpr int kLuckyGoodsWins = 8;
// Contests won before Cherry's story can begin.
constexpr int kChainStartWins = 2;

// Takes the once-a-day flag: true when it was still clear.
bool TakeDailyFlag(CVemuComp& game, VisitFlag flag) {
    std::uint8_t& taken = game.state().visit_flags[static_cast<std::size_t>(flag)];
    if (taken) return false;
    taken = 1;
    return true;
}

void NeighbourGift(CVemuComp& game) {
    if (TakeDailyFlag(game, kVisitMrs)) game.StartStoryEvent(StoryEvent::kNeighbourGift);
}

void OddOrderCustomer(CVemuComp& game) {
    if (Rand() % 4 == 0) game.StartStoryEvent(StoryEvent::kOddOrderCustomer);
}

void BromusAndCherry(CVemuComp& game) {
    if (!TakeDailyFlag(game, kVisitBromsLily)) return;
    const PlayState& s = game.state();
    if (s.chain_resolved || s.story_stage == kStageNone)
        game.StartStoryEvent(StoryEvent::kBromusCherryVisit);
    else if (s.story_stage >= kStageCureTold)
        game.StartStoryEvent(StoryEvent::kCherryIllVisit);
}

void TasteKing(CVemuComp& game) {
    if (TakeDailyFlag(game, kVisitTasteKing)) game.StartStoryEvent(StoryEvent::kTasteKingVisit);
}

void Narf(CVemuComp& game) {
    if (!TakeDailyFlag(game, kVisitNarf)) return;
    game.StartStoryEvent(game.state().story_stage == kStageLasagnaAsked ? StoryEvent::kNarfLasagna
                                                                        : StoryEvent::kNarfRumour);
}

void Merchant(CVemuComp& game) {
    if (!TakeDailyFlag(game, kVisitMerchant)) return;
    switch (Rand() % 6) {
        case 0:
            game.StartStoryEvent(StoryEvent::kMerchantPans);
            break;
        case 1:
            game.StartStoryEvent(StoryEvent::kMerchantBeans);
            break;
        case 2:
            if (game.state().contests_won >= kLuckyGoodsWins)
                game.StartStoryEvent(StoryEvent::kMerchantLuckyGoods);
            break;
        default:
            game.StartStoryEvent(StoryEvent::kMerchantRareGoods);
            break;
    }
}

void MysteryBag(CVemuComp& game) {
    if (Rand() % 2 != 0) return;
    if (TakeDailyFlag(game, kVisitMysteryBag)) game.StartStoryEvent(StoryEvent::kMysteryBag);
}

void CompanyFounding(CVemuComp& game) {
    if (FindFoundableShare(game.state(), game.world().book))
        game.StartStoryEvent(StoryEvent::kCompanyFounding);
}

void Passersby(CVemuComp& game) {
    switch (Rand() % 4) {
        case 0:
            game.StartStoryEvent(StoryEvent::kMountMailVisit);
            break;
        case 1:
            game.StartStoryEvent(StoryEvent::kRagoAdvertising);
            break;
        default:
            break;
    }
}

// Cherry's story goes on by its stage; before it has begun, and after its end, a passer-by may
// come instead.
void StoryChain(CVemuComp& game) {
    PlayState& s = game.state();
    static constexpr std::array<StoryEvent, 5> kByStage = {
        StoryEvent::kCherryLost, StoryEvent::kBromusSearch, StoryEvent::kCherryFound,
        StoryEvent::kTasteKingCounsel, StoryEvent::kNarfRequest};
    if (s.story_stage == kStageNone) {
        if (!s.chain_resolved && s.contests_won >= kChainStartWins)
            s.story_stage = kStageCherryAlone;
    } else if (s.story_stage >= kStageCherryAlone && s.story_stage <= kStageQuest) {
        game.StartStoryEvent(kByStage[static_cast<std::size_t>(s.story_stage - kStageCherryAlone)]);
        return;
    }
    Passersby(game);
}

using ChanceVisit = void (*)(CVemuComp&);
constexpr std::array<ChanceVisit, kChanceVisitRows> kChanceVisits = {
    NeighbourGift, OddOrderCustomer, BromusAndCherry, TasteKing,       Narf,
    Merchant,      MysteryBag,       CompanyFounding, CompanyFounding, CompanyFounding,
    StoryChain,    StoryChain,       Passersby,
};

}  // namespace

void DrawChanceVisit(CVemuComp& game, int draw) {
    if (draw < 0 || draw >= kChanceVisitRows) return;
    kChanceVisits[static_cast<std::size_t>(draw)](game);
}
