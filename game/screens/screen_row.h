// A screen in one row: its id, what opening it shows (the steps, the prompt, the list), what it
// decides before it opens, what it does each frame and the panel drawn beside its list. Each
// screen's file defines its row; game/screens/screen_table.cpp gathers them.
#pragma once

#include <string>
#include <vector>

#include "engine/framework/menu_entry.h"

class CVemuComp;

// What opening a screen does besides its list, in the order the steps run.
enum OpenStep : unsigned {
    kStopListWaiters = 1u << 0,
    kStopMessageWaiters = 1u << 1,
    kShowList = 1u << 2,
    kMouse = 1u << 3,
    kHideChoiceCursor = 1u << 4,
    kStartIcons = 1u << 5,
    kAskYesNo = 1u << 6,
    // Closes the message window: a read message no longer waits on anything, so stopping the
    // waiters would leave the screen below's question standing.
    kCloseMessage = 1u << 7,
};

// The panel the info panel draws beside a screen's list.
enum class ScreenPanel {
    kNone,
    kPantryFood,       // the pantry food of the row under the cursor
    kIngredientEntry,  // the dictionary's entry under the cursor
    kRecipeEntry,      // the recipe book's entry under the cursor
    kStatus,           // the shop's status
    kSelling,          // the menu while the shop sells
    kOwnedItem,        // the bag's item of the row under the cursor
    kPawnItem,         // the item the pawn shop's window has selected
    kFoodGoods,        // the food shop's goods under the cursor
    kToolGoods,        // the tool shop's goods under the cursor
    kEquipment,        // the worn item, then the bag's item under the cursor
    kCandidateDish,    // the dish offered for the menu
    kMenuDish,         // the menu's dish under the cursor
    kKeepWhichDish,    // the menu's dish of the same kind, then the one offered
};

// Fills a list's entry array and returns its length.
using ListBuilder = int (*)(CVemuComp& game, std::vector<MenuEntry>& entries);

struct ScreenRow {
    int id = 0;
    unsigned steps = 0;
    const char* prompt = nullptr;  // shown while the list is open
    // Null while the rows of the list come with the screen's own work; the list then opens empty.
    ListBuilder rows = nullptr;
    // Before the waiters stop: may change the prompt; false when the screen gave way (a notice
    // or a scene in its place) and opens no further.
    bool (*prepare)(CVemuComp& game, std::string& prompt) = nullptr;
    // After the waiters stop, before the list: false when the screen has shown all it shows.
    bool (*show)(CVemuComp& game) = nullptr;
    // Each frame while the screen is on top.
    void (*update)(CVemuComp& game) = nullptr;
    ScreenPanel panel = ScreenPanel::kNone;
};
