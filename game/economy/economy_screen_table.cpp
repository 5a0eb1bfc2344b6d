#include "game/main/screen_dispatch.h"

// Buying, selling and the menu join the dispatch here as they are built.
ScreenHandlerRows EconomyScreenHandlers() { return {}; }
