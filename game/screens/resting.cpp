// Resting: stamina comes back while the clock runs, until the player gets up or the morning,
// lunch or dinner comes.
#include "engine/input/direct_input.h"
#include "game/main/game_clock.h"
#include "game/main/vemu_comp.h"
#include "game/rules/stamina.h"
#include "game/screens/list_input.h"
#include "game/screens/screen_row.h"

namespace {

constexpr float kRestTime = 0.25f;
constexpr int kMinutesPerFrame = 5;
constexpr int kMorning = 7, kLunch = 12, kDinner = 18;

bool Crossed(int before, int after, int hour) { return before < hour && after >= hour; }

void RestingScreen(CVemuComp& game) {
    if (ListCancelled(game) || ButtonPressed(game, kButtonDecide)) {
        game.screens().Pop();
        return;
    }
    RecoverStamina(game.state(), kRestTime);
    const int before = game.state().clock.hour;
    PassMinutes(game, kMinutesPerFrame);
    const int after = game.state().clock.hour;
    // The hour that ends the rest comes before the story's check. The check may put a scene or
    // a notice on top of the resting screen; ending the rest after it would pop that screen
    // instead, leaving its scene running with no screen (and the story refusing every other
    // scene from then on) or a notice gone unread under the hour's text. At such an hour the
    // check waits, with its minutes still counted, for the next step of play that makes one.
    if (Crossed(before, after, kMorning)) {
        game.screens().Pop();
        game.screens().cursor() = 0;
        game.StartStoryEvent(StoryEvent::kMorningRoutine);
    } else if (Crossed(before, after, kLunch)) {
        game.screens().Pop();
        game.screens().ShowNotice("ランチタイムです");
    } else if (Crossed(before, after, kDinner)) {
        game.screens().Pop();
        game.screens().ShowNotice("ディナータイムです");
    } else {
        game.ScheduleStoryIfTimePassed();
    }
}

}  // namespace

// Resting says nothing: the question of the screen below is not left in the window.
extern const ScreenRow kRestingScreen = {
    .id = kScreenResting,
    .steps = kStopMessageWaiters | kCloseMessage,
    .update = RestingScreen,
};
