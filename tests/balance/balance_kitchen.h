// The kitchen the balance test cooks in: the built game data read through the real loader, a
// play state with the utensils and skills the path has by a contest, and the path's sources of
// food, so that a reference dish is cooked and scored as the game would cook and score it.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/data/item_bag.h"
#include "game/data/recipe_book.h"
#include "game/rules/play_state.h"
#include "tests/support/engine_world.h"
#include "tests/support/reference_dishes.h"

namespace balance_test {

using testing_support::Sjis;

// The dishes a list of steps made, by the names the steps expect (CP932), and what went wrong.
struct Cooked {
    std::map<std::string, std::unique_ptr<Food>> dishes;
    std::unique_ptr<Food> last;
    std::vector<std::string> faults;  // UTF-8, empty when every step cooked as written
};

class BalanceKitchen {
public:
    // Reads dat/vemu01.edt and dat/vemu02.edt of the build's game folder; `loaded()` says
    // whether they were there.
    BalanceKitchen();
    ~BalanceKitchen();
    bool loaded() const { return loaded_; }
    const RecipeBook& book() const { return book_; }

    // A play state owning these utensils (the method menu's own reading of the bag) and at
    // these skill levels; `labels` receives the method window's entries for a pot of two.
    PlayState StateWith(const std::vector<const char8_t*>& utensils,
                        const play_test::MethodLevels& skills,
                        std::vector<std::string>* labels = nullptr);

    // Cooks the steps in order on `state`, each by the method window's entry it names; foods of
    // the table's sources are bought fresh, earlier steps' dishes are taken from what they made.
    // `from` holds what earlier cooking left, for steps that go on from it.
    Cooked Cook(PlayState& state, const std::vector<play_test::CookingStep>& steps,
                const std::vector<std::string>& labels, Cooked from = {});

    // The contest score of one unit of the dish in this kitchen.
    static int Score(const PlayState& state, const Food& dish);

    // The best-scoring dish a search finds among those cooked from `foods` (UTF-8) by the
    // methods the state's utensils allow, up to `depth` cookings deep, with at most `most`
    // units of a food in a pot: from each recipe's rows, one unit at a time while the score
    // rises, each recipe's best dish going into the next depth's pots.
    std::unique_ptr<Food> BestDish(const PlayState& state, const std::vector<const char8_t*>& foods,
                                   int depth, int most);

private:
    testing_support::HeadlessBackendInstalled world_;
    RecipeBook book_;
    bool loaded_ = false;
};

// Whether the path can have `food` (CP932) from `source` by contest `contest` (1 to 12), and if
// not, why (UTF-8).
std::string SourceFault(const std::string& food, play_test::FoodSource source, int contest);
// True for a food (CP932) that only a contest prize or the lucky-goods merchant gives.
bool OnlyPrizeOrLuckyMerchant(const std::string& food);

}  // namespace balance_test
