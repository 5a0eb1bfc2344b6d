// What a dish is worth to the customers, the restaurant rank, reputation and the contests.
#pragma once

#include "game/food/food.h"
#include "game/rules/dish_measure.h"
#include "game/rules/play_state.h"

// The dish's taste, raised by how much of each method went into it at the kitchen's speed for
// that method; 0 for a dish without taste.
int Tastiness(const PlayState& state, const Food& food);
// Tastiness per price: Tastiness × 100 / (Price + 1), 0 when the divisor is.
int DishValuePercent(const PlayState& state, const Food& food);
// The percent chance a customer takes the dish: dear dishes (5000 and more) draw half as many.
double DishAppeal(const PlayState& state, const Food& food);
// Price × appeal / 1000: what the dish adds to the restaurant rank.
int DishScore(const PlayState& state, const Food& food);
// The dish panel's grade, "問題外" to "★★★★★".
const char* DishRating(const PlayState& state, const Food& food);
const char* DishRatingOfScore(int score);
// True with `percent` percent probability, in steps of 0.01.
bool Chance(double percent);

// DishScore and DishValuePercent on the state, as the measures the menu rules weigh dishes by.
inline DishMeasure DishScoreMeasure(const PlayState& state) {
    return [&state](const Food& dish) { return DishScore(state, dish); };
}
inline DishMeasure DishValueMeasure(const PlayState& state) {
    return [&state](const Food& dish) { return DishValuePercent(state, dish); };
}
