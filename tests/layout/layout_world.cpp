#include "tests/layout/layout_world.h"

#include <algorithm>
#include <cstdlib>

#include "engine/graphics/direct_graphics.h"
#include "engine/graphics/glyph_source.h"
#include "game/cooking/dish_name.h"
#include "game/economy/item_table.h"
#include "game/food/food_def.h"
#include "platform/common/font_face.h"
#include "tests/support/golden.h"

namespace layout_test {

namespace {

std::vector<std::string> LongestBy(std::vector<std::pair<std::string, std::size_t>> rows,
                                   int count) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    std::vector<std::string> out;
    for (int i = 0; i < count && i < static_cast<int>(rows.size()); ++i)
        out.push_back(rows[i].first);
    return out;
}

}  // namespace

LayoutWorld::LayoutWorld(bool system_fonts) {
    if (!system_fonts) return;
    std::unique_ptr<GlyphSource> glyphs =
        MakeFreeTypeGlyphSource(platform::FindMinchoFontFile(), platform::FindGothicFontFile());
    fonts_found_ = glyphs != nullptr;
    if (glyphs) app().runtime().graphics.SetGlyphSource(std::move(glyphs));
}

testing::AssertionResult LayoutWorld::StartPlaying() {
    testing::AssertionResult started = NewGame();
    if (!started) return started;
    SkipOpening();
    return testing::AssertionSuccess();
}

LayoutReport LayoutWorld::Check() const {
    SceneTextures& t = game().stage().textures();
    LayoutNames labels;
    for (std::size_t d = 0; d < t.digits.size(); ++d)
        labels[t.digits[d].GetIndex()] = "digit " + std::to_string(d);
    labels[t.icon_year.GetIndex()] = "year sign";
    labels[t.icon_month.GetIndex()] = "month sign";
    labels[t.icon_day.GetIndex()] = "day sign";
    labels[t.icon_colon.GetIndex()] = "hour colon";
    labels[t.icon_money.GetIndex()] = "money sign";
    const std::set<int> ignored = {t.cursor.GetIndex(), t.cursor_held.GetIndex()};
    LayoutNames names = {
        {t.background.GetIndex(), "bg"},
        {t.paper.GetIndex(), "paper"},
        {t.name_board.GetIndex(), "nameboard"},
        {t.ribbon.GetIndex(), "ribbon"},
        {t.sun.GetIndex(), "sun"},
        {t.moon.GetIndex(), "moon"},
        {t.life.GetIndex(), "life"},
        {t.gauge.GetIndex(), "gage"},
        {t.shop_frame.GetIndex(), "shop_frame"},
        {t.message_window.GetIndex(), "MsgWindow"},
        {t.character_frame.GetIndex(), "character_frame"},
        {t.item_board.GetIndex(), "itemboard"},
        {t.item_board_on.GetIndex(), "itemboard_on"},
        {t.item_board2.GetIndex(), "itemboard2"},
        {t.item_board2_on.GetIndex(), "itemboard2_on"},
        {t.item_board3.GetIndex(), "itemboard3"},
        {t.item_board3_on.GetIndex(), "itemboard3_on"},
        {t.page_up.GetIndex(), "page_up"},
        {t.page_down.GetIndex(), "page_down"},
        {t.heroine_idle.GetIndex(), "vemu"},
        {t.back_shop.GetIndex(), "bkshop"},
        {t.front_shop.GetIndex(), "frshop"},
    };
    for (std::size_t b = 0; b < t.buttons.size(); ++b)
        names[t.buttons[b].GetIndex()] = "sort icon " + std::to_string(b);
    const std::set<int> whole = {t.sun.GetIndex(), t.moon.GetIndex()};
    const BoardPictures boards = {
        {t.item_board.GetIndex(), t.item_board2.GetIndex(), t.item_board3.GetIndex()},
        {t.item_board_on.GetIndex(), t.item_board2_on.GetIndex(), t.item_board3_on.GetIndex()}};
    return CheckLayout(app().runtime().graphics, draws().ops, labels, ignored, whole, names,
                       boards);
}

void LayoutWorld::Shoot(const std::string& name) const {
    const char* folder = std::getenv("VEMU_LAYOUT_SHOTS");
    if (!folder || !*folder) return;
    WritePng(std::string(folder) + "/" + name + ".png", app().runtime().graphics.Pixels(),
             CDirectGraphics::kScreenWidth, CDirectGraphics::kScreenHeight);
}

std::vector<std::string> LongestEntryNames(int count) {
    std::vector<std::pair<std::string, std::size_t>> rows;
    for (const auto& def : GlobalFoodCatalogue()) rows.emplace_back(def->name, def->name.size());
    return LongestBy(rows, count);
}

std::vector<std::string> LongestEntryDescriptions(int count) {
    std::vector<std::pair<std::string, std::size_t>> rows;
    for (const auto& def : GlobalFoodCatalogue())
        rows.emplace_back(def->name, def->description.size());
    return LongestBy(rows, count);
}

std::vector<std::string> LongestItemNames(int count) {
    std::vector<std::pair<std::string, std::size_t>> rows;
    for (const ItemRow& row : ItemTable())
        rows.emplace_back(row.name, std::string(row.name).size());
    return LongestBy(rows, count);
}

std::vector<std::string> LongestItemDescriptions(int count) {
    std::vector<std::pair<std::string, std::size_t>> rows;
    for (const ItemRow& row : ItemTable())
        rows.emplace_back(row.name, std::string(row.description).size());
    return LongestBy(rows, count);
}

std::vector<std::string> LongDishNames() {
    return {play_test::Sjis(u8"タマネギ入りニンニクなしトマトソース"),
            play_test::Sjis(u8"ゼルゼルダケ入り万能酵母なしパン")};
}

}  // namespace layout_test

namespace layout_test {

std::vector<std::string> LongestDishNames(const RecipeBook& book) {
    const Recipe* longest = nullptr;
    for (const auto& recipe : book.recipes)
        if (!longest || recipe->name.size() > longest->name.size()) longest = recipe.get();
    const std::string rotten = play_test::Sjis(u8"腐った");
    std::vector<std::string> names = {
        rotten + play_test::Sjis(u8"ミルク仕立てのふわとろ小麦粉入り大豆サラダ")};
    // Bonus words too long for any form leave only the fallback.
    if (longest)
        names.push_back(rotten + NameDish(std::string(kDishNameLimit, 'x'), *longest, {}, {}, {}));
    return names;
}

}  // namespace layout_test
