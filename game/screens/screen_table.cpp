// The one table of screens. A new screen defines its row in its own file and joins this list.
#include "game/screens/screen_table.h"

#include <array>

#include "game/main/screen_ids.h"

extern const ScreenRow kStartScreen, kMainCommandsScreen, kDestinationsScreen, kShopListScreen,
    kFoodShopScreen, kToolShopScreen, kStockExchangeScreen, kPawnShopScreen, kSellingScreen,
    kCookingScreen, kCookingInProgressScreen, kDishMadeScreen, kAddToMenuScreen, kMenuFullScreen,
    kKeepWhichDishScreen, kAfterDishMadeScreen, kMenuScreen, kAddDishToMenuScreen,
    kWaitForMessageScreen, kStoryScreen, kGameMenuScreen, kIngredientDictionaryScreen,
    kRecipeBookScreen, kContestHallScreen, kContestDishScreen, kOwnedItemsScreen, kOutingScreen,
    kRestingScreen, kUnused28Screen, kEquipmentScreen, kSettingsScreen, kTextSpeedScreen,
    kMusicVolumeScreen, kEffectVolumeScreen;

namespace {

const ScreenRow* const kRows[] = {
    &kStartScreen,
    &kMainCommandsScreen,
    &kDestinationsScreen,
    &kShopListScreen,
    &kFoodShopScreen,
    &kToolShopScreen,
    &kStockExchangeScreen,
    &kPawnShopScreen,
    &kSellingScreen,
    &kCookingScreen,
    &kCookingInProgressScreen,
    &kDishMadeScreen,
    &kAddToMenuScreen,
    &kMenuFullScreen,
    &kKeepWhichDishScreen,
    &kAfterDishMadeScreen,
    &kMenuScreen,
    &kAddDishToMenuScreen,
    &kWaitForMessageScreen,
    &kStoryScreen,
    &kGameMenuScreen,
    &kIngredientDictionaryScreen,
    &kRecipeBookScreen,
    &kContestHallScreen,
    &kContestDishScreen,
    &kOwnedItemsScreen,
    &kOutingScreen,
    &kRestingScreen,
    &kUnused28Screen,
    &kEquipmentScreen,
    &kSettingsScreen,
    &kTextSpeedScreen,
    &kMusicVolumeScreen,
    &kEffectVolumeScreen,
};

// By id, whatever the order of the list above.
std::array<const ScreenRow*, kScreenCount> ById() {
    std::array<const ScreenRow*, kScreenCount> by_id{};
    for (const ScreenRow* row : kRows)
        if (row->id >= 0 && row->id < kScreenCount) by_id[static_cast<std::size_t>(row->id)] = row;
    return by_id;
}

}  // namespace

std::span<const ScreenRow* const> ScreenRows() { return kRows; }

const ScreenRow* FindScreenRow(int id) {
    static const std::array<const ScreenRow*, kScreenCount> kById = ById();
    if (id < 0 || id >= kScreenCount) return nullptr;
    return kById[static_cast<std::size_t>(id)];
}
