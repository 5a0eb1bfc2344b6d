#include <gtest/gtest.h>

#include "game/clock/game_calendar.h"
#include "tests/clock/clock_fixture.h"

namespace {

using clock_test::ClockTest;

enum Unit { kMinutes, kHours, kDays };

struct Time {
    int year, month, day, hour, minute;
    bool operator==(const Time&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Time& t) {
    return out << t.year << "/" << t.month << "/" << t.day << " " << t.hour << ":" << t.minute;
}

class CalendarTest : public ClockTest {
protected:
    void Set(const Time& t) { state.clock = {t.year, t.month, t.day, t.hour, t.minute}; }
    Time Now() const {
        const GameClock& c = state.clock;
        return {c.year, c.month, c.day, c.hour, c.minute};
    }
    ClockEvents Add(Unit unit, int n) {
        switch (unit) {
            case kMinutes:
                return AddMinutes(world, n);
            case kHours:
                return AddHours(world, n);
            case kDays:
                break;
        }
        return AddDays(world, n);
    }
};

TEST_F(CalendarTest, TimeCarriesIntoHoursDaysMonthsAndYears) {
    const struct {
        const char* what;
        Time from;
        Unit unit;
        int n;
        Time to;
        bool rooster;
        int new_days;
        bool month_ended;
    } cases[] = {
        {"23:00 + 7 h", {2006, 3, 10, 23, 0}, kHours, 7, {2006, 3, 11, 6, 0}, true, 1, false},
        {"03:00 + 1 h", {2006, 3, 10, 3, 0}, kHours, 1, {2006, 3, 10, 4, 0}, false, 0, false},
        {"04:00 + 1 h", {2006, 3, 10, 4, 0}, kHours, 1, {2006, 3, 10, 5, 0}, true, 0, false},
        {"10:00 + 1 h", {2006, 3, 10, 10, 0}, kHours, 1, {2006, 3, 10, 11, 0}, false, 0, false},
        {"58 + 5 min", {2006, 3, 10, 8, 58}, kMinutes, 5, {2006, 3, 10, 9, 3}, false, 0, false},
        {"10:50 + 125 min",
         {2006, 3, 10, 10, 50},
         kMinutes,
         125,
         {2006, 3, 10, 12, 55},
         false,
         0,
         false},
        {"23:55 + 5 min", {2006, 3, 31, 23, 55}, kMinutes, 5, {2006, 4, 1, 0, 0}, false, 1, true},
        {"day 31 + 1", {2006, 3, 31, 8, 0}, kDays, 1, {2006, 4, 1, 8, 0}, false, 1, true},
        {"month 12 day 31 + 1", {2006, 12, 31, 8, 0}, kDays, 1, {2007, 1, 1, 8, 0}, false, 1, true},
        {"day 30 + 3", {2006, 3, 30, 8, 0}, kDays, 3, {2006, 4, 2, 8, 0}, false, 3, true},
        {"day 31 + 31", {2006, 3, 31, 8, 0}, kDays, 31, {2006, 4, 31, 8, 0}, false, 31, true},
        {"day 20 + 45", {2006, 11, 20, 8, 0}, kDays, 45, {2007, 1, 3, 8, 0}, false, 45, true},
        {"day 1 + 30", {2006, 3, 1, 8, 0}, kDays, 30, {2006, 3, 31, 8, 0}, false, 30, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Set(c.from);
        state.month_ended = 0;
        state.minutes_since_story_check = 7;
        state.state_day_cnt = 100;
        const ClockEvents events = Add(c.unit, c.n);
        EXPECT_EQ(Now(), c.to);
        EXPECT_EQ(events.rooster, c.rooster);
        EXPECT_EQ(events.new_days, c.new_days);
        EXPECT_EQ(state.month_ended, c.month_ended ? 1 : 0);
        EXPECT_EQ(state.minutes_since_story_check, 7 + (c.unit == kMinutes ? c.n : 0));
        EXPECT_EQ(state.state_day_cnt, 100 + c.new_days);
    }
}

TEST_F(CalendarTest, ANewDayOpensTheDailyGuardsAgesThePantryAndClearsTheHighlights) {
    state.visit_flags.fill(1);
    state.new_day = 0;
    Food& food = Store(Entry("キャベツ", "野菜"), 5);
    kitchen.menu.push_back(std::make_unique<MenuDish>());
    kitchen.menu.back()->sale_highlight = 12;
    Set({2006, 3, 10, 23, 0});

    AddHours(world, 5);  // 04:00
    EXPECT_EQ(state.visit_flags, (std::array<std::uint8_t, kVisitFlagCount>{}));
    EXPECT_EQ(state.new_day, 1);
    EXPECT_EQ(food.days, 4);
    EXPECT_EQ(kitchen.menu.back()->sale_highlight, 0);

    AddDays(world, 3);
    EXPECT_EQ(food.days, 1) << "one day of ageing for each day";
}

}  // namespace
