// The rows of the story: every event a screen or the story scheduler can start. The main game
// component maps each row to the member coroutine that plays it; a row whose scene is still to
// be written maps to nothing, and starting it does nothing.
#pragma once

#include <cstddef>

enum class StoryEvent : int {
    // The day.
    kMorning = 0,
    kNight,
    kExpandShop,
    kDiscardIngredients,
    kSave,
    kFatigue,
    kWakeAfterCollapse,
    kMorningRoutine,
    kMonthlyReport,
    // The contests.
    kContestHall,
    kContest,
    // The visitors.
    kNeighbourGift,
    kOddOrderCustomer,
    kTasteKingVisit,
    kMountMailVisit,
    kRagoAdvertising,
    kMerchantRareGoods,
    kMerchantBeans,
    kMerchantLuckyGoods,
    kMerchantPans,
    // The story chains.
    kBromusCherryVisit,
    kCherryIllVisit,
    kCherryLost,
    kBromusSearch,
    kCherryFound,
    kTasteKingCounsel,
    kNarfRumour,
    kNarfLasagna,
    kNarfRequest,
    kMysteryBag,
    kCompanyFounding,
    // The title screen's demonstration.
    kTitleDemo,
    kCount
};

inline constexpr std::size_t kStoryEventCount = static_cast<std::size_t>(StoryEvent::kCount);

// The row's name for debug output; "?" for a value outside the table.
const char* StoryEventName(StoryEvent row);
