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
    game.candidate_dish() = std::make_unique<MenuDish>(food, 1.0f);
    game.candidate_dish()->servable = 1;
}

namespace {

void MenuFullScreen(CVemuComp& game) {
    game.RecallListCursor(&game.list_window());
    if (!game.handles().list.IsDone()) return;
    Menu& menu = game.kitchen().menu;
    if (game.screens().cursor() >= 0 && game.screens().cursor() < static_cast<int>(menu.size()))
        menu.erase(menu.begin() + game.screens().cursor());
    UpdateMenuAvailability(game.state(), game.kitchen());
    game.message_output().Stop();
    game.PopScreen();
}

void KeepWhichDishScreen(CVemuComp& game) {
    game.RecallListCursor(&game.list_window());
    if (!game.handles().list.IsDone()) return;
    // The row chosen is the dish that goes.
    if (game.screens().cursor() == kDropOld && game.candidate_dish()) {
        Menu& menu = game.kitchen().menu;
        if (HoldsDish(menu, game.chosen_menu_slot()))
            menu[static_cast<std::size_t>(game.chosen_menu_slot())] =
                std::move(game.candidate_dish());
        else
            menu.push_back(std::move(game.candidate_dish()));
    }
    game.candidate_dish().reset();
    UpdateMenuAvailability(game.state(), game.kitchen());
    // The slot has been dealt with: a later dish must not take it again.
    game.set_chosen_menu_slot(-1);
    game.message_output().Stop();
    game.PopScreen();
}

void AddDishToMenuScreen(CVemuComp& game) {
    int index = 0;
    if (!ListDecision(game, index)) return;
    const Pantry& pantry = game.kitchen().pantry();
    if (index < 0 || index >= static_cast<int>(pantry.size())) return;
    game.sounds().effects[kSoundSelectOn].Play(0, 0);
    game.contest_dish().reset();
    OfferForMenu(game, *pantry[static_cast<std::size_t>(index)]);

    // The dish of the chosen slot makes room, and the new dish takes its place there.
    Menu& menu = game.kitchen().menu;
    int position = static_cast<int>(menu.size());
    if (HoldsDish(menu, game.chosen_menu_slot())) {
        position = game.chosen_menu_slot();
        menu.erase(menu.begin() + position);
    }
    const int same = FindMenuSlotOfDef(game.kitchen(), *game.candidate_dish());
    if (same >= 0) {
        game.set_chosen_menu_slot(same);
        game.ReplaceScreen(kScreenKeepWhichDish);
        return;
    }
    menu.insert(menu.begin() + position, std::move(game.candidate_dish()));
    game.set_chosen_menu_slot(-1);
    UpdateMenuAvailability(game.state(), game.kitchen());
    if (static_cast<int>(menu.size()) > game.state().menu_max)
        game.ReplaceScreen(kScreenMenuFull);
    else
        game.PopScreen();
}

void ContestDishScreen(CVemuComp& game) {
    PlayScreenState& play = game.play_screens();
    switch (play.contest_phase) {
        case kChoosing: {
            game.RecallListCursor(&game.list_window());
            // Without a dish to choose the screen would hold the contest forever: the player
            // may leave it, with no dish handed in.
            if (game.entry_count() == 0 && game.ListCancelled()) {
                game.contest_dish().reset();
                game.PopScreen();
                return;
            }
            if (!game.handles().list.IsDone() || game.screens().cursor() < 0 ||
                game.screens().cursor() >= game.entry_count())
                return;
            const int index =
                game.entries()[static_cast<std::size_t>(game.screens().cursor())].value;
            const Pantry& pantry = game.kitchen().pantry();
            if (index < 0 || index >= static_cast<int>(pantry.size())) return;
            game.sounds().effects[kSoundSelectOn].Play(0, 0);
            game.contest_dish() =
                std::make_unique<Food>(*pantry[static_cast<std::size_t>(index)], 1.0f);
            play.contest_food = index;
            game.ShowMessage(&game.handles().message, "この料理を提出しますか？", false);
            play.contest_phase = kAsking;
            return;
        }
        case kAsking:
            if (!game.handles().message.IsDone()) return;
            game.set_choice_result(kNo);
            game.AskYesNo(&game.handles().list);
            play.contest_phase = kAnswering;
            return;
        default:
            if (!game.handles().list.IsDone()) return;
            play.contest_phase = kChoosing;
            if (game.choice_result() == kNo) {
                game.ReplaceScreen(kScreenContestDish);
                return;
            }
            TakeFromPantry(game.kitchen(), play.contest_food, 1.0f);
            game.PopScreen();
            return;
    }
}

int BuildKeepWhichDishList(CVemuComp& game, std::vector<MenuEntry>& entries) {
    game.BuildDishChoiceList(entries);
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
