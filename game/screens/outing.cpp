// Going out: the heroine gathers what she finds, five minutes a frame, until the player calls
// her back or the night does.
#include <string>

#include "engine/common/system.h"
#include "engine/input/direct_input.h"
#include "game/economy/customers.h"
#include "game/food/food_def.h"
#include "game/main/game_clock.h"
#include "game/main/vemu_comp.h"
#include "game/rules/pantry.h"
#include "game/rules/stamina.h"
#include "game/screens/list_input.h"
#include "game/screens/outing_finds.h"
#include "game/screens/screen_row.h"

namespace {

// The first finds on a draw of 50, then one draw that draws again from 40.
constexpr int kDrawAgain = static_cast<int>(kOutingFirstFinds.size());
constexpr int kFirstDraw = 50, kSecondDraw = 40;

constexpr float kOutingLoad = 0.2f;
constexpr int kMinutesPerFrame = 5;

const char* DrawFind() {
    const int r = Rand() % kFirstDraw;
    if (r < kDrawAgain) return kOutingFirstFinds[static_cast<std::size_t>(r)];
    if (r != kDrawAgain) return nullptr;
    const int s = Rand() % kSecondDraw;
    return s < static_cast<int>(kOutingSecondFinds.size())
               ? kOutingSecondFinds[static_cast<std::size_t>(s)]
               : nullptr;
}

void OutingScreen(CVemuComp& game) {
    // She comes home once the shop's hours are over.
    if (!IsShopOpen(game.state().clock)) {
        // Back from the destinations as well as from the outing.
        if (game.state().stamina > 0.0f) {
            if (!game.screens().handles().message.IsDone()) return;
            game.screens().Pop();
            game.screens().Pop();
            game.screens().ShowNotice("いま戻りました");
        } else {
            game.screens().Pop();
            game.screens().Pop();
            game.StartStoryEvent(StoryEvent::kWakeAfterCollapse);
        }
        return;
    }
    if (ListCancelled(game) || ButtonPressed(game, kButtonDecide)) {
        game.SetCloseWhenDone(false);
        game.screens().Pop();
        return;
    }
    ApplyFatigue(game.state(), kOutingLoad);
    if (const char* find = DrawFind()) {
        game.stage().sounds().effects[kSoundGet].Play(0, 0);
        AddFood(game.world().kitchen, FindFoodDef(find), 1.0f);
        const std::string line = std::string(find) + "を手に入れました\n";
        game.ShowOrAppendMessage(&game.screens().handles().message, line.c_str(),
                                 Stage::kMessageColor, &game.stage().message_font());
    }
    PassMinutes(game, kMinutesPerFrame);
    game.ScheduleStoryIfTimePassed();
}

}  // namespace

extern const ScreenRow kOutingScreen = {
    .id = kScreenOuting,
    .steps = kStopMessageWaiters,
    .update = OutingScreen,
};
