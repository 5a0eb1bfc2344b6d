// The screens that decide what goes on the menu or to a contest: the menu is full, the same
// dish is already on it, a pantry dish for the menu, and the dish handed in at a contest.
#include "game/main/vemu_comp.h"
#include "game/rules/menu_queries.h"
#include "game/rules/pantry.h"
#include "game/rules/serving.h"
#include "game/screens/economy_lists.h"
#include "game/screens/list_input.h"
#include "game/screens/screen_row.h"

namespace {

bool HoldsDish(const Menu& menu, int slot) {
    return slot >= 0 && slot < static_cast<int>(menu.size()) &&
           menu[static_cast<std::size_t>(slot)] != nullptr;
}

// The rows of the keep-which question: the dish on the menu, then the new one.
enum DropChoice : int { kDropOld = 0, kDropNew = 1 };
enum ContestPhase : int { kChoosing = 0, kAsking = 1, kAnswering = 2 };
constexpr int kNo = 1;

}  // namespace

void OfferForMenu(CVemuComp& game, const Food& food) {
    game.world().candidate_dish = std::make_unique<MenuDish>(food, 1.0f);
    game.world().candidate_dish->servable = 1;
}

void BuildDishChoiceList(CVemuComp& game, std::vector<MenuEntry>& entries) {
    const PlayWorld& world = game.world();
    const int slot = world.chosen_menu_slot;
    const Menu& menu = world.kitchen.menu;
    game.stage().BuildDishChoiceList(
        entries, HoldsDish(menu, slot) ? menu[static_cast<std::size_t>(slot)].get() : nullptr,
        world.candidate_dish.get());
}

namespace {

void MenuFullScreen(CVemuComp& game) {
    game.stage().RecallListCursor(&game.stage().list_window());
    if (!game.screens().handles().list.IsDone()) return;
    Menu& menu = game.world().kitchen.menu;
    if (game.screens().cursor() >= 0 && game.screens().cursor() < static_cast<int>(menu.size()))
        menu.erase(menu.begin() + game.screens().cursor());
    UpdateMenuAvailability(game.state(), game.world().kitchen);
    game.message_output().Stop();
    game.screens().Pop();
}

void KeepWhichDishScreen(CVemuComp& game) {
    game.stage().RecallListCursor(&game.stage().list_window());
    if (!game.screens().handles().list.IsDone()) return;
    // The row chosen is the dish that goes.
    if (game.screens().cursor() == kDropOld && game.world().candidate_dish) {
        Menu& menu = game.world().kitchen.menu;
        if (HoldsDish(menu, game.world().chosen_menu_slot))
            menu[static_cast<std::size_t>(game.world().chosen_menu_slot)] =
                std::move(game.world().candidate_dish);
        else
            menu.push_back(std::move(game.world().candidate_dish));
    }
    game.world().candidate_dish.reset();
    UpdateMenuAvailability(game.state(), game.world().kitchen);
    // The slot has been dealt with: a later dish must not take it again.
    game.world().chosen_menu_slot = -1;
    game.message_output().Stop();
    game.screens().Pop();
}

void AddDishToMenuScreen(CVemuComp& game) {
    int index = 0;
    if (!ListDecision(game, index)) return;
    const Pantry& pantry = game.world().kitchen.pantry();
    if (index < 0 || index >= static_cast<int>(pantry.size())) return;
    game.stage().sounds().effects[kSoundSelectOn].Play(0, 0);
    game.world().contest_dish.reset();
    OfferForMenu(game, *pantry[static_cast<std::size_t>(index)]);

    // The dish of the chosen slot makes room, and the new dish takes its place there.
    Menu& menu = game.world().kitchen.menu;
    int position = static_cast<int>(menu.size());
    if (HoldsDish(menu, game.world().chosen_menu_slot)) {
        position = game.world().chosen_menu_slot;
        menu.erase(menu.begin() + position);
    }
    const int same = FindMenuSlotOfDef(game.world().kitchen, *game.world().candidate_dish);
    if (same >= 0) {
        game.world().chosen_menu_slot = same;
        game.screens().Replace(kScreenKeepWhichDish);
        return;
    }
    menu.insert(menu.begin() + position, std::move(game.world().candidate_dish));
    game.world().chosen_menu_slot = -1;
    UpdateMenuAvailability(game.state(), game.world().kitchen);
    if (static_cast<int>(menu.size()) > game.state().menu_max)
        game.screens().Replace(kScreenMenuFull);
    else
        game.screens().Pop();
}

void ContestDishScreen(CVemuComp& game) {
    PlayScreenState& play = game.screens().play();
    switch (play.contest_phase) {
        case kChoosing: {
            game.stage().RecallListCursor(&game.stage().list_window());
            // Without a dish to choose the screen would hold the contest forever: the player
            // may leave it, with no dish handed in.
            if (game.stage().entry_count() == 0 && ListCancelled(game)) {
                game.world().contest_dish.reset();
                game.screens().Pop();
                return;
            }
            if (!game.screens().handles().list.IsDone() || game.screens().cursor() < 0 ||
                game.screens().cursor() >= game.stage().entry_count())
                return;
            const int index =
                game.stage().entries()[static_cast<std::size_t>(game.screens().cursor())].value;
            const Pantry& pantry = game.world().kitchen.pantry();
            if (index < 0 || index >= static_cast<int>(pantry.size())) return;
            game.stage().sounds().effects[kSoundSelectOn].Play(0, 0);
            game.world().contest_dish =
                std::make_unique<Food>(*pantry[static_cast<std::size_t>(index)], 1.0f);
            play.contest_food = index;
            game.stage().ShowMessage(&game.screens().handles().message, "この料理を提出しますか？",
                                     false);
            play.contest_phase = kAsking;
            return;
        }
        case kAsking:
            if (!game.screens().handles().message.IsDone()) return;
            game.stage().set_choice_result(kNo);
            game.stage().AskYesNo(&game.screens().handles().list);
            play.contest_phase = kAnswering;
            return;
        default:
            if (!game.screens().handles().list.IsDone()) return;
            play.contest_phase = kChoosing;
            if (game.stage().choice_result() == kNo) {
                game.screens().Replace(kScreenContestDish);
                return;
            }
            TakeFromPantry(game.world().kitchen, play.contest_food, 1.0f);
            game.screens().Pop();
            return;
    }
}

int BuildKeepWhichDishList(CVemuComp& game, std::vector<MenuEntry>& entries) {
    BuildDishChoiceList(game, entries);
    return static_cast<int>(entries.size());
}

}  // namespace

extern const ScreenRow kMenuFullScreen = {
    .id = kScreenMenuFull,
    .steps = kShowList,
    .prompt = "メニューがいっぱいです\nどのメニューと置き換えますか？",
    .rows = BuildMenuRows,
    .update = MenuFullScreen,
    .panel = ScreenPanel::kMenuDish,
};
extern const ScreenRow kKeepWhichDishScreen = {
    .id = kScreenKeepWhichDish,
    .steps = kShowList,
    .prompt = "同じメニューがあります\nどちらのメニューを削除しますか？",
    .rows = BuildKeepWhichDishList,
    .update = KeepWhichDishScreen,
    .panel = ScreenPanel::kKeepWhichDish,
};
extern const ScreenRow kAddDishToMenuScreen = {
    .id = kScreenAddDishToMenu,
    .steps = kShowList,
    .prompt = "メニューに登録する料理を選んでください",
    .rows = BuildPantryRows,
    .update = AddDishToMenuScreen,
    .panel = ScreenPanel::kPantryFood,
};
extern const ScreenRow kContestDishScreen = {
    .id = kScreenContestDish,
    .steps = kShowList,
    .prompt = "提出する料理を選んでください",
    .rows = BuildPantryRows,
    .update = ContestDishScreen,
    .panel = ScreenPanel::kPantryFood,
};
