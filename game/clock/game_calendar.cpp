#include "game/clock/game_calendar.h"

#include "game/clock/spoiling.h"
#include "game/rules/daily.h"

namespace {

constexpr int kMinutesPerHour = 60;
constexpr int kHoursPerDay = 24;
constexpr int kDaysPerMonth = 31;
constexpr int kMonthsPerYear = 12;
constexpr int kRoosterHour = 5;

}  // namespace

ClockEvents AddMinutes(ClockWorld& world, int minutes) {
    GameClock& clock = world.state.clock;
    clock.minute += minutes;
    world.state.minutes_since_story_check += minutes;
    if (clock.minute < kMinutesPerHour) return {};
    const int hours = clock.minute / kMinutesPerHour;
    clock.minute %= kMinutesPerHour;
    return AddHours(world, hours);
}

ClockEvents AddHours(ClockWorld& world, int hours) {
    GameClock& clock = world.state.clock;
    ClockEvents events;
    clock.hour += hours;
    if (clock.hour >= kHoursPerDay) {
        const int days = clock.hour / kHoursPerDay;
        clock.hour %= kHoursPerDay;
        events += AddDays(world, days);
    }
    if (clock.hour >= kRoosterHour && clock.hour - hours < kRoosterHour) events.rooster = true;
    return events;
}

ClockEvents AddDays(ClockWorld& world, int days) {
    PlayState& state = world.state;
    GameClock& clock = state.clock;
    clock.day += days;
    state.state_day_cnt += days;
    if (clock.day > kDaysPerMonth) {
        const int months = (clock.day - 1) / kDaysPerMonth;
        clock.day = (clock.day - 1) % kDaysPerMonth + 1;
        clock.month += months;
        state.month_ended = 1;
        if (clock.month > kMonthsPerYear) {
            clock.year += (clock.month - 1) / kMonthsPerYear;
            clock.month = (clock.month - 1) % kMonthsPerYear + 1;
        }
    }
    ResetDailyFlags(state);
    for (int i = 0; i < days; ++i) RotFoods(world);
    for (const auto& dish : world.kitchen.menu) dish->sale_highlight = 0;
    ClockEvents events;
    events.new_days = days;
    return events;
}
