// The balance of the built game data along the path through the contests: each contest's
// reference dish, cooked by the real resolver with what the path has by then, wins its contest,
// while the dishes of an earlier stage do not; and the story's rare foods make its dishes.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/common/sjis.h"
#include "events/chains/chain_foods.h"
#include "events/contest/contest_table.h"
#include "events/contest/contest_vote.h"
#include "game/food/food_def.h"
#include "game/main/goods_lists.h"
#include "tests/balance/balance_kitchen.h"

namespace {

using balance_test::BalanceKitchen;
using balance_test::Sjis;
using play_test::FoodSource;
using play_test::ReferenceDish;

// The first week of a new game: what the four shops sell and the pantry holds, with the knife
// and the frying pan at skill level 1.
const std::vector<const char8_t*> kFirstWeekFoods = {
    u8"トマト", u8"タマネギ", u8"キャベツ", u8"シイタケ",     u8"りんご",      u8"いちご",
    u8"レモン", u8"卵",       u8"鶏肉",     u8"豚肉",         u8"牛肉",        u8"砂糖",
    u8"ミルク", u8"小麦粉",   u8"米",       u8"ゼルバワラビ", u8"ゼルゼルダケ"};
const std::vector<const char8_t*> kFirstWeekUtensils = {u8"包丁", u8"フライパン"};
constexpr play_test::MethodLevels kFirstWeekSkills = {1, 1, 1, 1, 1, 1};

class BalanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!kitchen.loaded())
            GTEST_SKIP() << "dat/vemu01.edt and dat/vemu02.edt are not built in the game folder";
    }

    // The path's kitchen at a contest, and its method window's entries.
    PlayState StateAt(const ReferenceDish& row, std::vector<std::string>* labels = nullptr) {
        return kitchen.StateWith(row.utensil_items, row.skills, labels);
    }
    // The dish the row's steps make, with every fault of the steps reported.
    std::unique_ptr<Food> CookRow(const ReferenceDish& row, PlayState& state,
                                  const std::vector<std::string>& labels) {
        balance_test::Cooked cooked = kitchen.Cook(state, row.steps, labels);
        for (const std::string& fault : cooked.faults) ADD_FAILURE() << fault;
        return std::move(cooked.last);
    }
    static int Votes(const ContestRow& contest, int score, const Food& dish) {
        int votes = 0;
        for (int judge : contest.judges)
            if (score >= JudgeThreshold(judge, contest.rival_score, dish.def)) ++votes;
        return votes;
    }

    BalanceKitchen kitchen;
};

TEST_F(BalanceTest, EachContestIsWonByItsDishAndNotByAnEarlierStagesBest) {
    const auto rows = play_test::ReferenceDishes();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kContestCount));
    std::printf("contest  rival  thresholds        reference  checkpoint\n");
    for (const ReferenceDish& row : rows) {
        SCOPED_TRACE("contest " + std::to_string(row.contest));
        ASSERT_EQ(&row, &play_test::ReferenceDishFor(row.contest));
        const ContestRow& contest = *FindContestRow(row.contest - 1);

        std::vector<std::string> labels;
        PlayState state = StateAt(row, &labels);
        EXPECT_EQ(state.utensil_level, row.utensils) << "the utensils give other tiers";
        bool rare = false;
        for (const play_test::CookingStep& step : row.steps)
            for (const play_test::PotFood& food : step.pot) {
                const std::string fault =
                    balance_test::SourceFault(Sjis(food.name), food.source, row.contest);
                EXPECT_TRUE(fault.empty()) << fault;
                rare = rare || balance_test::OnlyPrizeOrLuckyMerchant(Sjis(food.name));
            }
        std::unique_ptr<Food> dish = CookRow(row, state, labels);
        ASSERT_TRUE(dish);
        const int score = BalanceKitchen::Score(state, *dish);
        EXPECT_GE(Votes(contest, score, *dish), 2)
            << sjis::ToUtf8(dish->name) << " scores " << score;
        if (contest.category != nullptr) {
            EXPECT_TRUE(IsInCategory(dish->def, contest.category))
                << sjis::ToUtf8(dish->name) << " is not " << sjis::ToUtf8(contest.category);
        }

        // The dish of an earlier stage must not be enough: a raw food of the contest pantry for
        // the first contest, the first week's best (in the first week's kitchen) for the fourth,
        // and the fourth's and the eighth's own dishes, cooked with today's kitchen, for the
        // eighth and the eleventh.
        std::unique_ptr<Food> before;
        PlayState week = kitchen.StateWith(kFirstWeekUtensils, kFirstWeekSkills);
        const PlayState* judged_in = &state;
        if (row.contest == 1) {
            for (const char* name : kContestIngredients) {
                std::unique_ptr<Food> raw = Food::FromDef(FindFoodDef(name));
                if (!before ||
                    BalanceKitchen::Score(state, *raw) > BalanceKitchen::Score(state, *before))
                    before = std::move(raw);
            }
        } else if (row.contest == 4) {
            before = kitchen.BestDish(week, kFirstWeekFoods, 3, 8);
            judged_in = &week;
        } else if (row.contest == 8 || row.contest == 11) {
            const ReferenceDish& earlier = play_test::ReferenceDishFor(row.contest == 8 ? 4 : 8);
            std::vector<std::string> then;
            PlayState cooked_then = StateAt(earlier, &then);
            before = CookRow(earlier, cooked_then, then);
        }
        int checkpoint = -1;
        if (before) {
            checkpoint = BalanceKitchen::Score(*judged_in, *before);
            EXPECT_LT(Votes(contest, checkpoint, *before), 2)
                << sjis::ToUtf8(before->name) << " scores " << checkpoint;
        }
        if (row.contest == kContestCount) {
            EXPECT_TRUE(rare)
                << "the last contest's dish needs a prize's or the lucky merchant's food";
        }

        std::string thresholds;
        for (int judge : contest.judges)
            thresholds +=
                std::to_string(JudgeThreshold(judge, contest.rival_score, dish->def)) + " ";
        std::printf("%7d  %5d  %-16s  %9d  %10s  %s\n", row.contest, contest.rival_score,
                    thresholds.c_str(), score,
                    checkpoint < 0 ? "-" : std::to_string(checkpoint).c_str(),
                    sjis::ToUtf8(dish->name).c_str());
    }
}

TEST_F(BalanceTest, TheStorysRareFoodsMakeItsDishes) {
    const auto dishes = play_test::StoryDishes();
    ASSERT_EQ(dishes.size(), 3u);
    // One after the other, as the story asks for them: a later dish may use an earlier one.
    balance_test::Cooked cooked;
    for (const play_test::StoryDish& story : dishes) {
        SCOPED_TRACE(testing_support::Utf8(story.name));
        std::vector<std::string> labels;
        PlayState state = kitchen.StateWith(story.utensil_items, kFirstWeekSkills, &labels);
        cooked = kitchen.Cook(state, story.steps, labels, std::move(cooked));
        for (const std::string& fault : cooked.faults) ADD_FAILURE() << fault;
        ASSERT_TRUE(cooked.last);
        EXPECT_EQ(cooked.last->def, FindFoodDef(Sjis(story.name)));
        for (const play_test::CookingStep& step : story.steps)
            for (const play_test::PotFood& food : step.pot) {
                const std::string name = Sjis(food.name);
                // Narf gives a single unit, and a ココロの実 is a lucky find of an outing.
                if (name == kBarmement) {
                    EXPECT_EQ(food.units, 1);
                }
                if (name == "ココロの実") {
                    EXPECT_EQ(food.units, 1);
                }
                if (name == "メモリーパロット") {
                    EXPECT_EQ(food.source, FoodSource::kPrize);
                }
            }
    }
    EXPECT_EQ(Sjis(dishes.back().name), kMemorial);
}

}  // namespace
