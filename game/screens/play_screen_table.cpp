#include "game/main/screen_dispatch.h"

// The day's play screens and the settings screens join the dispatch here as they are built.
ScreenHandlerRows PlayScreenHandlers() { return {}; }
