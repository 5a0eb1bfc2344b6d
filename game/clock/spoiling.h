// Stored food ageing by the day: what runs out of days ferments into a dish when a fermentation
// recipe fits it alone, and rots otherwise.
#pragma once

#include "engine/data/item_bag.h"
#include "game/clock/clock_world.h"

// One day of ageing of the pantry in use; nothing ages while the witch's fridge is owned. Foods
// that never spoil (999 days and more, or below 0) are left alone. A food that spoils leaves
// the pantry for what it became, which ages with the rest but cannot spoil again the same day.
void RotFoods(ClockWorld& world);

bool HoldsWitchFridge(const CItemBag& bag);
