// Worn items: what the rules of play ask of the equipment slots.
#pragma once

#include <string_view>

#include "game/rules/play_state.h"

// True when either accessory slot holds an item of that name.
bool IsAccessoryEquipped(const PlayState& state, std::string_view name);
