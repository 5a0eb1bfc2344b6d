#include "game/rules/stamina.h"

#include "game/rules/equipment.h"
#include "game/rules/skills.h"

namespace {

// The first ring found wins, so wearing both gives the weaker one's relief.
double FatigueRelief(const PlayState& state) {
    if (IsAccessoryEquipped(state, "ガッツリング")) return 0.66;
    if (IsAccessoryEquipped(state, "超ガッツリング")) return 0.33;
    return 1.0;
}

}  // namespace

void ApplyFatigue(PlayState& state, float load) {
    state.stamina =
        static_cast<float>(state.stamina - FatigueRelief(state) * state.fatigue_factor * load);
}

void RecoverStamina(PlayState& state, float time) {
    const double k = IsAccessoryEquipped(state, "快眠ブレスレット") ? 1.5 : 1.0;
    state.stamina = static_cast<float>(state.stamina + k * state.recovery_factor * time);
}

void PrepStep(PlayState& state, int method, float amount, int unit_weight) {
    AddSkillExp(state, method, amount);
    const int work = static_cast<int>(static_cast<float>(unit_weight) * amount);
    const int minutes = PrepTime(state, method, work);
    state.cooking_minutes =
        static_cast<int>(static_cast<float>(minutes) * state.cooking_time_factor +
                         static_cast<float>(state.cooking_minutes));
    ApplyFatigue(state, amount * 0.2f);
}
