// The clock runs over a play state, a kitchen and a small recipe book with the rot entry.
#pragma once

#include "game/clock/clock_world.h"
#include "tests/cooking/cooking_fixture.h"

namespace clock_test {

class ClockTest : public cooking_test::CookingTest {
protected:
    Food& Store(FoodDef* def, int days, float amount = 1.0f) {
        auto food = Bought(def, amount);
        food->days = days;
        kitchen.pantry().push_back(std::move(food));
        return *kitchen.pantry().back();
    }

    FoodDef* rot = Entry("腐敗物", "その他", 3, 0, 100.0f, 999);
    PlayState state;
    Kitchen kitchen;
    ClockWorld world{state, kitchen, book, rot, false};
};

}  // namespace clock_test
