// The path: what the play-through pursues day by day. An ordinary day keeps the shop's dish in
// stock (bought, cooked and on the menu), sells from the morning to closing time and rests to
// the next morning; the milestones' own steps come on top of it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/playthrough/chance_wait.h"
#include "tests/playthrough/play_script.h"
#include "tests/support/reference_dishes.h"

namespace play_test {

// The dish the shop sells on ordinary days: of the base shops' foods, by the new game's pan, the
// one that leaves most money over its cost.
struct SaleDish {
    std::string name;
    const char8_t* method;
    // Bought in the shops, by shop row: one pot's worth.
    std::vector<std::pair<const char8_t*, Pot>> shopping;
    Pot pot;
};
const SaleDish& ShopDish();

// A reference dish's cooking step as the script takes it: the pot and the method's row.
Pot PotOf(const CookingStep& step);

class Path {
public:
    Path(PlayScript& script, AnswerTable& answers) : script_(script), answers_(answers) {}

    // From the morning's commands to the next morning's.
    testing::AssertionResult OrdinaryDay();
    DayPlan Days() {
        return [this] { return OrdinaryDay(); };
    }
    // Buys and cooks pots of the shop's dish until the pantry holds at least `portions`, and
    // sees that it is on the menu.
    testing::AssertionResult Stock(float portions);
    // What the pantry in use holds of a food (UTF-8), over all its rows.
    float Held(const std::string& name) const;
    // Cooks a table's steps (what names them in a failure): in the shops and at home, or in
    // the contest's own kitchen. A step of no method waits in ordinary days for its food to
    // ferment by spoiling, so it and the steps that feed it come first. `dish` is the last
    // step's dish as the game names it.
    testing::AssertionResult CookSteps(const std::vector<CookingStep>& steps,
                                       const std::string& what, bool in_contest_kitchen,
                                       std::string& dish);
    // A dish the story waits for, cooked by its steps in the table (ラザニア, マインドミント,
    // メモリアル).
    testing::AssertionResult CookStoryDish(const std::string& name);
    // The money holds the contest's fee and what its dish's foods cost in the shops, with the
    // day's reserve over them.
    bool CanAfford(int contest) const;
    // A contest: once it can be paid for, its dish cooked at home first (the reference dish of its
    // row), or for the three that provide the foods in the contest's own kitchen once entered; then
    // handed in.
    testing::AssertionResult PrepareContest(int contest);
    testing::AssertionResult EnterContest(int contest);

    // 料理を作る after buying in the shops what of the pot the pantry lacks; `what` names the
    // goal in a failure. The dish is the script's last_dish().
    testing::AssertionResult CookFromShops(const Pot& pot, const char8_t* method,
                                           const std::string& what);

    // The story's goals (story_goals.cpp). ラザニア on the menu for Narf, in the menu's second
    // place (the shop is expanded for it), the shop's dish keeping the first.
    testing::AssertionResult LasagnaForNarf();
    // A day out in マナの森 instead of selling, home at night or once `wanted` (UTF-8) is found.
    testing::AssertionResult OutingDay(const std::string& wanted);
    // マインドミント of ミント and ココロの実, then メモリアル of it, Narf's バーメメント and a
    // メモリーパロット, by the table's steps.
    testing::AssertionResult CookMemorial();

    // Cooks pots of cheap foods whose recipes are still unknown until the recipe book knows
    // `known` recipes (recipe_research.cpp); the rewards follow at night.
    testing::AssertionResult InventRecipesUntil(int known);
    // The count of known recipes at which the recipe-count reward of that level is due.
    int RewardThreshold(int level) const;

    // The table's dishes the game names otherwise, "what: table -> made".
    const std::vector<std::string>& renamed() const { return renamed_; }

private:
    void NoteRenamed(const std::string& what, const std::string& table_name,
                     const std::string& made);

    PlayScript& script_;
    AnswerTable& answers_;
    std::vector<std::string> renamed_;
    std::string prepared_;
};

}  // namespace play_test
