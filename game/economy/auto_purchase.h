// The morning purchase: for every menu dish with a restock count, what its ingredients need
// beyond what the pantry holds is bought, as long as the money lasts.
#pragma once

#include "engine/data/shared_data.h"
#include "game/rules/play_state.h"

// Covers `factor` × the node's amount of its entry: from the scratch pantry's stock first,
// then, for a mastered entry, by buying whole units (one more once the need passes a whole unit
// by about 0.01) into the pantry in use, paid as an expense; a dish part that is not on sale is
// covered by its own parts instead. True when the need was met by stock or purchase; false when
// the money fell short or the parts were left to do it. A need too small to buy a unit of, and a
// node of no amount, need nothing.
bool BuyForNode(PlayState& state, Kitchen& kitchen, Pantry& scratch, const FoodNode& node,
                float factor, CQZSharedData& values);
// Restocks every menu dish with a restock count against one scratch copy of the pantry in use,
// so stock counts once across the dishes. True when some dish has a restock count, whether or
// not anything was bought.
bool AutoPurchase(PlayState& state, Kitchen& kitchen, CQZSharedData& values);
