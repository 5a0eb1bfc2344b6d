// The economy works on the plain play state and kitchen of the rules, with an item bag beside
// them.
#pragma once

#include "engine/data/item_bag.h"
#include "game/rules/pantry.h"
#include "tests/rules/rules_fixture.h"

namespace economy_test {

class EconomyTest : public rules_test::RulesTest {
protected:
    int BagCount(const char* name) {
        const int index = bag.FindItemIndex(name);
        return index < 0 ? 0 : bag.GetEntryAt(index)->count;
    }
    float Held(const char* name) {
        const Food* food = FindPantryFood(kitchen, name);
        return food ? food->amount : 0.0f;
    }

    CItemBag bag;
};

}  // namespace economy_test
