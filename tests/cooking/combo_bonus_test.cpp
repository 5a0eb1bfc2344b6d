#include <gtest/gtest.h>

#include "game/cooking/combo_bonus.h"
#include "tests/cooking/cooking_fixture.h"

namespace {

class ComboBonusTest : public cooking_test::CookingTest {
protected:
    ComboBonusTest() {
        for (FoodDef* def : {sesame, basil, cream})
            nodes.push_back(FoodNode(def, 1.0f, 10, 100, 0, 1));
        for (const FoodNode& node : nodes) mixed_in.push_back(&node);
    }
    ComboBonus& Rule(const std::string& prefix, const std::string& connector,
                     std::initializer_list<const char*> ingredients) {
        ComboBonus& rule = AddBonus(prefix, connector, "全", 120);
        for (const char* name : ingredients) rule.triples.push_back({name, 100, 10});
        return rule;
    }
    BonusOutcome Apply() {
        return ApplyComboBonuses(book.bonuses, dish, 1.0f, mixed_in, taste_mass);
    }

    FoodDef* dish = Entry("パスタ", "洋食", 10, 100, 100.0f);
    FoodDef* sesame = Entry("ごま", "調味料", 10, 10, 10.0f);
    FoodDef* basil = Entry("バジル", "調味料", 10, 10, 10.0f);
    FoodDef* cream = Entry("生クリーム", "調味料", 10, 10, 10.0f);
    std::vector<FoodNode> nodes;
    std::vector<const FoodNode*> mixed_in;
    int taste_mass = 1000;
};

TEST_F(ComboBonusTest, WordsWithOneConnectorShareItAndAppliedIngredientsAreNoLongerNamed) {
    Rule("ごま", "風味の", {"ごま"});
    Rule("ハーブ", "風味の", {"バジル"});
    Rule("まろやか", "な", {"生クリーム"});
    const BonusOutcome outcome = Apply();
    EXPECT_EQ(outcome.prefix, "ごまハーブ風味のまろやかな");
    EXPECT_FLOAT_EQ(outcome.multiplier, 160.0f);
    EXPECT_TRUE(mixed_in.empty());
}

TEST_F(ComboBonusTest, ARuleAppliesOnlyWithAllItsIngredientsMixedInAndADishOfItsTarget) {
    Rule("", "", {});                                      // no ingredients at all
    Rule("ピリ辛", "", {"ごま", "唐辛子"});                // one of them absent
    Rule("和風", "", {"ごま"}).target = "和食";            // another kind of dish
    Rule("スパイシー", "", {"バジル"}).target = "パスタ";  // the dish itself is a target
    const BonusOutcome outcome = Apply();
    EXPECT_EQ(outcome.prefix, "スパイシー");
    EXPECT_FLOAT_EQ(outcome.multiplier, 120.0f);
    EXPECT_EQ(mixed_in, (std::vector<const FoodNode*>{&nodes[0], &nodes[2]}));
}

TEST_F(ComboBonusTest, AnIngredientsTastePercentMovesTheTasteMassByWhatTheShareNeeds) {
    // 10 g of sesame of taste 10, a 5 % share of a 100 g dish needs 5 g: 150 % on 5 g.
    ComboBonus& rule = Rule("ごま", "", {"ごま"});
    rule.triples[0].taste_percent = 150;
    rule.triples[0].share_percent = 5;
    const BonusOutcome outcome = Apply();
    EXPECT_EQ(taste_mass, 1000 + 25) << "50 × 10 × 5 × 0.01";
    EXPECT_FLOAT_EQ(outcome.multiplier, 110.0f) << "5 g needed of 10 g: half the bonus";
}

}  // namespace
