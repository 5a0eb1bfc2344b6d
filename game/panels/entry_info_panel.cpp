// The catalogue entry's panel of the food shops and the ingredient dictionary.
#include <algorithm>

#include "game/food/food_def.h"
#include "game/main/vemu_comp.h"
#include "game/main/view.h"
#include "game/panels/panel_text.h"

namespace {

using namespace economy_panels;

}  // namespace

void PlayView::DrawEntryInfo(const FoodDef& def) const {
    const PanelText text{graphics(), &game_.stage().panel_font(), &game_.stage().small_font()};
    text.Line(kTitleX, kTitleY, def.name.c_str());
    text.Description(def.description.c_str());
    struct Row {
        const char* label;
        int value;
        const char* unit;
    };
    const Row rows[] = {
        {"価格", def.price, " クル"},
        {"おいしさ", def.base_taste, " pts"},
        {"量", static_cast<int>(def.unit_weight), " グラム"},
        // Sales only ever add up: a count past what the row can show stays at its top.
        {"販売数", static_cast<int>(std::min(def.familiarity, 2.0e9f)), " ヶ"},
    };
    int y = kFirstRowY;
    for (const Row& row : rows) {
        text.Line(kLabelX, y, row.label);
        text.Value(y, row.value, row.unit);
        y += kRowPitch;
    }
    text.Line(kLabelX, y, "賞味期限");
    if (def.days_limit >= kNeverSpoils)
        text.RightAligned(kValueX, y, "-");
    else
        text.Value(y, def.days_limit, " 日");
}
