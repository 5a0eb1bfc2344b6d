#include "tests/playthrough/chance_wait.h"

namespace play_test {

int GameDay(const GameClock& clock) {
    constexpr int kDaysPerMonth = 31, kMonthsPerYear = 12, kFirstYear = 2006;
    return ((clock.year - kFirstYear) * kMonthsPerYear + clock.month - 1) * kDaysPerMonth +
           clock.day;
}

testing::AssertionResult WaitForChance(PlayScript& script, const DayPlan& day,
                                       const std::function<bool()>& came, int budget,
                                       const std::string& what) {
    const int first = GameDay(script.play().state().clock);
    script.log().Note(script.play(), "waiting for " + what);
    while (!came()) {
        const int days = GameDay(script.play().state().clock) - first;
        if (days >= budget)
            return script.Fail(what + " did not come within " + std::to_string(budget) +
                               " game days (waited from day " + std::to_string(first) + " to " +
                               DateOf(script.play().state().clock) + ")");
        if (testing::AssertionResult played = day(); !played) return played;
    }
    script.log().Note(script.play(), what + " came");
    return testing::AssertionSuccess();
}

}  // namespace play_test
