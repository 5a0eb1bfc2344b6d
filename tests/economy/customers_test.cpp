// How many customers come: the worn accessory, the lucky charm, the reputation and the busy
// hours.
#include <gtest/gtest.h>

#include <vector>

#include "game/economy/customers.h"
#include "game/economy/item_table.h"
#include "tests/economy/economy_fixture.h"

namespace {

using economy_test::EconomyTest;

TEST_F(EconomyTest, TheDrawFactorTakesTheBestWornAccessoryTheCharmAndTheReputation) {
    struct Case {
        std::vector<const char*> worn;  // in the two accessory slots
        float charm;
        float reputation;
        float factor;
    };
    const Case kCases[] = {
        {{}, 1.0f, 10.0f, 1.0f},
        {{"客寄せパンダ"}, 1.0f, 10.0f, 1.5f},
        {{"看板娘だすき"}, 1.0f, 10.0f, 2.0f},
        {{"客寄せパンダ", "看板娘だすき"}, 1.0f, 10.0f, 2.0f},
        {{"赤いスカーフ"}, 1.0f, 10.0f, 1.0f},
        {{}, 1.4f, 100.0f, 14.0f},
        {{"看板娘だすき"}, 1.2f, 50.0f, 12.0f},
        {{"看板娘だすき"}, 1.0f, 0.0f, 0.0f},
    };
    for (const Case& c : kCases) {
        PlayState state;
        for (std::size_t i = 0; i < c.worn.size(); ++i)
            state.equipped[kEquipAccessory1 + i] = CreateItemByName(c.worn[i]);
        state.customer_factor = c.charm;
        state.reputation = c.reputation;
        EXPECT_NEAR(CustomerDrawFactor(state), c.factor, 1e-5) << c.worn.size() << " " << c.charm;
    }
}

TEST_F(EconomyTest, LunchAndDinnerTripleTheChanceOfACustomer) {
    struct Case {
        int hour;
        int chance;
    };
    const Case kCases[] = {{11, 5}, {12, 15}, {13, 15}, {14, 5},
                           {17, 5}, {18, 15}, {20, 15}, {21, 5}};
    PlayState state;  // reputation 10: an even draw
    for (const Case& c : kCases) {
        state.clock.hour = c.hour;
        EXPECT_EQ(CustomerChance(state, 5), c.chance) << c.hour;
    }
}

TEST_F(EconomyTest, TheShopOpensAtSevenAndClosesAtTen) {
    for (int hour = 0; hour < 24; ++hour) {
        GameClock clock;
        clock.hour = hour;
        EXPECT_EQ(IsShopOpen(clock), hour >= 7 && hour < 22) << hour;
    }
}

}  // namespace
