// Stamina: what cooking and selling cost, what rest gives back, and one piece of kitchen work.
#pragma once

#include "game/rules/play_state.h"

// Lowers stamina by the load, eased by a worn guts ring and the lasting fatigue factor.
void ApplyFatigue(PlayState& state, float load);
// Raises stamina by the time rested; nothing caps it here (the frame clamps it to the maximum).
void RecoverStamina(PlayState& state, float time);
// One cooking action of `amount` portions of `unit_weight` grams: the portions become skill
// experience, the work keeps the kitchen busy, and it tires the heroine.
void PrepStep(PlayState& state, int method, float amount, int unit_weight);
