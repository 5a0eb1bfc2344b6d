// 料理を作る on the menu screen, for dishes cooked on the built data: it makes one portion out of
// exactly what serving one from its ingredients takes, or it says that the ingredients are
// short and changes nothing. A ready portion of the dish is never taken as its own ingredient.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "game/rules/menu_queries.h"
#include "game/rules/pantry.h"
#include "game/rules/serving.h"
#include "tests/support/play_harness.h"

namespace {

using namespace play_test;
using testing_support::Utf8;

struct PotFood {
    const char8_t* name;
    int units;
};

// One cooking action on the cooking screen, the way a player does it.
struct Cooking {
    std::vector<PotFood> pot;
    const char8_t* method;
    const char8_t* dish;
};

struct Dish {
    const char* what;
    std::vector<Cooking> steps;  // the last one makes the menu dish
    std::vector<PotFood> raw;    // what the pantry holds to make it from
};

const std::vector<Dish>& Dishes() {
    static const std::vector<Dish> dishes = {
        {"the opening's dish",
         {{{{u8"ゼルバワラビ", 1}, {u8"ゼルゼルダケ", 1}}, u8"焼く", u8"ゼルバ炒め"}},
         {{u8"ゼルバワラビ", 4}, {u8"ゼルゼルダケ", 4}}},
        // Made from a dish: with none of that in the pantry it is made on the way too.
        {"a dish of a dish",
         {{{{u8"豚肉", 2}}, u8"焼く", u8"焼き豚"},
          {{{u8"焼き豚", 2}}, u8"煮る", u8"醤油なしチャーシュー"}},
         {{u8"豚肉", 4}}},
    };
    return dishes;
}

// A new game past its opening, at 10:00, with a pot for 煮る; one per dish.
class MenuKitchen {
public:
    explicit MenuKitchen(const Dish& dish) : dish_(dish) {}

    testing::AssertionResult Start() {
        play.Seed(1);
        if (auto r = play.StartOnMainCommands(); !r) return r;
        play.SetDate(2006, 1, 5, 10, 0);
        play.AddToBag(u8"鉄のナベ");
        return CookOntoTheMenu();
    }

    // Cooks the dish on the cooking screen; the last step's dish goes on the menu.
    testing::AssertionResult CookOntoTheMenu() {
        const Dish& dish = dish_;
        for (std::size_t i = 0; i < dish.steps.size(); ++i) {
            const Cooking& step = dish.steps[i];
            for (const PotFood& food : step.pot)
                if (!Contains(food.name)) play.AddToPantry(food.name, food.units);
            if (auto r = play.Choose(u8"料理を作る"); !r) return r;
            for (const PotFood& food : step.pot)
                for (int unit = 0; unit < food.units; ++unit)
                    if (auto r = play.Choose(food.name); !r) return r;
            play.Press(kRight);
            if (auto r = play.Choose(step.method); !r) return r;
            const bool last = i + 1 == dish.steps.size();
            if (auto r = play.ReadUntilRow(last ? u8"はい" : u8"いいえ"); !r) return r;
            if (auto r = play.Choose(last ? u8"はい" : u8"いいえ"); !r) return r;
            if (auto r = play.RunUntilScreen(kScreenCooking); !r) return r;
            play.Press(kCancel);
            if (auto r = play.RunUntilScreen(kScreenMainCommands); !r) return r;
        }
        if (play.kitchen().menu.empty() ||
            play.kitchen().menu.back()->name != Sjis(dish.steps.back().dish))
            return testing::AssertionFailure() << "not on the menu; " << play.Report();
        return testing::AssertionSuccess();
    }
    // 料理を作る on the menu's last dish; returns the notice it gives.
    std::string CookAheadOnTheMenu() {
        EXPECT_TRUE(play.Choose(u8"メニューを見る")) << play.Report();
        EXPECT_TRUE(play.Choose(dish_.steps.back().dish)) << play.Report();
        EXPECT_TRUE(play.Choose(u8"料理を作る")) << play.Report();
        EXPECT_TRUE(play.RunUntilScreen(kScreenWaitForMessage)) << play.Report();
        return play.Message();
    }

    bool Contains(const char8_t* name) const {
        return FindPantryFood(play.game().world().kitchen, Sjis(name));
    }
    float ReadyPortions() const {
        const MenuDish& dish = *play.kitchen().menu.back();
        float portions = 0.0f;
        for (const auto& food : play.kitchen().pantry())
            if (SameDish(*food, dish)) portions += food->amount;
        return portions;
    }
    // The pantry's rows but the ready portions of the menu dish.
    PantryRows Ingredients(const Pantry& pantry) const {
        const MenuDish& dish = *play.kitchen().menu.back();
        PantryRows rows;
        for (const auto& food : pantry)
            if (!SameDish(*food, dish)) rows.emplace_back(food->name, food->amount);
        return rows;
    }
    // The pantry's ingredients on their own, to serve one portion from when none is ready.
    std::unique_ptr<Kitchen> IngredientsAlone() const {
        const MenuDish& dish = *play.kitchen().menu.back();
        auto scratch = std::make_unique<Kitchen>();
        for (const auto& food : play.kitchen().pantry())
            if (!SameDish(*food, dish))
                scratch->player_pantry.push_back(std::make_unique<Food>(*food, food->amount));
        return scratch;
    }
    int Minute() const { return play.state().clock.hour * 60 + play.state().clock.minute; }

    PlayHarness play;

private:
    const Dish& dish_;
};

TEST(CookingAhead, MakesOnePortionOfWhatServingOneTakes) {
    for (const Dish& dish : Dishes()) {
        SCOPED_TRACE(dish.what);
        MenuKitchen kitchen(dish);
        ASSERT_TRUE(kitchen.Start()) << kitchen.play.Report();
        // A portion of the dish is ready already; the raw foods are there to make another.
        ASSERT_GT(kitchen.ReadyPortions(), 0.0f);
        for (const PotFood& food : dish.raw) kitchen.play.AddToPantry(food.name, food.units);
        const float ready = kitchen.ReadyPortions();
        const std::unique_ptr<Kitchen> served = kitchen.IngredientsAlone();
        const PantryRows before = kitchen.Ingredients(kitchen.play.kitchen().pantry());

        EXPECT_EQ(kitchen.CookAheadOnTheMenu(),
                  Utf8(u8"『") + Utf8(dish.steps.back().dish) + Utf8(u8"』を 1 ヶ作りました"));
        EXPECT_FLOAT_EQ(kitchen.ReadyPortions(), ready + 1.0f);
        const PantryRows after = kitchen.Ingredients(kitchen.play.kitchen().pantry());
        EXPECT_NE(after, before);
        // The same as serving one takes when none is ready.
        ASSERT_TRUE(ServeDish(kitchen.play.state(), *served, *kitchen.play.kitchen().menu.back()));
        EXPECT_EQ(after, kitchen.Ingredients(served->pantry()));
    }
}

TEST(CookingAhead, WithOnlyReadyPortionsSaysTheIngredientsAreShortAndChangesNothing) {
    for (const Dish& dish : Dishes()) {
        SCOPED_TRACE(dish.what);
        MenuKitchen kitchen(dish);
        ASSERT_TRUE(kitchen.Start()) << kitchen.play.Report();
        ASSERT_GT(kitchen.ReadyPortions(), 0.0f);
        // Nothing but the ready portions: whatever else the cooking left goes.
        Pantry& pantry = kitchen.play.kitchen().pantry();
        const MenuDish& menu_dish = *kitchen.play.kitchen().menu.back();
        std::erase_if(pantry, [&](const auto& food) { return !SameDish(*food, menu_dish); });
        const PantryRows before = PantryRowsOf(pantry);
        const int minute = kitchen.Minute();

        EXPECT_EQ(kitchen.CookAheadOnTheMenu(), Utf8(u8"材料が足りません"));
        EXPECT_EQ(PantryRowsOf(kitchen.play.kitchen().pantry()), before);
        EXPECT_EQ(kitchen.Minute(), minute);
    }
}

}  // namespace
