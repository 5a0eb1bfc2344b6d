#include "game/cooking/dish_value.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/common/system.h"
#include "game/cooking/cooking_math.h"
#include "game/rules/skills.h"

namespace {

using cooking::TruncToInt;

// A dish this dear or dearer draws fewer customers.
constexpr int kDearPriceStep = 5000;

struct RatingBand {
    int from;  // the least score of the band
    const char* text;
};

constexpr std::array<RatingBand, 13> kRatingBands = {{
    {600, "★★★★★"},
    {420, "★★★★"},
    {288, "★★★"},
    {178, "★★"},
    {110, "★"},
    {68, "A+"},
    {42, "A"},
    {26, "B+"},
    {16, "B"},
    {10, "C+"},
    {6, "C"},
    {3, "D+"},
    {1, "D"},
}};

}  // namespace

int Tastiness(const PlayState& state, const Food& food) {
    if (food.taste < 1) return 0;
    // 発酵 first and 加工 last, each partial sum kept in single precision.
    float sum = 0.0f;
    for (int m = kMethodWeightCount - 1; m >= 0; --m) {
        const auto i = static_cast<std::size_t>(m);
        sum = static_cast<float>(sum + (PrepSpeed(state, kWeightedMethods[i]) - 1.0) *
                                           food.method_weights[i]);
    }
    return TruncToInt((1.0 + 0.01 * sum) * food.taste);
}

int DishValuePercent(const PlayState& state, const Food& food) {
    const std::int64_t divisor = static_cast<std::int64_t>(food.Price()) + 1;
    if (divisor == 0) return 0;
    return TruncToInt(static_cast<double>(std::int64_t{Tastiness(state, food)} * 100 / divisor));
}

double DishAppeal(const PlayState& state, const Food& food) {
    const double value = DishValuePercent(state, food);
    const double dearness = std::max(0.5, 1.0 - 0.5 * (food.Price() / kDearPriceStep));
    return dearness * value * value * 0.003;
}

int DishScore(const PlayState& state, const Food& food) {
    return TruncToInt(food.Price() * DishAppeal(state, food) * 0.001);
}

const char* DishRatingOfScore(int score) {
    for (const RatingBand& band : kRatingBands)
        if (score >= band.from) return band.text;
    return "問題外";
}

const char* DishRating(const PlayState& state, const Food& food) {
    return DishRatingOfScore(DishScore(state, food));
}

bool Chance(double percent) { return Rand() % 10000 < percent * 100; }
