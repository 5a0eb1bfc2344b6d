// The screens that decide what goes on the menu or to a contest: the menu is full, the same
// dish is already on it, a pantry dish for the menu, and the dish handed in at a contest.
#include "game/main/vemu_comp.h"

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

void CVemuComp::OfferForMenu(const Food& food) {
    candidate_dish_ = std::make_unique<MenuDish>(food, 1.0f);
    candidate_dish_->servable = 1;
}

void CVemuComp::MenuFullScreen() {
    RecallListCursor(&list_window_);
    if (!handles_.list.IsDone()) return;
    Menu& menu = kitchen_.menu;
    if (screen_cursor_ >= 0 && screen_cursor_ < static_cast<int>(menu.size()))
        menu.erase(menu.begin() + screen_cursor_);
    UpdateMenuAvailability();
    message_output().Stop();
    PopScreen();
}

void CVemuComp::KeepWhichDishScreen() {
    RecallListCursor(&list_window_);
    if (!handles_.list.IsDone()) return;
    // The row chosen is the dish that goes.
    if (screen_cursor_ == kDropOld && candidate_dish_) {
        Menu& menu = kitchen_.menu;
        if (HoldsDish(menu, chosen_menu_slot_))
            menu[static_cast<std::size_t>(chosen_menu_slot_)] = std::move(candidate_dish_);
        else
            menu.push_back(std::move(candidate_dish_));
    }
    candidate_dish_.reset();
    UpdateMenuAvailability();
    // The slot has been dealt with: a later dish must not take it again.
    chosen_menu_slot_ = -1;
    message_output().Stop();
    PopScreen();
}

void CVemuComp::AddDishToMenuScreen() {
    int index = 0;
    if (!ListDecision(index)) return;
    const Pantry& pantry = kitchen_.pantry();
    if (index < 0 || index >= static_cast<int>(pantry.size())) return;
    sounds_.effects[kSoundSelectOn].Play(0, 0);
    contest_dish_.reset();
    OfferForMenu(*pantry[static_cast<std::size_t>(index)]);

    // The dish of the chosen slot makes room, and the new dish takes its place there.
    Menu& menu = kitchen_.menu;
    int position = static_cast<int>(menu.size());
    if (HoldsDish(menu, chosen_menu_slot_)) {
        position = chosen_menu_slot_;
        menu.erase(menu.begin() + position);
    }
    const int same = FindMenuSlotOfDef(*candidate_dish_);
    if (same >= 0) {
        chosen_menu_slot_ = same;
        ReplaceScreen(kScreenKeepWhichDish);
        return;
    }
    menu.insert(menu.begin() + position, std::move(candidate_dish_));
    chosen_menu_slot_ = -1;
    UpdateMenuAvailability();
    if (static_cast<int>(menu.size()) > state_.menu_max)
        ReplaceScreen(kScreenMenuFull);
    else
        PopScreen();
}

void CVemuComp::ContestDishScreen() {
    PlayScreenState& play = play_screens_;
    switch (play.contest_phase) {
        case kChoosing: {
            RecallListCursor(&list_window_);
            // Without a dish to choose the screen would hold the contest forever: the player
            // may leave it, with no dish handed in.
            if (entry_count_ == 0 && ListCancelled()) {
                contest_dish_.reset();
                PopScreen();
                return;
            }
            if (!handles_.list.IsDone() || screen_cursor_ < 0 || screen_cursor_ >= entry_count_)
                return;
            const int index = entries_[static_cast<std::size_t>(screen_cursor_)].value;
            const Pantry& pantry = kitchen_.pantry();
            if (index < 0 || index >= static_cast<int>(pantry.size())) return;
            sounds_.effects[kSoundSelectOn].Play(0, 0);
            contest_dish_ = std::make_unique<Food>(*pantry[static_cast<std::size_t>(index)], 1.0f);
            play.contest_food = index;
            ShowMessage(&handles_.message, "この料理を提出しますか？", false);
            play.contest_phase = kAsking;
            return;
        }
        case kAsking:
            if (!handles_.message.IsDone()) return;
            choice_result_ = kNo;
            AskYesNo(&handles_.list);
            play.contest_phase = kAnswering;
            return;
        default:
            if (!handles_.list.IsDone()) return;
            play.contest_phase = kChoosing;
            if (choice_result_ == kNo) {
                ReplaceScreen(kScreenContestDish);
                return;
            }
            TakeFromPantry(play.contest_food, 1.0f);
            PopScreen();
            return;
    }
}
