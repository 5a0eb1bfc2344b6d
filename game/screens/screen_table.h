// The one table of screens, by screen id.
#pragma once

#include <span>

#include "game/screens/screen_row.h"

// Every screen's row, in the order of their ids.
std::span<const ScreenRow* const> ScreenRows();
// The row of a screen id; null for an id without one.
const ScreenRow* FindScreenRow(int id);
