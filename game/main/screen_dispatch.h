// Which handler runs a screen each frame. Each group of screens lists its own rows in its own
// file; the dispatch gathers them into one table by screen id.
#pragma once

#include <span>

#include "game/main/vemu_comp.h"

using ScreenHandlerRows = std::span<const CVemuComp::ScreenHandlerRow>;

// The main game's own screens (start of play, after a dish is made, waiting for a message, the
// story screen).
ScreenHandlerRows CoreScreenHandlers();
// The day's play screens and the settings screens.
ScreenHandlerRows PlayScreenHandlers();
// Buying, selling and the menu.
ScreenHandlerRows EconomyScreenHandlers();
