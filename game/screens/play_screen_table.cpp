#include "game/main/screen_dispatch.h"

ScreenHandlerRows PlayScreenHandlers() {
    static const CVemuComp::ScreenHandlerRow kRows[] = {
        {kScreenMainCommands, &CVemuComp::MainCommandsScreen},
        {kScreenDestinations, &CVemuComp::DestinationsScreen},
        {kScreenShopList, &CVemuComp::ShopListScreen},
        {kScreenToolShop, &CVemuComp::ToolShopScreen},
        {kScreenPawnShop, &CVemuComp::PawnShopScreen},
        {kScreenCooking, &CVemuComp::CookingScreen},
        {kScreenCookingInProgress, &CVemuComp::CookingInProgressScreen},
        {kScreenMenuFull, &CVemuComp::MenuFullScreen},
        {kScreenKeepWhichDish, &CVemuComp::KeepWhichDishScreen},
        {kScreenAddDishToMenu, &CVemuComp::AddDishToMenuScreen},
        {kScreenGameMenu, &CVemuComp::GameMenuScreen},
        {kScreenIngredientDictionary, &CVemuComp::IngredientDictionaryScreen},
        {kScreenRecipeBook, &CVemuComp::RecipeBookScreen},
        {kScreenContestDish, &CVemuComp::ContestDishScreen},
        {kScreenOwnedItems, &CVemuComp::OwnedItemsScreen},
        {kScreenOuting, &CVemuComp::OutingScreen},
        {kScreenResting, &CVemuComp::RestingScreen},
        {kScreenEquipment, &CVemuComp::EquipmentScreen},
        {kScreenSettings, &CVemuComp::SettingsScreen},
        {kScreenTextSpeed, &CVemuComp::TextSpeedScreen},
        {kScreenMusicVolume, &CVemuComp::MusicVolumeScreen},
        {kScreenEffectVolume, &CVemuComp::EffectVolumeScreen},
    };
    return kRows;
}
