// The game's own calendar: 60-minute hours, 24-hour days, 31-day months and 12-month years.
#pragma once

#include "game/clock/clock_world.h"

// Every minute is also counted toward the next story check, and carried into hours.
ClockEvents AddMinutes(ClockWorld& world, int minutes);
// Carries into days; crows when the new hour is 5 or later and the hour before the addition
// was earlier (once, however many hours were added).
ClockEvents AddHours(ClockWorld& world, int hours);
// Counts the days and carries into months and years as often as needed, raising the month's
// end for the monthly report; then opens the once-a-day guards, ages the pantry once a day and
// clears the menu's sale highlights.
ClockEvents AddDays(ClockWorld& world, int days);
