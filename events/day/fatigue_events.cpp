// Collapsing from fatigue: at home she comes round eight hours later; out of doors ラゴ carries
// her home and she sleeps for three days.
#include "events/story.h"
#include "game/main/game_clock.h"
#include "game/rules/stamina.h"

namespace {

constexpr float kRestAfterCollapse = 20.0f;

}  // namespace

StoryTask Story::FatigueEvent() {
    stage_.ChangePortrait(&handles_.portrait, kVemu, kTear);
    co_await Until(handles_.portrait);
    co_await Tell("うーん、頭がクラクラしてきました……");
    PassHours(game_, 8);
    RecoverStamina(state_, kRestAfterCollapse);
    if (state_.stamina < 0.0f) state_.stamina = 0.0f;
    stage_.ChangePortrait(&handles_.portrait, kVemu, kAnnoy);
    co_await Until(handles_.portrait);
    co_await Tell("あっ、こんなに時間が過ぎてしまいました\n体調の方は……少し良くなったみたいです");
}

StoryTask Story::WakeAfterCollapseEvent() {
    PassHours(game_, 72);
    RecoverStamina(state_, kRestAfterCollapse);
    if (state_.stamina < 0.0f) state_.stamina = 0.0f;
    co_await Say("ヴェム、ヴェム", kZelba, kNormal);
    co_await Say("……", kVemu, kTear);
    co_await Say("よかった、やっと気が付いたか\nもう３日も眠り続けておったのだぞ", kZelba, kNormal);
    co_await Say("えっ、そんなに長い間！？\nすみません、心配をおかけしました", kVemu, kAnnoy);
    co_await Say("ほんと、オイラが連れてきてやらなかったらどうなっていたか\n感謝しな", kRago,
                 kNormal);
}
