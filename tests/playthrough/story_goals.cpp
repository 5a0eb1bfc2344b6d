// The story's goals on the path: the fermenting pot, ラザニア for Narf, the day out for
// ココロの実, and the memory dish that cures Cherry.
#include "engine/common/sjis.h"
#include "engine/framework/game_mediator.h"
#include "game/main/vemu_comp.h"
#include "tests/playthrough/goals.h"

namespace play_test {

namespace {

// 発酵 needs the fermenting pot; the tool shop sells it.
constexpr const char8_t* kFermentingPot = u8"魔法の壺";

}  // namespace

testing::AssertionResult Path::OwnItem(const std::string& item) {
    CItemBag& bag = script_.play().mediator().items();
    if (bag.FindItemIndex(sjis::FromUtf8(item).c_str()) >= 0) return testing::AssertionSuccess();
    return script_.BuyItem(item, 1);
}

testing::AssertionResult Path::LasagnaForNarf() {
    if (auto r = OwnItem(Text(kFermentingPot)); !r) return r;
    if (auto r = CookFromShops({{Text(u8"ミルク"), 1}, {Text(u8"塩"), 1}, {Text(u8"万能酵母"), 1}},
                               u8"発酵", Text(u8"チーズ"));
        !r)
        return r;
    const std::string cheese = script_.last_dish();
    if (auto r = CookFromShops({{Text(u8"小麦粉"), 1}}, u8"加工", Text(u8"パスタ")); !r) return r;
    const std::string pasta = script_.last_dish();
    if (auto r =
            CookFromShops({{pasta, 1}, {Text(u8"牛肉"), 1}, {Text(u8"トマト"), 1}, {cheese, 1}},
                          u8"焼く", Text(u8"ラザニア"));
        !r)
        return r;
    // The menu's second place: the shop's own dish keeps selling beside it, and the story
    // comes only while something sells.
    if (script_.play().state().menu_max < 2)
        if (auto r = script_.Expand(); !r) return r;
    return script_.PutOnMenu(script_.last_dish(), 1);
}

testing::AssertionResult Path::OutingDay(const std::string& wanted) {
    if (auto r = Stock(4.0f); !r) return r;
    if (auto r = script_.Outing(u8"マナの森", [&] { return Held(wanted) > 0.0f; }); !r) return r;
    return script_.RestToMorning();
}

testing::AssertionResult Path::CookMemorial() {
    if (auto r = CookFromShops({{Text(u8"ミント"), 1}, {Text(u8"ココロの実"), 1}}, u8"発酵",
                               Text(u8"マインドミント"));
        !r)
        return r;
    const std::string mint = script_.last_dish();
    return CookFromShops({{Text(u8"メモリーパロット"), 1}, {mint, 1}, {Text(u8"バーメメント"), 1}},
                         u8"混ぜる", Text(u8"メモリアル"));
}

}  // namespace play_test
