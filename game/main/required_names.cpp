#include "game/main/required_names.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "game/clock/clock_world.h"
#include "game/data/recipe_book.h"
#include "game/economy/item_table.h"
#include "game/economy/shares.h"
#include "game/food/food_category.h"
#include "game/food/food_def.h"
#include "game/main/goods_lists.h"
#include "game/screens/outing_finds.h"

namespace {

// Dishes the story's lines name to the player without any code looking them up: the Taste
// King's hints, and the memory dish's second ingredient that he tells of.
constexpr const char* kToldDishes[] = {"マインドミント", "生クリーム", "パン",   "豆腐",
                                       "フライ",         "ロコモコ",   "ごはん", "玉子焼き"};

// Accessories and furniture whose effects the rules test by name.
constexpr const char* kEffectItems[] = {kWitchFridgeName,   "ガッツリング", "超ガッツリング",
                                        "快眠ブレスレット", "看板娘だすき", "客寄せパンダ",
                                        "招き猫",           "七福神"};

// Characters 1 to 19 with every expression their scenes show. An expression without a picture
// of its own shows the normal one, so the title demo's faces of ゼルバ need none.
const RequiredPortrait kPortraits[] = {
    {1, {kNormal, kSmile, kGlad, kTear, kAnger, kAnnoy, kAmaze}},
    {2, {kNormal, kTear, kAnger, kAnnoy, kAmaze}},
    {3, {kNormal}},
    {4, {kNormal}},
    {5, {kNormal, kSmile, kTear}},
    {6, {kNormal, kSmile, kTear}},
    {7, {kNormal}},
    {8, {kNormal}},
    {9, {kNormal}},
    {10, {kNormal}},
    {11, {kNormal}},
    {12, {kNormal}},
    {13, {kNormal}},
    {14, {kNormal}},
    {15, {kNormal}},
    {16, {kNormal}},
    {17, {kNormal, kSmile, kAnger}},
    {18, {kNormal, kSmile, kGlad, kAmaze}},
    {19, {kNormal}},
};

// Every piece the game plays; 14 and 16 have no file in the music mode the game runs in.
constexpr MusicId kMusic[] = {kMusicQuietShop,     kMusicCookingCompetition, kMusicWiggleGustation,
                              kMusicNatchNatch,    kMusicLetsCooking,        kMusicThemeOfVemu,
                              kMusicZelbaBlues,    kMusicDreaminMush,        kMusicThemeOfNarf,
                              kMusicZingiberMioga, kMusicMerrimentTown,      kMusicDeliciousYyoo,
                              kMusicUmaizo2,       kMusicHeldMemories};

void AddOnce(std::vector<const char*>& list, const char* name) {
    for (const char* held : list)
        if (std::string_view(held) == name) return;
    list.push_back(name);
}

constexpr SoundEffect kStoryEffects[] = {kSoundBell,  kSoundGet,       kSoundBuy,
                                         kSoundAhead, kSoundSelectOff, kSoundRooster};

void AddFoods(RequiredNames& names) {
    const FoodRole plain = FoodRole::kIngredient;
    for (const FoodGoodsList& goods : kFoodGoodsLists) names.AddFoods(goods.names, plain);
    names.AddFoods(kStartingFoods, plain);
    names.AddFoods(kOutingFirstFinds, plain);
    names.AddFoods(kOutingSecondFinds, plain);
    names.AddFood(kRotEntryName, plain);

    const FoodRole dish = FoodRole::kDish;
    names.AddFood(kMemoryFoodFirst, dish);
    names.AddFood(kMemoryFoodSecond, dish);
    names.AddFoods(kToldDishes, dish);
    for (const ShareRecord& share : ShareTable()) names.AddFood(share.product, FoodRole::kEither);
}

void AddItems(RequiredNames& names) {
    for (const ItemGoodsList& goods : kItemGoodsLists)
        for (const char* name : goods.names) names.AddItem(name);
    for (const WornItem& worn : kStartKitWorn) names.AddItem(worn.name);
    for (const char* name : kStartKitOwned) names.AddItem(name);
    for (const ShareRecord& share : ShareTable()) names.AddItem(share.company);
    for (const char* name : kEffectItems) names.AddItem(name);
}

RequiredNames BuildTable() {
    RequiredNames names;
    AddFoods(names);
    AddItems(names);
    AddStoryNames(names);
    names.portraits.assign(std::begin(kPortraits), std::end(kPortraits));
    names.music.assign(std::begin(kMusic), std::end(kMusic));
    names.effects.assign(std::begin(kStoryEffects), std::end(kStoryEffects));
    return names;
}

bool HoldsCookedDish(const RecipeBook& book, const char* category) {
    return std::any_of(book.recipes.begin(), book.recipes.end(), [category](const auto& recipe) {
        return recipe->method_mask != 0 && recipe->def && IsInCategory(recipe->def, category);
    });
}

}  // namespace

void RequiredNames::AddFood(const char* name, FoodRole role) {
    for (const RequiredFood& held : foods)
        if (std::string_view(held.name) == name) return;
    foods.push_back({name, role});
}

void RequiredNames::AddItem(const char* name) { AddOnce(items, name); }
void RequiredNames::AddCategory(const char* name) { AddOnce(categories, name); }

const RequiredNames& RequiredNameTable() {
    static const RequiredNames table = BuildTable();
    return table;
}

std::vector<std::string> MissingRequiredNames(const RecipeBook& book) {
    const RequiredNames& table = RequiredNameTable();
    std::vector<std::string> missing;
    for (const RequiredFood& food : table.foods)
        if (!FindFoodDef(food.name)) missing.emplace_back(food.name);
    for (const char* item : table.items)
        if (!FindItemRow(item)) missing.emplace_back(item);
    for (const char* category : table.categories)
        if (!HoldsCookedDish(book, category)) missing.emplace_back(category);
    return missing;
}

std::string MissingNamesMessage(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        if (!text.empty()) text += "、";
        text += name;
    }
    return text + " がありません";
}
