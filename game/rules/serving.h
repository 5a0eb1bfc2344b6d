// Serving the menu: which dishes can be served now, choosing one, and serving it from a ready
// portion or from its ingredients.
#pragma once

#include "game/rules/play_state.h"

// A servable menu dish drawn at random (Rand), or null: with an empty menu, an empty pantry or
// nothing servable.
MenuDish* PickMenuDish(const Kitchen& kitchen);
// Serves one portion: a ready portion from the pantry when there is one, else the dish is made
// from its ingredients. Nothing is taken unless the whole dish can be made. False when it could
// not be served.
bool ServeDish(PlayState& state, Kitchen& kitchen, const MenuDish& dish);
// Makes one portion from the dish's ingredients, as serving does when none is ready: each part
// is taken from the pantry or made from its own parts, then the dish's cooking action runs. A
// ready portion of the dish is never one of its ingredients. Nothing is taken unless the whole
// dish can be made. False when it cannot.
bool MakePortion(PlayState& state, Kitchen& kitchen, const MenuDish& dish);
// Takes one part of a dish from the pantry, or makes it from its own parts; nothing is taken
// unless all of it can be had. False when it cannot.
bool PrepareNode(PlayState& state, Kitchen& kitchen, const FoodNode& node);
// The menu check, run after every change of the menu or of the pantry in use: which menu dishes
// can be served now, which composition nodes the pantry holds (presence is enough: the amounts
// are not counted), and which pantry foods are ready portions of a menu dish (their [M]).
void UpdateMenuAvailability(const PlayState& state, Kitchen& kitchen);
bool AnyServableDish(const Kitchen& kitchen);
