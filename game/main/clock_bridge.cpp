// The component's game clock: the calendar rules on the play state, with the rooster played
// when a morning comes.
#include "engine/framework/game_mediator.h"
#include "game/clock/game_calendar.h"
#include "game/clock/spoiling.h"
#include "game/main/vemu_comp.h"

namespace {

void Announce(CVemuComp& game, const ClockEvents& events) {
    if (events.rooster) game.Sound(kSoundRooster).Play(0, 0);
}

}  // namespace

ClockWorld CVemuComp::MakeClockWorld() {
    return {state_, kitchen_, book_, rot_entry_, HoldsWitchFridge(mediator_->items())};
}

void CVemuComp::AddMinutes(int minutes) {
    ClockWorld world = MakeClockWorld();
    Announce(*this, ::AddMinutes(world, minutes));
}
void CVemuComp::AddHours(int hours) {
    ClockWorld world = MakeClockWorld();
    Announce(*this, ::AddHours(world, hours));
}
void CVemuComp::AddDays(int days) {
    ClockWorld world = MakeClockWorld();
    Announce(*this, ::AddDays(world, days));
}
void CVemuComp::RotFoods() {
    ClockWorld world = MakeClockWorld();
    ::RotFoods(world);
}
