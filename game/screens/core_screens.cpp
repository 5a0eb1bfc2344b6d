// The screens of the day's frame: the start of play, the pause after a dish is made, the message
// to read, the story screen with the contest hall that hands over to it, and the number no
// screen uses.
#include "engine/framework/game_mediator.h"
#include "game/main/vemu_comp.h"
#include "game/rules/menu_queries.h"
#include "game/screens/screen_row.h"

namespace {

void StartOfPlay(CVemuComp& game) {
    game.screens().Push(kScreenMainCommands, -1);
    if (game.state().first) {
        game.mediator().StopEventsWaitingOn(&game.screens().handles().list);
        game.StartStoryEvent(StoryEvent::kMorning);
    }
}

void AfterDishMadeDone(CVemuComp& game) {
    MarkMenuFoods(game.world().kitchen);
    game.screens().Replace(kScreenCooking);
    game.ScheduleStoryIfTimePassed();
}

void WaitForMessage(CVemuComp& game) {
    if (game.screens().handles().message.IsDone()) game.screens().Pop();
}

bool PrepareStory(CVemuComp& game, std::string& /*prompt*/) {
    game.SetNoFastForward(false);
    return true;
}

void RunStory(CVemuComp& game) { game.RunCurrentEvent(); }

// The hall is a scene on the story screen, in the hall's place; when no scene can start now the
// player stays where the hall was chosen.
bool PrepareContestHall(CVemuComp& game, std::string& /*prompt*/) {
    if (!game.StartStoryEvent(StoryEvent::kContestHall, true)) game.screens().Pop();
    return false;
}

}  // namespace

extern const ScreenRow kStartScreen = {.id = kScreenStart, .update = StartOfPlay};
extern const ScreenRow kAfterDishMadeScreen = {.id = kScreenAfterDishMade,
                                               .update = AfterDishMadeDone};
extern const ScreenRow kWaitForMessageScreen = {
    .id = kScreenWaitForMessage, .steps = kStopListWaiters, .update = WaitForMessage};
extern const ScreenRow kStoryScreen = {
    .id = kScreenStory, .steps = kStopListWaiters, .prepare = PrepareStory, .update = RunStory};
extern const ScreenRow kContestHallScreen = {.id = kScreenContestHall,
                                             .prepare = PrepareContestHall};
extern const ScreenRow kUnused28Screen = {.id = kScreenUnused28};
