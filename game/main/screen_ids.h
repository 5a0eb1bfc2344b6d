// The screens of the main game. The screen id selects the per-frame handler and is the id on
// top of the screen stack.
#pragma once

enum ScreenId : int {
    kScreenStart = 0,
    kScreenMainCommands = 1,
    kScreenDestinations = 2,
    kScreenShopList = 3,
    kScreenFoodShop = 4,
    kScreenToolShop = 5,
    kScreenStockExchange = 6,
    kScreenPawnShop = 7,
    kScreenSelling = 8,
    kScreenCooking = 9,
    kScreenCookingInProgress = 10,
    kScreenDishMade = 11,
    kScreenAddToMenu = 12,
    kScreenMenuFull = 13,
    kScreenKeepWhichDish = 14,
    kScreenAfterDishMade = 15,
    kScreenMenu = 16,
    kScreenAddDishToMenu = 17,
    kScreenWaitForMessage = 18,
    kScreenStory = 19,
    kScreenGameMenu = 20,
    kScreenIngredientDictionary = 21,
    kScreenRecipeBook = 22,
    kScreenContestHall = 23,
    kScreenContestDish = 24,
    kScreenOwnedItems = 25,
    kScreenOuting = 26,
    kScreenResting = 27,
    kScreenUnused28 = 28,
    kScreenEquipment = 29,
    kScreenSettings = 30,
    kScreenTextSpeed = 31,
    kScreenMusicVolume = 32,
    kScreenEffectVolume = 33,
    kScreenCount = 34
};

// One entry of the screen stack: its screen, and the cursor of the screen below it at the
// moment it was pushed, given back when it is popped.
struct ScreenEntry {
    int id = 0;
    int saved_cursor = 0;
};
