// The two taxes the monthly report deducts.
#pragma once

#include "game/rules/play_state.h"

// On this month's profit (income less expenses): nothing without a profit, profit² / 1000000
// up to 500000, and half of it above.
int IncomeTax(const PlayState& state);
// The same every month.
int AssetTax();
