// Collapsing from fatigue: at home she comes round eight hours later; out of doors ラゴ carries
// her home and she sleeps for three days.
#include "game/main/vemu_comp.h"

namespace {

constexpr float kRestAfterCollapse = 20.0f;

}  // namespace

StoryTask CVemuComp::FatigueEvent() {
    ChangePortrait(&handles_.portrait, 1, 3);
    co_await Until(handles_.portrait);
    co_await Tell("うーん、頭がクラクラしてきました……");
    AddHours(8);
    RecoverStamina(kRestAfterCollapse);
    if (state_.stamina < 0.0f) state_.stamina = 0.0f;
    ChangePortrait(&handles_.portrait, 1, 5);
    co_await Until(handles_.portrait);
    co_await Tell("あっ、こんなに時間が過ぎてしまいました\n体調の方は……少し良くなったみたいです");
}

StoryTask CVemuComp::WakeAfterCollapseEvent() {
    AddHours(72);
    RecoverStamina(kRestAfterCollapse);
    if (state_.stamina < 0.0f) state_.stamina = 0.0f;
    co_await Say("ヴェム、ヴェム", 2, 0);
    co_await Say("……", 1, 3);
    co_await Say("よかった、やっと気が付いたか\nもう３日も眠り続けておったのだぞ", 2, 0);
    co_await Say("えっ、そんなに長い間！？\nすみません、心配をおかけしました", 1, 5);
    co_await Say("ほんと、オイラが連れてきてやらなかったらどうなっていたか\n感謝しな", 3, 0);
}
