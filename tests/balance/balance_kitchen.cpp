#include "tests/balance/balance_kitchen.h"

#include <algorithm>
#include <cstdlib>
#include <set>

#include "engine/common/game_path.h"
#include "engine/common/sjis.h"
#include "events/chains/chain_foods.h"
#include "events/contest/contest_table.h"
#include "events/month/recipe_rewards.h"
#include "events/visitors/visit_foods.h"
#include "game/clock/spoiling.h"
#include "game/cooking/dish_value.h"
#include "game/cooking/method_menu.h"
#include "game/cooking/prepare_dish.h"
#include "game/data/data_files.h"
#include "game/economy/item_table.h"
#include "game/economy/shares.h"
#include "game/food/ingredient_names.h"
#include "game/main/goods_lists.h"
#include "game/screens/outing_finds.h"

namespace balance_test {

using play_test::FoodSource;

namespace {

bool Among(const std::string& name, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}
template <typename Names>
bool AmongAll(const std::string& name, const Names& names) {
    return std::any_of(std::begin(names), std::end(names),
                       [&](const char* n) { return n != nullptr && name == n; });
}
bool AnOutingFind(const std::string& name) {
    return AmongAll(name, kOutingFirstFinds) || AmongAll(name, kOutingSecondFinds);
}
bool InGoodsList(const std::string& name, int first, int last) {
    for (const FoodGoodsList& list : kFoodGoodsLists)
        if (list.list >= first && list.list <= last && Among(name, list.names)) return true;
    return false;
}
bool APrizeBefore(const std::string& name, int contest) {
    for (int index = 0; index + 1 < contest; ++index) {
        const ContestRow* row = FindContestRow(index);
        for (const ContestPrize& prize : row->prizes)
            if (prize.label != nullptr && prize.kind == PrizeKind::kFood && name == prize.name)
                return true;
    }
    return false;
}
bool ARewardFood(const std::string& name) {
    for (const RecipeReward& reward : RecipeRewardTable())
        if (reward.kind == kRewardFood && name == reward.name) return true;
    return false;
}
bool ASharesProduct(const std::string& name) {
    for (const ShareRecord& share : ShareTable())
        if (name == share.product) return true;
    return false;
}
bool InShopSlices(const std::string& name) {
    for (FoodShop shop :
         {FoodShop::kGreengrocer, FoodShop::kFruiterer, FoodShop::kButcher, FoodShop::kGrocer})
        if (AmongAll(name, ShopIngredientNames(shop))) return true;
    return false;
}

// The methods a state's utensils cook with, as bits.
int MethodsOf(const PlayState& state) {
    int methods = 0;
    if (state.utensil_level[kSlotProcess] > 0) methods |= kMethodMix | kMethodProcess;
    if (state.utensil_level[kSlotBake] > 0) methods |= kMethodBake;
    if (state.utensil_level[kSlotBoil] > 0) methods |= kMethodBoil;
    if (state.utensil_level[kSlotFry] > 0) methods |= kMethodFry;
    if (state.utensil_level[kSlotFerment] > 0) methods |= kMethodFerment;
    return methods;
}

// A pot of whole units of foods, as the cooking screen fills it; null when the method menu
// would not offer the method for it (混ぜる takes several foods, 加工 one).
std::unique_ptr<FoodPot> PotOf(const std::vector<const Food*>& foods, const std::vector<int>& units,
                               int method) {
    auto pot = std::make_unique<FoodPot>();
    for (std::size_t i = 0; i < foods.size(); ++i)
        if (units[i] > 0)
            pot->push_back(std::make_unique<Food>(*foods[i], static_cast<float>(units[i])));
    if (pot->empty()) return nullptr;
    if (method == kMethodMix && pot->size() < 2) return nullptr;
    if (method == kMethodProcess && pot->size() != 1) return nullptr;
    return pot;
}

}  // namespace

BalanceKitchen::BalanceKitchen() {
    ClearFoodCatalogue();
    const char* dir = std::getenv("VEMU_GAME_DIR");
    world_.backend.services().folders.game = dir ? dir : VEMU_GAME_DIR;
    loaded_ = gamepath::Exists(kRecipeFileName) && gamepath::Exists(kBonusFileName) &&
              LoadDataFiles(book_) && world_.backend.dialogs.boxes.empty();
}

BalanceKitchen::~BalanceKitchen() { ClearFoodCatalogue(); }

PlayState BalanceKitchen::StateWith(const std::vector<const char8_t*>& utensils,
                                    const play_test::MethodLevels& skills,
                                    std::vector<std::string>* labels) {
    PlayState state;
    state.first = 0;
    state.skill_level = skills;
    CItemBag bag;
    for (const char8_t* name : utensils) {
        std::unique_ptr<CItem> item = CreateItemByName(Sjis(name));
        if (!item) continue;
        CItem* own = item.release();
        if (bag.AddItem(own, 1) != own) delete own;
    }
    // The menu for one food and for two: 加工 and 混ぜる are the same knife's two entries.
    FoodDef* any = GlobalFoodCatalogue().empty() ? nullptr : GlobalFoodCatalogue().front().get();
    for (int foods : {1, 2}) {
        FoodPot pot;
        for (int i = 0; i < foods && any != nullptr; ++i) pot.push_back(Food::FromDef(any));
        std::vector<MenuEntry> entries;
        BuildMethodMenu(state, bag, pot, entries);
        for (const MenuEntry& entry : entries)
            if (labels != nullptr && entry.value != kDiscardChoice)
                labels->push_back(sjis::ToUtf8(entry.label) + "=" + std::to_string(entry.value));
    }
    return state;
}

Cooked BalanceKitchen::Cook(PlayState& state, const std::vector<play_test::CookingStep>& steps,
                            const std::vector<std::string>& labels, Cooked from) {
    Cooked out = std::move(from);
    out.faults.clear();
    for (const play_test::CookingStep& step : steps) {
        const std::string wanted = testing_support::Utf8(step.dish);
        FoodPot pot;
        for (const play_test::PotFood& food : step.pot) {
            const std::string name = Sjis(food.name);
            std::unique_ptr<Food> put;
            if (food.source == FoodSource::kCooked) {
                // Each decide moves one unit, or the rest when less than one is left.
                auto made = out.dishes.find(name);
                if (made == out.dishes.end() || made->second->amount + 1.0f < food.units + 1e-3f) {
                    out.faults.push_back(wanted + ": not enough " + sjis::ToUtf8(name) +
                                         " was made");
                    continue;
                }
                const float moved = std::min(made->second->amount, static_cast<float>(food.units));
                made->second->amount -= moved;
                put = std::make_unique<Food>(*made->second, moved);
            } else if (FoodDef* def = FindFoodDef(name)) {
                put = Food::FromDef(def);
                put->amount = static_cast<float>(food.units);
            } else {
                out.faults.push_back(wanted + ": no food " + sjis::ToUtf8(name));
                continue;
            }
            // The cooking screen puts units of one pantry row together.
            auto same = std::find_if(pot.begin(), pot.end(),
                                     [&](const auto& in) { return in->SameKind(*put); });
            if (same != pot.end())
                (*same)->amount += put->amount;
            else
                pot.push_back(std::move(put));
        }
        std::unique_ptr<Food> dish;
        if (step.method == play_test::kLeftToSpoil) {
            Kitchen kitchen;
            for (auto& food : pot) {
                food->days = 0;
                kitchen.pantry().push_back(std::move(food));
            }
            ClockWorld clock{state, kitchen, book_, FindFoodDef(kRotEntryName)};
            RotFoods(clock);
            for (auto& food : kitchen.pantry())
                if (sjis::ToUtf8(food->name) == wanted) dish = std::move(food);
        } else {
            const std::string entry =
                testing_support::Utf8(step.method_label) + "=" + std::to_string(step.method);
            const bool offered = std::find(labels.begin(), labels.end(), entry) != labels.end() &&
                                 (step.method != kMethodMix || pot.size() > 1) &&
                                 (step.method != kMethodProcess || pot.size() == 1);
            if (!offered) out.faults.push_back(wanted + ": the method window has no " + entry);
            dish = PrepareDish(book_, state, {}, step.method, pot);
        }
        if (!dish || sjis::ToUtf8(dish->name) != wanted) {
            out.faults.push_back(wanted + ": the step made " +
                                 (dish ? sjis::ToUtf8(dish->name) : std::string("nothing")));
            if (!dish) continue;
        }
        out.last = std::make_unique<Food>(*dish, dish->amount);
        auto& kept = out.dishes[Sjis(step.dish)];
        if (kept && kept->SameKind(*dish))
            kept->amount += dish->amount;
        else
            kept = std::move(dish);
    }
    return out;
}

int BalanceKitchen::Score(const PlayState& state, const Food& dish) {
    return DishScore(state, Food(dish, 1.0f));
}

std::unique_ptr<Food> BalanceKitchen::BestDish(const PlayState& state,
                                               const std::vector<const char8_t*>& names, int depth,
                                               int most) {
    const int methods = MethodsOf(state);
    std::vector<std::unique_ptr<Food>> owned;
    std::vector<const Food*> foods;
    for (const char8_t* name : names)
        if (FoodDef* def = FindFoodDef(Sjis(name))) {
            owned.push_back(Food::FromDef(def));
            foods.push_back(owned.back().get());
        }
    int best = -1;
    std::unique_ptr<Food> best_dish;
    // What a pot makes and scores: the dish, whatever recipe the pot finds.
    auto evaluate = [&](const std::vector<int>& units, int method, std::unique_ptr<Food>* dish) {
        std::unique_ptr<FoodPot> pot = PotOf(foods, units, method);
        if (!pot) return -1;
        PlayState scratch;
        std::unique_ptr<Food> made = PrepareDish(book_, scratch, {}, method, *pot);
        if (!made) return -1;
        const int score = Score(state, *made);
        if (dish != nullptr) *dish = std::move(made);
        return score;
    };
    for (int level = 0; level < depth; ++level) {
        std::map<const FoodDef*, std::pair<int, std::unique_ptr<Food>>> per_dish;
        for (const auto& recipe : book_.recipes) {
            for (int method : {kMethodMix, kMethodProcess, kMethodBake, kMethodBoil, kMethodFry,
                               kMethodFerment}) {
                if ((method & methods & recipe->method_mask) == 0) continue;
                // From one unit for each row the recipe cannot do without, climb by single
                // units while the score rises.
                std::vector<int> units(foods.size(), 0);
                std::set<const FoodDef*> used;
                bool possible = true;
                for (const auto& row : recipe->rows) {
                    if (row->requirement == kRequirementOptional) continue;
                    std::size_t i = 0;
                    const FoodDef* found = nullptr;
                    for (; i < foods.size() && !found; ++i)
                        found = foods[i]->FindDef(row->name, &used);
                    if (found) {
                        used.insert(found);
                        ++units[i - 1];
                    } else if (row->requirement == kRequirementMust) {
                        possible = false;
                    }
                }
                if (!possible) continue;
                std::unique_ptr<Food> dish;
                int score = evaluate(units, method, &dish);
                for (bool rising = score >= 0; rising;) {
                    rising = false;
                    for (std::size_t i = 0; i < foods.size(); ++i)
                        for (int step : {1, -1}) {
                            std::vector<int> tried = units;
                            tried[i] += step;
                            if (tried[i] < 0 || tried[i] > most) continue;
                            std::unique_ptr<Food> made;
                            const int s = evaluate(tried, method, &made);
                            if (s > score) {
                                score = s;
                                units = tried;
                                dish = std::move(made);
                                rising = true;
                            }
                        }
                }
                if (!dish) continue;
                if (score > best) {
                    best = score;
                    best_dish = std::make_unique<Food>(*dish, 1.0f);
                }
                auto& kept = per_dish[dish->def];
                if (!kept.second || kept.first < score) kept = {score, std::move(dish)};
            }
        }
        // The best dish of each recipe can go into the next level's pots.
        for (auto& [def, kept] : per_dish) {
            owned.push_back(std::make_unique<Food>(*kept.second, 1.0f));
            foods.push_back(owned.back().get());
        }
    }
    return best_dish;
}

std::string SourceFault(const std::string& food, FoodSource source, int contest) {
    const std::string name = sjis::ToUtf8(food);
    const bool provided = contest <= 3;
    if (provided != (source == FoodSource::kContestPantry) && source != FoodSource::kCooked)
        return name + ": contests 1 to 3 cook from the contest pantry only";
    bool ok = false;
    switch (source) {
        case FoodSource::kBaseShop:
            ok = InGoodsList(food, 1, kGoodsGrocer);
            break;
        case FoodSource::kMastered:
            ok = InShopSlices(food);
            break;
        case FoodSource::kContestPantry:
            ok = AmongAll(food, kContestIngredients);
            break;
        case FoodSource::kOuting:
            ok = AnOutingFind(food);
            break;
        case FoodSource::kNeighbour:
            ok = AmongAll(food, kNeighbourVegetables);
            break;
        case FoodSource::kRareMerchant:
            ok = InGoodsList(food, 5, 5);
            break;
        case FoodSource::kBeanMerchant:
            ok = InGoodsList(food, 6, 6);
            break;
        case FoodSource::kLuckyMerchant:
            ok = InGoodsList(food, 7, 7) && contest > 8;
            break;
        case FoodSource::kPrize:
            ok = APrizeBefore(food, contest);
            break;
        case FoodSource::kReward:
            ok = ARewardFood(food);
            break;
        case FoodSource::kShare:
            ok = ASharesProduct(food);
            break;
        case FoodSource::kStory:
            ok = food == kBarmement;
            break;
        case FoodSource::kCooked:
            ok = true;
            break;
    }
    return ok ? std::string() : name + ": not from the source the table names";
}

bool OnlyPrizeOrLuckyMerchant(const std::string& food) {
    const bool rare = APrizeBefore(food, kContestCount + 1) || InGoodsList(food, 7, 7);
    const bool common = InGoodsList(food, 1, 6) || AmongAll(food, kContestIngredients) ||
                        AnOutingFind(food) || AmongAll(food, kNeighbourVegetables) ||
                        AmongAll(food, kStartingFoods) || ARewardFood(food) || ASharesProduct(food);
    return rare && !common;
}

}  // namespace balance_test
