#include "game/economy/customers.h"

#include "game/rules/equipment.h"

namespace {

// The accessories that draw customers; the first worn one counts.
struct DrawingAccessory {
    const char* name;
    float factor;
};
constexpr DrawingAccessory kDrawingAccessories[] = {
    {"看板娘だすき", 2.0f},
    {"客寄せパンダ", 1.5f},
};

constexpr int kOpeningHour = 7;
constexpr int kClosingHour = 22;
constexpr int kBusyFactor = 3;

}  // namespace

bool IsShopOpen(const GameClock& clock) {
    return clock.hour >= kOpeningHour && clock.hour < kClosingHour;
}

bool IsBusyHour(const GameClock& clock) {
    return (clock.hour >= 12 && clock.hour <= 13) || (clock.hour >= 18 && clock.hour <= 20);
}

float CustomerDrawFactor(const PlayState& state) {
    float factor = 1.0f;
    for (const DrawingAccessory& accessory : kDrawingAccessories) {
        if (IsAccessoryEquipped(state, accessory.name)) {
            factor = accessory.factor;
            break;
        }
    }
    return static_cast<float>(factor * state.customer_factor * state.reputation * 0.1);
}

int CustomerChance(const PlayState& state, int restaurant_rank) {
    const float base = static_cast<float>(restaurant_rank) * CustomerDrawFactor(state);
    return static_cast<int>(IsBusyHour(state.clock) ? base * kBusyFactor : base);
}
