#include "game/economy/pantry_list.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace {

std::string AmountText(const Food& food) {
    std::string text;
    if (food.amount >= 1.0f) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%d ヶ", static_cast<int>(food.amount));
        text = buffer;
    } else {
        text = "少し";
    }
    if (food.on_menu) text += "[M]";
    return text;
}

}  // namespace

void BuildPantryList(const Kitchen& kitchen, int align_type, std::vector<MenuEntry>& entries) {
    const Pantry& pantry = kitchen.pantry();
    std::vector<int> order(pantry.size());
    std::iota(order.begin(), order.end(), 0);
    auto at = [&pantry](int i) -> const Food& { return *pantry[static_cast<std::size_t>(i)]; };
    // Names compare byte by byte as unsigned values (std::string's order), so a half-width
    // kana name sorts among the full-width ones by its single byte, not before plain ASCII.
    if (align_type == kPantryOrderByName)
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return at(a).name < at(b).name; });
    else if (align_type == kPantryOrderByDaysLeft)
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return at(a).days < at(b).days; });

    entries.clear();
    entries.reserve(order.size());
    for (int index : order) {
        MenuEntry entry;
        entry.label = at(index).name;
        entry.second_text = AmountText(at(index));
        entry.value = index;
        entries.push_back(std::move(entry));
    }
}
