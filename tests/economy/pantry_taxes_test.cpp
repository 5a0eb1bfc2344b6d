// The pantry list and its sorts, the pot, familiarity and the monthly taxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/economy/familiarity.h"
#include "game/economy/pantry_list.h"
#include "game/economy/taxes.h"
#include "game/rules/pantry.h"
#include "tests/economy/economy_fixture.h"

namespace {

using economy_test::EconomyTest;

std::vector<std::string> Labels(const std::vector<MenuEntry>& entries) {
    std::vector<std::string> labels;
    for (const MenuEntry& entry : entries) labels.push_back(entry.label);
    return labels;
}

std::vector<int> Values(const std::vector<MenuEntry>& entries) {
    std::vector<int> values;
    for (const MenuEntry& entry : entries) values.push_back(entry.value);
    return values;
}

TEST_F(EconomyTest, PantryRowsSayHowMuchIsLeftAndWhichAreMenuPortions) {
    struct Case {
        float amount;
        std::uint8_t on_menu;
        const char* text;
    } cases[] = {
        {3.7f, 0, "3 ヶ"},    {1.0f, 0, "1 ヶ"},    {0.99f, 0, "少し"},
        {2.0f, 1, "2 ヶ[M]"}, {0.5f, 1, "少し[M]"},
    };
    FoodDef* egg = Entry("卵", "卵");
    for (const Case& c : cases) Stock(egg, c.amount)->on_menu = c.on_menu;
    std::vector<MenuEntry> entries(9);  // whatever was there goes
    BuildPantryList(kitchen, kPantryOrderAsStored, entries);
    ASSERT_EQ(entries.size(), std::size(cases));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].label, "卵");
        EXPECT_EQ(entries[i].second_text, cases[i].text) << i;
        EXPECT_EQ(entries[i].value, static_cast<int>(i));
        EXPECT_TRUE(entries[i].enabled);
    }
}

TEST_F(EconomyTest, ThePantrySortsAreStableAndCompareNamesAsBytes) {
    // Pantry order, with the days left of each.
    Stock(Entry("トマト", "野菜"), 1.0f, 7);    // 0: 0x83 ...
    Stock(Entry("ﾄﾏﾄ", "野菜"), 1.0f, 3);       // 1: half-width, 0xC4 ...
    Stock(Entry("XO醤", "調味料"), 1.0f, 7);    // 2: ASCII first
    Stock(Entry("いちご", "果物"), 1.0f, 2);    // 3: 0x82 ...
    Stock(FindFoodDef("トマト"), 1.0f, 3);      // 4: the same name, another row
    Stock(Entry("砂糖", "調味料"), 1.0f, 999);  // 5: 0x8D ...

    struct Case {
        int align_type;
        std::vector<int> order;
    } cases[] = {
        {kPantryOrderAsStored, {0, 1, 2, 3, 4, 5}},
        {kPantryOrderByName, {2, 3, 0, 4, 5, 1}},
        {kPantryOrderByDaysLeft, {3, 1, 4, 0, 2, 5}},
    };
    std::vector<MenuEntry> entries;
    for (const Case& c : cases) {
        BuildPantryList(kitchen, c.align_type, entries);
        EXPECT_EQ(Values(entries), c.order) << c.align_type;
    }
    BuildPantryList(kitchen, kPantryOrderByName, entries);
    EXPECT_EQ(Labels(entries),
              (std::vector<std::string>{"XO醤", "いちご", "トマト", "トマト", "砂糖", "ﾄﾏﾄ"}));
}

TEST_F(EconomyTest, OneUnitComesBackOutOfThePot) {
    FoodDef* egg = Entry("卵", "卵");
    for (float amount : {2.5f, 1.0f, 0.5f}) {
        auto food = Food::FromDef(egg);
        food->amount = amount;
        kitchen.selection.push_back(std::move(food));
    }
    TakeOneFromSelection(kitchen, 0);
    EXPECT_FLOAT_EQ(kitchen.selection[0]->amount, 1.5f);
    TakeOneFromSelection(kitchen, 1);  // exactly one: the row goes
    ASSERT_EQ(kitchen.selection.size(), 2u);
    EXPECT_FLOAT_EQ(kitchen.selection[1]->amount, 0.5f);
    TakeOneFromSelection(kitchen, 1);  // less than one
    TakeOneFromSelection(kitchen, 4);  // no such row
    ASSERT_EQ(kitchen.selection.size(), 1u);
    EXPECT_FLOAT_EQ(kitchen.selection[0]->amount, 1.5f);
}

TEST_F(EconomyTest, FamiliarityGoesToTheLeavesAndMastersOnce) {
    FoodDef* dish = Entry("オムレツ", "洋食");
    FoodDef* egg = Entry("卵", "卵");
    FoodDef* sauce = Entry("ソース", "調味料");
    FoodDef* tomato = Entry("トマト", "野菜");
    Food omelette;
    omelette.def = dish;
    Part(omelette.children, egg, 2.0f);
    FoodNode* inner = Part(omelette.children, sauce, 1.0f);
    Part(inner->children, tomato, 0.5f);
    tomato->familiarity = 98.0f;
    egg->mastered = 1;  // already on sale: no notice
    egg->familiarity = 95.0f;

    AddFamiliarity(state, omelette, 3);
    EXPECT_FLOAT_EQ(egg->familiarity, 101.0f);
    EXPECT_FLOAT_EQ(sauce->familiarity, 0.0f);
    EXPECT_FLOAT_EQ(dish->familiarity, 0.0f);
    EXPECT_FLOAT_EQ(tomato->familiarity, 99.5f);
    EXPECT_FALSE(tomato->mastered);
    EXPECT_TRUE(state.mastered.empty());

    AddFamiliarity(state, omelette, 1);  // exactly 100
    EXPECT_TRUE(tomato->mastered);
    EXPECT_EQ(state.mastered, std::vector<std::string>{"トマト"});
    AddFamiliarity(state, omelette, 10);
    EXPECT_EQ(state.mastered, std::vector<std::string>{"トマト"});
}

TEST(Taxes, IncomeTaxByTheMonthsProfit) {
    struct Case {
        int income, expenses, tax;
    } cases[] = {
        {0, 0, 0},
        {100, 300, 0},
        {1000, 0, 1},
        {1500, 500, 1},
        {46341, 0, 2147},  // its square leaves the int range
        {500000, 0, 250000},
        {500001, 0, 250000},
        {1000001, 500000, 250000},
        {2000001, 0, 1000000},
        {2147483647, 0, 1073741823},
    };
    for (const Case& c : cases) {
        PlayState state;
        state.income = c.income;
        state.expenses = c.expenses;
        EXPECT_EQ(IncomeTax(state), c.tax) << c.income << " - " << c.expenses;
    }
    EXPECT_EQ(AssetTax(), 1000);
}

}  // namespace
