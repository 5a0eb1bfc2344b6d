// The day's commands and where the player can go: the main commands, the destinations and the
// in-game menu.
#include <array>

#include "game/cooking/dish_value.h"
#include "game/economy/customers.h"
#include "game/economy/owned_items.h"
#include "game/main/vemu_comp.h"
#include "game/rules/shop_rank.h"
#include "game/screens/list_input.h"
#include "game/screens/play_lists.h"
#include "game/screens/screen_row.h"

namespace {

enum MainCommand : int { kCook, kSell, kMenu, kRest, kGoOut, kPlan };
const char* const kCommands[] = {"料理を作る", "販売する", "メニューを見る",
                                 "休む",       "外出する", "作戦"};

constexpr int kNightFromHour = 22;

struct Place {
    const char* label;
    int value;
    int flag;
};
// In the order the list shows them; the value says what going there does.
constexpr std::array<Place, kPlaceFlagCount> kPlaces = {{
    {"商店街", 0, kPlaceShop},
    {"建築事務所", 2, kPlaceArchitect},
    {"料理大会", 1, kPlaceCompetition},
    {"ナルフの家", 4, kPlaceNarf},
    {"マナの森", 3, kPlaceForest},
    {"エブラの洞窟", 5, kPlaceCave},
    {"氷の城", 6, kPlaceIce},
}};
enum PlaceValue : int { kGoShopping = 0, kGoContest = 1, kGoArchitect = 2, kFirstOutingPlace = 3 };

struct GameMenuRow {
    const char* label;
    int screen;     // what the row opens, or kSaveRow
    int book_flag;  // the book the row needs, or -1 when the row is always there
};
// Saving runs its scene rather than a screen.
constexpr int kSaveRow = -1;
constexpr GameMenuRow kGameMenu[] = {
    {"装備", kScreenEquipment, -1},
    {"所持品", kScreenOwnedItems, -1},
    {"レシピ帳", kScreenRecipeBook, kOwnedRecipeBook},
    {"食材辞典", kScreenIngredientDictionary, kOwnedFoodBook},
    {"セーブ", kSaveRow, -1},
    {"設定", kScreenSettings, -1},
};

MenuEntry Entry(const char* label, int value) {
    MenuEntry entry;
    entry.label = label;
    entry.value = value;
    return entry;
}

}  // namespace

int BuildMainCommandList(CVemuComp& game, std::vector<MenuEntry>& entries) {
    entries.clear();
    // Selling and going out wait for the shop's hours: from 22:00 to before 7:00 they cannot be
    // chosen.
    const bool night = !IsShopOpen(game.state().clock);
    for (int i = 0; i < static_cast<int>(std::size(kCommands)); ++i) {
        entries.push_back(Entry(kCommands[i], i));
        if (night && (i == kSell || i == kGoOut)) entries.back().enabled = 0;
    }
    return static_cast<int>(entries.size());
}

int BuildDestinationList(CVemuComp& game, std::vector<MenuEntry>& entries) {
    entries.clear();
    for (const Place& place : kPlaces)
        if (game.state().place_flags[static_cast<std::size_t>(place.flag)])
            entries.push_back(Entry(place.label, place.value));
    return static_cast<int>(entries.size());
}

int BuildGameMenuList(CVemuComp& game, std::vector<MenuEntry>& entries) {
    entries.clear();
    for (const GameMenuRow& row : kGameMenu)
        if (row.book_flag < 0 ||
            game.state().owned_item_flags[static_cast<std::size_t>(row.book_flag)])
            entries.push_back(Entry(row.label, row.screen));
    return static_cast<int>(entries.size());
}

namespace {

// The status panel beside the commands reads the shop's status text, and the list starts at its
// first row.
bool PrepareMainCommands(CVemuComp& game, std::string& /*prompt*/) {
    BuildShopStatusText(game.state(), game.world().kitchen, DishScoreMeasure(game.state()));
    game.stage().list_window().SetTop(0);
    return true;
}

void MainCommandsScreen(CVemuComp& game) {
    game.stage().RecallListCursor(&game.stage().list_window());
    if (!game.screens().handles().list.IsDone()) return;
    switch (game.screens().cursor()) {
        case kCook:
            game.screens().Push(kScreenCooking);
            break;
        case kSell:
            game.screens().Push(kScreenSelling);
            break;
        case kMenu:
            game.screens().Push(kScreenMenu);
            break;
        case kRest:
            game.screens().Push(kScreenResting);
            if (game.state().clock.hour >= kNightFromHour) game.StartStoryEvent(StoryEvent::kNight);
            break;
        case kGoOut:
            game.screens().Push(kScreenDestinations);
            break;
        case kPlan:
            game.screens().Push(kScreenGameMenu);
            break;
        default:
            break;
    }
}

void DestinationsScreen(CVemuComp& game) {
    int value = 0;
    if (!ListDecision(game, value)) return;
    if (value == kGoShopping)
        game.screens().Push(kScreenShopList);
    else if (value == kGoContest)
        game.screens().Push(kScreenContestHall);
    else if (value == kGoArchitect)
        game.StartStoryEvent(StoryEvent::kExpandShop);
    else if (value >= kFirstOutingPlace)
        game.screens().Push(kScreenOuting);
}

void GameMenuScreen(CVemuComp& game) {
    int screen = 0;
    if (!ListDecision(game, screen)) return;
    if (screen == kSaveRow)
        game.StartStoryEvent(StoryEvent::kSave);
    else
        game.screens().Push(screen);
}

}  // namespace

extern const ScreenRow kMainCommandsScreen = {
    .id = kScreenMainCommands,
    .steps = kShowList,
    .prompt = "何をしますか？",
    .rows = BuildMainCommandList,
    .prepare = PrepareMainCommands,
    .update = MainCommandsScreen,
    .panel = ScreenPanel::kStatus,
};
extern const ScreenRow kDestinationsScreen = {
    .id = kScreenDestinations,
    .steps = kShowList,
    .prompt = "どこに行きますか？",
    .rows = BuildDestinationList,
    .update = DestinationsScreen,
};
extern const ScreenRow kGameMenuScreen = {
    .id = kScreenGameMenu,
    .steps = kShowList,
    .prompt = "何をしますか？",
    .rows = BuildGameMenuList,
    .update = GameMenuScreen,
};
