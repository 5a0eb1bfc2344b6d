// Resting: stamina comes back while the clock runs, until the player gets up or the morning,
// lunch or dinner comes.
#include "engine/input/direct_input.h"
#include "game/main/vemu_comp.h"

namespace {

constexpr float kRestTime = 0.25f;
constexpr int kMinutesPerFrame = 5;
constexpr int kMorning = 7, kLunch = 12, kDinner = 18;

bool Crossed(int before, int after, int hour) { return before < hour && after >= hour; }

}  // namespace

void CVemuComp::RestingScreen() {
    if (ListCancelled() || ButtonPressed(kButtonDecide)) {
        PopScreen();
        return;
    }
    RecoverStamina(kRestTime);
    const int before = state_.clock.hour;
    AddMinutes(kMinutesPerFrame);
    const int after = state_.clock.hour;
    // The hour that ends the rest comes before the story's check. The check may put a scene or
    // a notice on top of the resting screen; ending the rest after it would pop that screen
    // instead, leaving its scene running with no screen (and the story refusing every other
    // scene from then on) or a notice gone unread under the hour's text. At such an hour the
    // check waits, with its minutes still counted, for the next step of play that makes one.
    if (Crossed(before, after, kMorning)) {
        PopScreen();
        screen_cursor_ = 0;
        StartStoryEvent(StoryEvent::kMorningRoutine);
    } else if (Crossed(before, after, kLunch)) {
        PopScreen();
        ShowNotice("ランチタイムです");
    } else if (Crossed(before, after, kDinner)) {
        PopScreen();
        ShowNotice("ディナータイムです");
    } else {
        ScheduleStoryIfTimePassed();
    }
}
