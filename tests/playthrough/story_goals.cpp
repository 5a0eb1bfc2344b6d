// The story's goals on the path: ラザニア for Narf, the day out for ココロの実, and the memory
// dish that cures Cherry, each cooked by its steps in the shared table.
#include "engine/common/sjis.h"
#include "game/main/vemu_comp.h"
#include "tests/playthrough/goals.h"

namespace play_test {

testing::AssertionResult Path::LasagnaForNarf() {
    if (auto r = CookStoryDish(Utf8(u8"ラザニア")); !r) return r;
    const std::string lasagna = script_.last_dish();
    // The menu's second place: the shop's own dish keeps selling beside it, and the story
    // comes only while something sells.
    if (script_.play().state().menu_max < 2)
        if (auto r = script_.Expand(); !r) return r;
    return script_.PutOnMenu(lasagna, 1);
}

testing::AssertionResult Path::OutingDay(const std::string& wanted) {
    if (auto r = Stock(4.0f); !r) return r;
    if (auto r = script_.Outing(u8"マナの森", [&] { return Held(wanted) > 0.0f; }); !r) return r;
    return script_.RestToMorning();
}

testing::AssertionResult Path::CookMemorial() {
    if (auto r = CookStoryDish(Utf8(u8"マインドミント")); !r) return r;
    return CookStoryDish(Utf8(u8"メモリアル"));
}

}  // namespace play_test
