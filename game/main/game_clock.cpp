#include "game/main/game_clock.h"

#include "engine/framework/game_mediator.h"
#include "game/clock/game_calendar.h"
#include "game/main/vemu_comp.h"

namespace {

void Announce(CVemuComp& game, const ClockEvents& events) {
    if (events.rooster) game.stage().Sound(kSoundRooster).Play(0, 0);
}

}  // namespace

void PassMinutes(CVemuComp& game, int minutes) {
    ClockWorld clock = ClockOf(game.world(), game.mediator().items());
    Announce(game, AddMinutes(clock, minutes));
}

void PassHours(CVemuComp& game, int hours) {
    ClockWorld clock = ClockOf(game.world(), game.mediator().items());
    Announce(game, AddHours(clock, hours));
}
