// The morning purchase: for every menu dish with a restock count, what its ingredients need
// beyond what the pantry holds is bought, as long as the money lasts.
#pragma once

#include <functional>

#include "game/rules/play_state.h"

// Books a change of money as the rules of play do (a payment is negative); it keeps
// `PlayState::money` up to date, which the purchase reads to see what it can afford.
using MoneyChange = std::function<void(int amount)>;

// Covers `factor` × the node's amount of its entry: from the scratch pantry's stock first,
// then, for a mastered entry, by buying whole units (rounded up past 0.01) into the pantry in
// use; a dish part that is not on sale is covered by its own parts instead. True when the need
// was met by stock or purchase; false when the money fell short or the parts were left to do
// it. A need too small to buy a unit of, and a node of no amount, need nothing.
bool BuyForNode(PlayState& state, Kitchen& kitchen, Pantry& scratch, const FoodNode& node,
                float factor, const MoneyChange& add_money);
// Restocks every menu dish with a restock count against one scratch copy of the pantry in use,
// so stock counts once across the dishes. True when some dish has a restock count, whether or
// not anything was bought.
bool AutoPurchase(PlayState& state, Kitchen& kitchen, const MoneyChange& add_money);
