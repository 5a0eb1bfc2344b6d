// The panel beside the list: what the row under the cursor is about, or the shop's status on
// the main commands. A panel is drawn only for something that exists: an empty list, a cursor
// outside it, a missing dish or item draws none.
#include "engine/framework/game_mediator.h"
#include "game/cooking/dish_value.h"
#include "game/economy/owned_items.h"
#include "game/main/draw_text.h"
#include "game/main/vemu_comp.h"
#include "game/main/view.h"
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
    const int cursor = game.screens().cursor();
    const std::vector<MenuEntry>& entries = game.stage().entries();
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

PlayView::PanelContent PlayView::ShownInPanel() const {
    const ScreenRow* row = FindScreenRow(game_.screens().id());
    if (!row) return {};
    const MenuEntry* entry = EntryAtCursor(game_);
    const int cursor = game_.screens().cursor();
    auto food = [](PanelContent::Kind kind, const Food* shown) {
        return shown ? PanelContent{kind, shown} : PanelContent{};
    };
    auto entry_of = [](const FoodDef* def) {
        return def ? PanelContent{PanelContent::kEntry, nullptr, def} : PanelContent{};
    };
    auto item_of = [](const CItem* item) {
        return item ? PanelContent{PanelContent::kItem, nullptr, nullptr, item} : PanelContent{};
    };
    switch (row->panel) {
        case ScreenPanel::kNone:
            return {};
        case ScreenPanel::kPantryFood:
            return food(PanelContent::kFood,
                        entry ? At(game_.world().kitchen.pantry(), entry->value) : nullptr);
        case ScreenPanel::kIngredientEntry:
        case ScreenPanel::kRecipeEntry: {
            const int offset = row->panel == ScreenPanel::kRecipeEntry ? kPlainIngredientCount : 0;
            const Recipe* recipe =
                cursor >= 0 ? At(game_.world().book.recipes, cursor + offset) : nullptr;
            if (!recipe || !recipe->def || !recipe->def->known) return {};
            if (recipe->last_result) return food(PanelContent::kDish, recipe->last_result.get());
            return entry_of(recipe->def);
        }
        case ScreenPanel::kStatus:
            return {PanelContent::kStatus};
        case ScreenPanel::kSelling:
            return {PanelContent::kSelling};
        case ScreenPanel::kOwnedItem:
            return item_of(entry ? game_.mediator().items().GetItemAt(entry->value) : nullptr);
        case ScreenPanel::kPawnItem:
            return item_of(game_.stage().shop_window().GetSelectedItem());
        case ScreenPanel::kFoodGoods:
            return entry_of(At(game_.world().food_goods[game_.world().goods_in_use], cursor));
        case ScreenPanel::kToolGoods:
            return item_of(At(game_.world().item_goods[game_.world().goods_in_use], cursor));
        case ScreenPanel::kEquipment: {
            // The slot's worn item while a slot is chosen, then the bag's item under the cursor
            // (the take-off row has none).
            if (game_.screens().play().equipment_phase == 0) {
                const std::unique_ptr<CItem>* worn = EquipSlot(game_.state(), cursor);
                return item_of(worn ? worn->get() : nullptr);
            }
            if (entry && entry->value >= 0)
                return item_of(game_.mediator().items().GetItemAt(entry->value));
            return {};
        }
        // The made dish itself goes into the pantry, which may merge it away; the candidate is
        // its own copy.
        case ScreenPanel::kCandidateDish:
            return food(PanelContent::kDish, game_.world().candidate_dish.get());
        case ScreenPanel::kMenuDish:
            return food(PanelContent::kDish, At(game_.world().kitchen.menu, cursor));
        case ScreenPanel::kKeepWhichDish:
            return food(PanelContent::kDish,
                        cursor == 0 ? At(game_.world().kitchen.menu, game_.world().chosen_menu_slot)
                                    : static_cast<const Food*>(game_.world().candidate_dish.get()));
    }
    return {};
}

void PlayView::DrawInfoPanel() const {
    const PanelContent shown = ShownInPanel();
    switch (shown.kind) {
        case PanelContent::kNothing:
            return;
        case PanelContent::kFood:
            DrawFoodInfo(*shown.food);
            return;
        case PanelContent::kDish:
            DrawDishInfo(*shown.food);
            return;
        case PanelContent::kEntry:
            DrawEntryInfo(*shown.entry);
            return;
        case PanelContent::kItem:
            ItemInfoPanel(*shown.item);
            return;
        case PanelContent::kStatus:
            DrawStatusPanel();
            return;
        case PanelContent::kSelling:
            DrawSellingView();
            return;
    }
}

void PlayView::DrawStatusPanel() const {
    DFont* font = &game_.stage().panel_font();
    auto label = [&](int x, int y, const char* text) {
        graphics().DrawText(x, y, text, kMessageColor, font, play_draw::kLineFormat);
    };
    label(310, 165, "店舗レベル");
    play_draw::DrawValue(
        graphics(), 438, 165,
        RestaurantRank(game_.state(), game_.world().kitchen, DishScoreMeasure(game_.state())),
        nullptr, font);
    label(479, 165, "評判");
    play_draw::DrawValue(graphics(), 575, 165, static_cast<int>(game_.state().reputation), nullptr,
                         font);
    label(326, 185, game_.state().status_text.c_str());
    // Only the skills past level 1 take a row, one under the other without gaps.
    int y = 205;
    for (const SkillRow& row : kSkillRows) {
        const int level = game_.state().skill_level[static_cast<std::size_t>(row.slot)];
        if (level <= 1) continue;
        label(310, y, row.label);
        play_draw::DrawValue(graphics(), 438, y, level, nullptr, font);
        y += 20;
    }
}
