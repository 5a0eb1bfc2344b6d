// A number the cooking rules give a dish (its score, its value for money), handed to the rules
// that weigh the menu, so they need not know how dishes are valued.
#pragma once

#include <functional>

#include "game/food/food.h"

using DishMeasure = std::function<int(const Food&)>;
