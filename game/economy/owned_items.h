// What owning an item does: giving it, its lasting effect on the play state, taking it back,
// the owned count with what is worn, and the equipment slots.
#pragma once

#include <memory>
#include <string_view>

#include "engine/data/item_bag.h"
#include "game/rules/play_state.h"

// The two books' flags in `PlayState::owned_item_flags`.
enum OwnedItemFlag : int {
    kOwnedRecipeBook = 0,  // レシピ帳
    kOwnedFoodBook = 1,    // 食材図鑑
};

// Makes the item by name, applies its effect and adds `count` to the bag. A name the item
// table lacks gives nothing.
void GiveItem(PlayState& state, CItemBag& bag, std::string_view name, int count);
// The lasting effect of owning the item, by its name: the books set their flags, the beds and
// the lucky charms only ever raise their factor, the lights and the carpets only lower theirs.
// Any other item changes nothing.
void ApplyOwnedItemEffect(PlayState& state, const CItem& item);
// Works the flags and factors out again from what the bag holds: after loading, and after
// anything leaves the bag, so that no effect outlives its item.
void RebuildOwnedItemEffects(PlayState& state, CItemBag& bag);
// Takes `count` of the item (found by name) out of the bag and rebuilds the effects. False, and
// nothing changes, when the bag holds fewer.
bool RemoveOwnedItem(PlayState& state, CItemBag& bag, CItem& item, int count);
// Empties the bag; the effects go with it.
void ClearItemBag(PlayState& state, CItemBag& bag);
// How many the player has: the bag's count of that name and one for each slot wearing it.
int OwnedCount(const PlayState& state, CItemBag& bag, const CItem& item);
// The slot (0 clothing, 1 shoes, 2 and 3 accessories, 4 to 7 magic), or null outside 0..7.
std::unique_ptr<CItem>* EquipSlot(PlayState& state, int slot);
