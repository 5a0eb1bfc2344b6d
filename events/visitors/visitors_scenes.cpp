#include "events/story_table.h"

StorySceneRows VisitorScenes() {
    static const CVemuComp::StorySceneRow kRows[] = {
        {StoryEvent::kNeighbourGift, &CVemuComp::NeighbourGiftEvent},
        {StoryEvent::kOddOrderCustomer, &CVemuComp::OddOrderCustomerEvent},
        {StoryEvent::kTasteKingVisit, &CVemuComp::TasteKingVisitEvent},
        {StoryEvent::kMountMailVisit, &CVemuComp::MountMailVisitEvent},
        {StoryEvent::kRagoAdvertising, &CVemuComp::RagoAdvertisingEvent},
        {StoryEvent::kMerchantRareGoods, &CVemuComp::MerchantRareGoodsEvent},
        {StoryEvent::kMerchantBeans, &CVemuComp::MerchantBeansEvent},
        {StoryEvent::kMerchantLuckyGoods, &CVemuComp::MerchantLuckyGoodsEvent},
        {StoryEvent::kMerchantPans, &CVemuComp::MerchantPansEvent},
    };
    return kRows;
}
