#include "tests/playthrough/way_checks.h"

#include "engine/framework/game_mediator.h"
#include "events/month/recipe_rewards.h"
#include "events/story.h"
#include "game/economy/taxes.h"
#include "game/main/vemu_comp.h"
#include "game/rules/pantry.h"
#include "tests/playthrough/play_log.h"
#include "tests/support/play_harness.h"

namespace play_test {

namespace {

constexpr int kAssetTax = 1000;

}  // namespace

void WayChecks::Fault(const PlayHarness& play, const std::string& what) {
    faults_.push_back(DateOf(play.state().clock) + "  " + what);
}

float WayChecks::HeldOfReward(const PlayHarness& play, int row) {
    if (row < 0 || row >= kRecipeRewardCount) return 0.0f;
    const RecipeReward& reward = RecipeRewardTable()[static_cast<std::size_t>(row)];
    if (reward.kind == kRewardFood) {
        const Food* food = FindPantryFood(play.game().world().kitchen, reward.name);
        return food ? food->amount : 0.0f;
    }
    CItemBag& bag = play.mediator().items();
    const int index = bag.FindItemIndex(reward.name);
    return index < 0 ? 0.0f : static_cast<float>(bag.GetEntryAt(index)->count);
}

void WayChecks::Sample(const PlayHarness& play) {
    if (std::string(play.CurrentComponent()) != CVemuComp::kName) {
        // A new game or a loaded one starts its own count.
        in_report_ = in_contest_ = false;
        reward_num_ = -1;
        return;
    }
    CVemuComp& game = play.game();
    const PlayState& state = play.state();

    const bool report =
        game.story().live() && game.story().last_row() == StoryEvent::kMonthlyReport;
    if (report && !in_report_) {
        report_money_ = state.money;
        report_taxes_ = kAssetTax + IncomeTax(game.state());
    }
    if (!report && in_report_) {
        ++reports_;
        if (state.money != report_money_ - report_taxes_)
            Fault(play, "the monthly report took " + std::to_string(report_money_ - state.money) +
                            ", not " + std::to_string(report_taxes_));
        if (state.income != 0 || state.expenses != 0)
            Fault(play, "the monthly report left income " + std::to_string(state.income) +
                            " and expenses " + std::to_string(state.expenses));
    }
    in_report_ = report;

    const int reward_num = game.world().reward_num;
    if (reward_num_ >= 0 && reward_num != reward_num_) {
        ++rewards_;
        if (reward_num != reward_num_ + 1)
            Fault(play, "reward_num went from " + std::to_string(reward_num_) + " to " +
                            std::to_string(reward_num));
        const RecipeReward& row = RecipeRewardTable()[static_cast<std::size_t>(reward_num_)];
        if (HeldOfReward(play, reward_num_) < reward_held_ + static_cast<float>(row.count))
            Fault(play, "the reward of row " + std::to_string(reward_num_) + " was not given");
    }
    // Held before the next reward comes, looked at while no story gives anything.
    if (reward_num_ != reward_num || !game.story().live())
        reward_held_ = HeldOfReward(play, reward_num);
    reward_num_ = reward_num;

    const bool contest = game.world().contest.running != 0;
    if (in_contest_ && !contest) {
        ++contests_;
        const Kitchen& kitchen = play.kitchen();
        if (kitchen.in_use != &kitchen.player_pantry)
            Fault(play, "a contest ended with the contest's pantry in use");
    }
    in_contest_ = contest;
}

}  // namespace play_test
