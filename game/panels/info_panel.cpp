// The panel beside the list: what the row under the cursor is about, or the shop's status on
// the main commands. A panel is drawn only for something that exists: an empty list, a cursor
// outside it, a missing dish or item draws none.
#include "engine/framework/game_mediator.h"
#include "game/cooking/dish_value.h"
#include "game/economy/owned_items.h"
#include "game/main/draw_text.h"
#include "game/main/vemu_comp.h"
#include "game/rules/shop_rank.h"
#include "game/screens/screen_table.h"

namespace {

using play_draw::kMessageColor;

template <typename T>
T* At(const std::vector<std::unique_ptr<T>>& list, int index) {
    if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
    return list[static_cast<std::size_t>(index)].get();
}
template <typename T>
T* At(const std::vector<T*>& list, int index) {
    if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
    return list[static_cast<std::size_t>(index)];
}

// The list entry under the cursor, or null.
const MenuEntry* EntryAtCursor(CVemuComp& game) {
    const int cursor = game.screen_cursor();
    const std::vector<MenuEntry>& entries = game.entries();
    if (cursor < 0 || cursor >= static_cast<int>(entries.size())) return nullptr;
    return &entries[static_cast<std::size_t>(cursor)];
}

// The skills with a row on the status panel, in their order; 混ぜる has none.
struct SkillRow {
    MethodSlot slot;
    const char* label;
};
constexpr SkillRow kSkillRows[] = {
    {kSlotProcess, "加工レベル"}, {kSlotBake, "焼き物レベル"},  {kSlotBoil, "煮物レベル"},
    {kSlotFry, "揚げ物レベル"},   {kSlotFerment, "発酵レベル"},
};

}  // namespace

void CVemuComp::DrawInfoPanel() {
    const ScreenRow* row = FindScreenRow(screen_id());
    if (!row) return;
    const MenuEntry* entry = EntryAtCursor(*this);
    const int cursor = screen_cursor();
    switch (row->panel) {
        case ScreenPanel::kNone:
            return;
        case ScreenPanel::kPantryFood:
            if (const Food* food = entry ? At(world_.kitchen.pantry(), entry->value) : nullptr)
                DrawFoodInfo(*food);
            return;
        case ScreenPanel::kIngredientEntry:
        case ScreenPanel::kRecipeEntry: {
            const int offset = row->panel == ScreenPanel::kRecipeEntry ? kPlainIngredientCount : 0;
            const Recipe* recipe = cursor >= 0 ? At(world_.book.recipes, cursor + offset) : nullptr;
            if (!recipe || !recipe->def || !recipe->def->known) return;
            if (recipe->last_result)
                DrawDishInfo(*recipe->last_result);
            else
                DrawEntryInfo(*recipe->def);
            return;
        }
        case ScreenPanel::kStatus:
            DrawStatusPanel();
            return;
        case ScreenPanel::kSelling:
            DrawSellingView();
            return;
        case ScreenPanel::kOwnedItem:
            if (CItem* item = entry ? mediator_->items().GetItemAt(entry->value) : nullptr)
                ItemInfoPanel(*item);
            return;
        case ScreenPanel::kPawnItem:
            if (CItem* item = shop_window_.GetSelectedItem()) ItemInfoPanel(*item);
            return;
        case ScreenPanel::kFoodGoods:
            if (const FoodDef* def = At(food_goods(world_.goods_in_use), cursor))
                DrawEntryInfo(*def);
            return;
        case ScreenPanel::kToolGoods:
            if (const CItem* item = At(item_goods(world_.goods_in_use), cursor))
                ItemInfoPanel(*item);
            return;
        case ScreenPanel::kEquipment: {
            // The slot's worn item while a slot is chosen, then the bag's item under the cursor
            // (the take-off row has none).
            const CItem* item = nullptr;
            if (screens_.play().equipment_phase == 0) {
                const std::unique_ptr<CItem>* worn = EquipSlot(world_.state, cursor);
                item = worn ? worn->get() : nullptr;
            } else if (entry && entry->value >= 0) {
                item = mediator_->items().GetItemAt(entry->value);
            }
            if (item) ItemInfoPanel(*item);
            return;
        }
        // The made dish itself goes into the pantry, which may merge it away; the candidate is
        // its own copy.
        case ScreenPanel::kCandidateDish:
            if (const Food* dish = world_.candidate_dish.get()) DrawDishInfo(*dish);
            return;
        case ScreenPanel::kMenuDish:
            if (const Food* dish = At(world_.kitchen.menu, cursor)) DrawDishInfo(*dish);
            return;
        case ScreenPanel::kKeepWhichDish: {
            const Food* dish = cursor == 0 ? At(world_.kitchen.menu, world_.chosen_menu_slot)
                                           : static_cast<const Food*>(world_.candidate_dish.get());
            if (dish) DrawDishInfo(*dish);
            return;
        }
    }
}

void CVemuComp::DrawStatusPanel() {
    DFont* font = &font14_;
    auto label = [&](int x, int y, const char* text) {
        graphics_->DrawText(x, y, text, kMessageColor, font, play_draw::kLineFormat);
    };
    label(310, 165, "店舗レベル");
    play_draw::DrawValue(
        *graphics_, 438, 165,
        RestaurantRank(world_.state, world_.kitchen, DishScoreMeasure(world_.state)), nullptr,
        font);
    label(479, 165, "評判");
    play_draw::DrawValue(*graphics_, 575, 165, static_cast<int>(world_.state.reputation), nullptr,
                         font);
    label(326, 185, world_.state.status_text.c_str());
    // Only the skills past level 1 take a row, one under the other without gaps.
    int y = 205;
    for (const SkillRow& row : kSkillRows) {
        const int level = world_.state.skill_level[static_cast<std::size_t>(row.slot)];
        if (level <= 1) continue;
        label(310, y, row.label);
        play_draw::DrawValue(*graphics_, 438, y, level, nullptr, font);
        y += 20;
    }
}
