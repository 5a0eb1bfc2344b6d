// The path: what the play-through pursues day by day. An ordinary day keeps the shop's dish in
// stock (bought, cooked and on the menu), sells from the morning to closing time and rests to
// the next morning; the milestones' own steps come on top of it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/playthrough/chance_wait.h"
#include "tests/playthrough/play_script.h"

namespace play_test {

// The dish the shop sells on ordinary days: of the base shops' foods, by the new game's pan, the
// one that leaves most money over its cost.
struct SaleDish {
    std::string name;
    const char8_t* method;
    // Bought in the shops, by shop row: one pot's worth.
    std::vector<std::pair<const char8_t*, Pot>> shopping;
    Pot pot;
};
const SaleDish& ShopDish();

class Path {
public:
    explicit Path(PlayScript& script) : script_(script) {}

    // From the morning's commands to the next morning's.
    testing::AssertionResult OrdinaryDay();
    DayPlan Days() {
        return [this] { return OrdinaryDay(); };
    }
    // Buys and cooks pots of the shop's dish until the pantry holds at least `portions`, and
    // sees that it is on the menu.
    testing::AssertionResult Stock(float portions);
    float Held(const std::string& name) const;

private:
    PlayScript& script_;
};

}  // namespace play_test
