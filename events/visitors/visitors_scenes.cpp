#include "events/story_table.h"

StorySceneRows VisitorScenes() {
    static const Story::StorySceneRow kRows[] = {
        {StoryEvent::kNeighbourGift, &Story::NeighbourGiftEvent},
        {StoryEvent::kOddOrderCustomer, &Story::OddOrderCustomerEvent},
        {StoryEvent::kTasteKingVisit, &Story::TasteKingVisitEvent},
        {StoryEvent::kMountMailVisit, &Story::MountMailVisitEvent},
        {StoryEvent::kRagoAdvertising, &Story::RagoAdvertisingEvent},
        {StoryEvent::kMerchantRareGoods, &Story::MerchantRareGoodsEvent},
        {StoryEvent::kMerchantBeans, &Story::MerchantBeansEvent},
        {StoryEvent::kMerchantLuckyGoods, &Story::MerchantLuckyGoodsEvent},
        {StoryEvent::kMerchantPans, &Story::MerchantPansEvent},
    };
    return kRows;
}
