#include "game/economy/taxes.h"

#include <cstdint>

namespace {

constexpr std::int64_t kHalfRateFrom = 500000;
constexpr int kAssetTax = 1000;

}  // namespace

int IncomeTax(const PlayState& state) {
    // In 64 bits: the square of any profit past 46340 leaves the int range.
    const std::int64_t profit = static_cast<std::int64_t>(state.income) - state.expenses;
    if (profit <= 0) return 0;
    if (profit > kHalfRateFrom) return static_cast<int>(static_cast<double>(profit) * 0.5);
    return static_cast<int>(static_cast<double>(profit * profit) * 0.000001);
}

int AssetTax() { return kAssetTax; }
