// The rumour's search of the recipe book, on a small hand-made book.
#include "events/visitors/rumour.h"

#include <gtest/gtest.h>

#include <array>

#include "engine/common/system.h"
#include "tests/visitors/visit_play.h"

namespace {

constexpr RumourWords kWords = {"<", ">dish", ">food"};

struct SmallBook {
    // Four recipes: a plain ingredient, a dish, a dish and a plain ingredient.
    explicit SmallBook(std::array<bool, 4> known) {
        const int masks[4] = {0, 4, 1, 0};
        for (int i = 0; i < 4; ++i) {
            defs[i].name = std::string(1, static_cast<char>('A' + i));
            defs[i].known = known[i] ? 1 : 0;
            auto recipe = std::make_unique<Recipe>();
            recipe->name = defs[i].name;
            recipe->def = &defs[i];
            recipe->method_mask = masks[i];
            book.recipes.push_back(std::move(recipe));
        }
    }
    std::array<FoodDef, 4> defs;
    RecipeBook book;
};

TEST(RumourTest, TheFirstUnknownDishFromTheDrawnStartIsRumoured) {
    struct Case {
        int start;
        std::array<bool, 4> known;
        const char* told;
        int rumoured;  // -1: none
    };
    const Case cases[] = {
        {0, {false, false, false, false}, "<A>food", 0},
        {0, {true, false, true, true}, "<B>dish", 1},
        {2, {true, true, false, false}, "<C>dish", 2},
        {3, {true, true, true, false}, "<D>food", 3},
        {2, {true, false, true, true}, "<B>dish", 1},  // wraps past the end
        {1, {true, true, true, true}, "<セイントマッシュ>food", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.told);
        SmallBook small(c.known);
        Srand(visit_test::SeedWhere([&] { return Rand() % 4 == c.start; }));
        EXPECT_EQ(SpreadRumour(small.book, kWords), c.told);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(small.defs[i].rumoured, i == c.rumoured ? 1 : 0);
    }
}

TEST(RumourTest, AnEmptyBookTellsOfTheLastResort) {
    RecipeBook empty;
    EXPECT_EQ(SpreadRumour(empty, kWords), "<セイントマッシュ>food");
}

}  // namespace
