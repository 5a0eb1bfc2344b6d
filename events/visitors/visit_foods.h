// The catalogue entries the visitors bring, for the start-up check of the names the game needs.
#pragma once

#include <array>

extern const std::array<const char*, 10> kNeighbourVegetables;

struct RequiredNames;
void AddVisitorNames(RequiredNames& names);
