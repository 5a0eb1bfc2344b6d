// The rows of the play screens' lists. Each fills the entry array and returns its length; the
// screen builder opens the list on it.
#pragma once

#include <vector>

#include "engine/framework/menu_entry.h"

class CItemBag;
class CVemuComp;
struct PlayState;

int BuildMainCommandList(CVemuComp& game, std::vector<MenuEntry>& entries);
int BuildDestinationList(CVemuComp& game, std::vector<MenuEntry>& entries);
int BuildGameMenuList(CVemuComp& game, std::vector<MenuEntry>& entries);
int BuildIngredientDictionaryList(CVemuComp& game, std::vector<MenuEntry>& entries);
int BuildRecipeBookList(CVemuComp& game, std::vector<MenuEntry>& entries);
int BuildOwnedItemList(CVemuComp& game, std::vector<MenuEntry>& entries);
int BuildEquipmentSlotList(CVemuComp& game, std::vector<MenuEntry>& entries);
int BuildSettingsList(CVemuComp& game, std::vector<MenuEntry>& entries);
int BuildTextSpeedList(CVemuComp& game, std::vector<MenuEntry>& entries);
int BuildVolumeList(CVemuComp& game, std::vector<MenuEntry>& entries);

// The bag's items of one kind, after an empty row (value -1) that takes the worn item off.
int BuildEquipmentCandidates(CItemBag& bag, int kind, std::vector<MenuEntry>& entries);
// Every bag entry with its count, in the order "align_type" asks for.
int BuildOwnedItemRows(CItemBag& bag, int align_type, std::vector<MenuEntry>& entries);
