// The month's report and the rewards for invented recipes.
#include "events/month/monthly_report.h"
#include "events/month/recipe_rewards.h"
#include "game/rules/pantry.h"
#include "tests/story/story_fixture.h"

namespace story_test {
namespace {

using MonthTest = StoryTest;

TEST(MonthlyVerdict, TheIncomeAloneRatesTheMonthByItsBand) {
    const std::pair<int, int> bounds[] = {
        {29999, 0},   {30000, 1},   {149999, 1},  {150000, 2},  {299999, 2},  {300000, 3},
        {599999, 3},  {600000, 4},  {999999, 4},  {1000000, 5}, {1499999, 5}, {1500000, 6},
        {1999999, 6}, {2000000, 7}, {2999999, 7}, {3000000, 8}, {-5, 0},
    };
    std::vector<const char*> bands;
    for (int income : {0, 30000, 150000, 300000, 600000, 1000000, 1500000, 2000000, 3000000})
        bands.push_back(MonthlyVerdict(income));
    for (std::size_t i = 1; i < bands.size(); ++i) ASSERT_NE(bands[i], bands[i - 1]);
    for (const auto& [income, band] : bounds)
        EXPECT_EQ(MonthlyVerdict(income), bands[static_cast<std::size_t>(band)]) << income;
}

TEST_F(MonthTest, TheReportTakesTheTaxesEvenIntoDebtAndStartsTheBooksAfresh) {
    state().income = 3000000;
    state().expenses = 3500000;
    play.SetMoney(100);
    Start(StoryEvent::kMonthlyReport);
    ASSERT_TRUE(FinishScene());
    const int taxes = 1000;  // no profit, no income tax
    EXPECT_EQ(state().money, 100 - taxes);
    EXPECT_EQ(play.mediator().GetValue("money", 0), 100 - taxes);
    EXPECT_EQ(state().income, 0);
    EXPECT_EQ(state().expenses, 0);
    const auto lines = transcript.lines();
    ASSERT_EQ(lines.size(), 6u) << Lines();
    EXPECT_EQ(lines[1],
              Line(3, 0, u8"ぜるば堂、１ヶ月間の\n総収入は 3000000 クル\n総支出は 3500000 クル"));
    EXPECT_EQ(lines[2], Line(3, 0, u8"資産税 1000 クル\n所得税 0 クル\nが引かれるよ"));
    EXPECT_EQ(lines[3], Line(3, 0, u8"結果、今月の総利益は -501000 クル！"));
    EXPECT_EQ(lines[4].text, Utf8(u8"いつの間にか超有名店になっちゃったね\nおめでとう"));
    EXPECT_EQ(transcript.music(), (std::vector<int>{8, 1}));
}

TEST(RecipeRewardRule, ThresholdsSpreadOverTheRecipesToInvent) {
    struct Case {
        unsigned inventable;
        int level;
        int known;
        bool due;
    };
    const Case cases[] = {
        {280, 0, 10, true},     {280, 0, 9, false}, {280, 27, 280, true}, {280, 27, 279, false},
        {280, 28, 9999, false}, {28, 0, 1, true},   {28, 0, 0, false},    {28, 27, 28, true},
        {28, 28, 28, false},    {10, 0, 0, true},   {10, 27, 10, true},   {10, 28, 10, false},
        {0, 0, 0, false},       {0, 27, 5, false},
    };
    for (const Case& c : cases) {
        const std::size_t book = 78 + c.inventable;
        EXPECT_EQ(RecipeRewardDue(book, c.known, c.level), c.due)
            << c.inventable << " " << c.level << " " << c.known;
    }
    EXPECT_EQ(RecipeRewardThreshold(78 + 280, 0), 10u);
    EXPECT_EQ(RecipeRewardThreshold(78 + 280, 27), 280u);
    EXPECT_EQ(RecipeRewardThreshold(78 + 10, 2), 1u);
}

TEST_F(MonthTest, ThresholdsPassedAtOnceGiveOneRewardANight) {
    const std::size_t book = game().world().book.recipes.size();
    ASSERT_GT(book, 78u + 28u);
    // Enough inventions for the first three rewards, not for the fourth.
    const unsigned wanted = RecipeRewardThreshold(book, 2);
    ASSERT_LT(wanted, RecipeRewardThreshold(book, 3));
    unsigned marked = 0;
    for (std::size_t i = 78; i < book && marked < wanted; ++i) {
        FoodDef* def = game().world().book.recipes[i]->def;
        if (def && !def->known) {
            def->known = 1;
            ++marked;
        }
    }
    for (int night = 1; night <= 4; ++night) {
        SCOPED_TRACE(night);
        play.Seed(SeedFor({{3, 1}}));
        Start(StoryEvent::kNight);
        ASSERT_TRUE(FinishScene());
        EXPECT_EQ(game().world().reward_num, std::min(night, 3));
        EXPECT_EQ(transcript.lines().empty(), night == 4) << Lines();
    }
    EXPECT_GE(game().world().known_recipes, static_cast<int>(wanted));
    // The first reward is the recipe book, the third twenty units of yeast.
    EXPECT_GT(play.mediator().items().FindItemIndex(Sjis(u8"レシピ帳").c_str()), -1);
    Food* yeast = FindPantryFood(game().world().kitchen, Sjis(u8"万能酵母"));
    ASSERT_NE(yeast, nullptr);
}

TEST_F(MonthTest, TheLastRewardEndsTheRewardsForGood) {
    const std::size_t book = game().world().book.recipes.size();
    for (std::size_t i = 78; i < book; ++i)
        if (FoodDef* def = game().world().book.recipes[i]->def) def->known = 1;
    game().world().reward_num = 27;
    play.Seed(SeedFor({{3, 1}}));
    Start(StoryEvent::kNight);
    ASSERT_TRUE(FinishScene());
    EXPECT_EQ(game().world().reward_num, 28);
    EXPECT_TRUE(transcript.HasLine(u8"なんと、全てのレシピを極めてしまったのだな"));
    EXPECT_EQ(transcript.music(), (std::vector<int>{7, 1}));
    Start(StoryEvent::kNight);
    ASSERT_TRUE(FinishScene());
    EXPECT_EQ(game().world().reward_num, 28);
}

}  // namespace
}  // namespace story_test
