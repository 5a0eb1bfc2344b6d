// What the list screens share: the list convention, the sort icons, and the dish a screen offers
// for the menu.
#pragma once

#include <vector>

#include "engine/framework/menu_entry.h"

class CVemuComp;
struct Food;

// Virtual button 5 or the right button, pressed in this frame.
bool ListCancelled(CVemuComp& game);
// The virtual button pressed in this frame.
bool ButtonPressed(CVemuComp& game, int button);
// The list convention: cancel pops (false); once the list is decided, true with the value of the
// row.
bool ListDecision(CVemuComp& game, int& value);
// The sort icons of the owned items and the pantry: true when the order changed.
bool ApplySortIcons(CVemuComp& game);
// Makes one portion of the food the dish offered for the menu.
void OfferForMenu(CVemuComp& game, const Food& food);
// The method window: the choice window beside the pot, on its own cursor and handle.
void OpenMethodWindow(CVemuComp& game, MenuEntry* entries, int count);
// The dish in the chosen menu slot and the candidate that would replace it.
void BuildDishChoiceList(CVemuComp& game, std::vector<MenuEntry>& entries);
// The pantry's foods in the order the player sorts them; the length of the list.
int BuildPantryRows(CVemuComp& game, std::vector<MenuEntry>& entries);
