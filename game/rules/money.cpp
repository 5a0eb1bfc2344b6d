#include "game/rules/money.h"

#include <array>
#include <utility>

int ShopExpansionCost(int level) {
    static constexpr std::array<std::pair<int, int>, 7> kPrices = {{
        {2, 2000},
        {3, 4000},
        {4, 8000},
        {5, 15000},
        {6, 30000},
        {7, 50000},
        {8, 100000},
    }};
    for (const auto& [at, price] : kPrices) {
        if (at == level) return price;
    }
    return 5000;
}

int ChangeMoney(PlayState& state, CQZSharedData& values, int amount) {
    values.AddValue("money", amount);
    state.money = values.GetValue("money", 0);
    return state.money;
}

void AddMoney(PlayState& state, CQZSharedData& values, int amount) {
    ChangeMoney(state, values, amount);
    if (amount >= 1)
        state.income += amount;
    else
        state.expenses -= amount;
}

void EaseShownMoney(PlayState& state) {
    int& shown = state.shown_money;
    if (shown == state.money) return;
    const long long gap = static_cast<long long>(state.money) - shown;
    long long step = (gap < 0 ? -gap : gap) / 10;
    if (step < 1) step = 1;
    shown = static_cast<int>(gap > 0 ? shown + step : shown - step);
}
