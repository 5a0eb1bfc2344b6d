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

void CVemuComp::AddMinutes(int minutes) {
    ClockWorld world{state_, kitchen_, book_, rot_entry_, HoldsWitchFridge(mediator_->items())};
    Announce(*this, ::AddMinutes(world, minutes));
}
void CVemuComp::AddHours(int hours) {
    ClockWorld world{state_, kitchen_, book_, rot_entry_, HoldsWitchFridge(mediator_->items())};
    Announce(*this, ::AddHours(world, hours));
}
void CVemuComp::AddDays(int days) {
    ClockWorld world{state_, kitchen_, book_, rot_entry_, HoldsWitchFridge(mediator_->items())};
    Announce(*this, ::AddDays(world, days));
}
void CVemuComp::RotFoods() {
    ClockWorld world{state_, kitchen_, book_, rot_entry_, HoldsWitchFridge(mediator_->items())};
    ::RotFoods(world);
}
