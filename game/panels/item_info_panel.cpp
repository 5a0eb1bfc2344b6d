// The item's panel of the owned items, the equipment and the item shops: what it is, what it
// does as far as a number says it, its kind and how many the player has. Everything is worked
// out as it is drawn, so a purchase or a change of clothes shows at once.
#include <cstdio>
#include <string_view>

#include "engine/framework/game_mediator.h"
#include "game/economy/item_table.h"
#include "game/economy/owned_items.h"
#include "game/main/vemu_comp.h"
#include "game/main/view.h"
#include "game/panels/panel_text.h"

namespace {

using namespace economy_panels;

constexpr int kKindY = 230, kKindNameX = 452, kOwnedY = 250;
constexpr int kDifferenceX = 466;
constexpr std::uint32_t kBetterColor = 0xFFFF4000;
constexpr std::uint32_t kWorseColor = 0xFF0000FF;

// The magic whose level the game keeps, by the shared value's name; other magic has none.
struct MagicLevel {
    const char* item;
    const char* value;
};
constexpr MagicLevel kMagicLevels[] = {
    {"マジックシード", "lv_normal"}, {"フレイムカッター", "lv_wide"},
    {"サンダーレイ", "lv_thunder"},  {"エクスプロード", "lv_explode"},
    {"キノコの根性", "lv_option"},   {"スリーピング", "lv_sleepin"},
    {"トレーサー", "lv_tracer"},
};

const char* const kKindNames[] = {"その他", "魔法", "防具", "靴", "装飾", "器具"};

int MagicLevelOf(CQZSharedData& values, std::string_view name) {
    for (const MagicLevel& magic : kMagicLevels)
        if (name == magic.item) return values.GetValue(magic.value, 1);
    return 0;
}

// The value of an item by its row in the item table (0 for a name it lacks).
int TableValue(const CItem* item) {
    const ItemRow* row = item ? FindItemRow(item->GetName()) : nullptr;
    return row ? row->value : 0;
}

}  // namespace

void PlayView::ItemInfoPanel(const CItem& item) const {
    const PanelText text{graphics(), &game_.stage().panel_font(), &game_.stage().small_font()};
    const ItemRow* row = FindItemRow(item.GetName());
    text.Line(kTitleX, kTitleY, item.GetName());
    text.Description(row ? row->description : "");

    const int value = row ? row->value : 0;
    switch (item.kind) {
        case kItemMagic: {
            text.Line(kLabelX, kFirstRowY, "レベル");
            const int level = MagicLevelOf(game_.mediator().values(), item.GetName());
            if (level == 0)
                text.RightAligned(kValueX, kFirstRowY, "-");
            else
                text.Value(kFirstRowY, level, nullptr);
            break;
        }
        case kItemClothing:
        case kItemShoes: {
            const bool clothing = item.kind == kItemClothing;
            text.Line(kLabelX, kFirstRowY, clothing ? "防御力" : "移動力");
            text.Value(kFirstRowY, value, " pt");
            const std::unique_ptr<CItem>* worn =
                EquipSlot(game_.state(), clothing ? kEquipClothing : kEquipShoes);
            const int difference = value - TableValue(worn ? worn->get() : nullptr);
            char shown[24];
            if (difference > 0) {
                std::snprintf(shown, sizeof shown, "+ %d", difference);
                text.Line(kDifferenceX, kFirstRowY, shown, kBetterColor);
            } else if (difference < 0) {
                std::snprintf(shown, sizeof shown, "- %d", -difference);
                text.Line(kDifferenceX, kFirstRowY, shown, kWorseColor);
            }
            break;
        }
        case kItemUtensil:
            text.Line(kLabelX, kFirstRowY, "性能");
            text.Value(kFirstRowY, value, nullptr);
            break;
        default:
            text.RightAligned(kValueX, kFirstRowY, "-");
            break;
    }

    text.Line(kLabelX, kKindY, "種別");
    const bool known_kind = item.kind >= 0 && item.kind < static_cast<int>(std::size(kKindNames));
    text.RightAligned(kKindNameX, kKindY, kKindNames[known_kind ? item.kind : 0]);
    text.Line(kLabelX, kOwnedY, "所持数");
    text.Value(kOwnedY, OwnedCount(game_.state(), game_.mediator().items(), item), nullptr);
}
