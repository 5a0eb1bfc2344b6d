#include "events/runtime/story_event.h"

#include <iterator>

namespace {

// In the order of the rows.
constexpr const char* kNames[] = {
    "Morning",
    "Night",
    "ExpandShop",
    "DiscardIngredients",
    "Save",
    "Fatigue",
    "WakeAfterCollapse",
    "MorningRoutine",
    "MonthlyReport",
    "ContestHall",
    "Contest",
    "NeighbourGift",
    "OddOrderCustomer",
    "TasteKingVisit",
    "MountMailVisit",
    "RagoAdvertising",
    "MerchantRareGoods",
    "MerchantBeans",
    "MerchantLuckyGoods",
    "MerchantPans",
    "BromusCherryVisit",
    "CherryIllVisit",
    "CherryLost",
    "BromusSearch",
    "CherryFound",
    "TasteKingCounsel",
    "NarfRumour",
    "NarfLasagna",
    "NarfRequest",
    "MysteryBag",
    "CompanyFounding",
    "TitleDemo",
};
static_assert(std::size(kNames) == kStoryEventCount, "every row needs its name");

}  // namespace

const char* StoryEventName(StoryEvent row) {
    const auto index = static_cast<std::size_t>(row);
    return index < std::size(kNames) ? kNames[index] : "?";
}
