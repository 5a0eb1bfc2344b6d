// Going out: the heroine gathers what she finds, five minutes a frame, until the player calls
// her back or the night does.
#include <string>

#include "engine/common/system.h"
#include "engine/input/direct_input.h"
#include "game/economy/customers.h"
#include "game/food/food_def.h"
#include "game/main/vemu_comp.h"
#include "game/screens/outing_finds.h"

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

}  // namespace

void CVemuComp::OutingScreen() {
    // She comes home once the shop's hours are over.
    if (!IsShopOpen(state_.clock)) {
        // Back from the destinations as well as from the outing.
        if (state_.stamina > 0.0f) {
            if (!handles_.message.IsDone()) return;
            PopScreen();
            PopScreen();
            ShowNotice("いま戻りました");
        } else {
            PopScreen();
            PopScreen();
            StartStoryEvent(StoryEvent::kWakeAfterCollapse);
        }
        return;
    }
    if (ListCancelled() || ButtonPressed(kButtonDecide)) {
        SetCloseWhenDone(false);
        PopScreen();
        return;
    }
    ApplyFatigue(kOutingLoad);
    if (const char* find = DrawFind()) {
        sounds_.effects[kSoundGet].Play(0, 0);
        AddFood(FindFoodDef(find), 1.0f);
        const std::string line = std::string(find) + "を手に入れました\n";
        ShowOrAppendMessage(&handles_.message, line.c_str(), kMessageColor, &font16_);
    }
    AddMinutes(kMinutesPerFrame);
    ScheduleStoryIfTimePassed();
}
