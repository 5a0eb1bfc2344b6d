#include "game/rules/skills.h"

int MethodSlotOf(int method) {
    switch (method) {
        case kMethodProcess:
            return kSlotProcess;
        case kMethodMix:
            return kSlotMix;
        case kMethodBake:
            return kSlotBake;
        case kMethodBoil:
            return kSlotBoil;
        case kMethodFry:
            return kSlotFry;
        case kMethodFerment:
            return kSlotFerment;
        default:
            return -1;
    }
}

namespace {

// The slot of a method that has a skill and a utensil; 混ぜる needs neither.
int SkilledSlotOf(int method) { return method == kMethodMix ? -1 : MethodSlotOf(method); }

}  // namespace

int SkillExpToNextLevel(int level) { return 10 * level * level + 10; }

void AddSkillExp(PlayState& state, int method, float experience) {
    const int slot = SkilledSlotOf(method);
    if (slot < 0) return;
    float& exp = state.skill_exp[static_cast<std::size_t>(slot)];
    int& level = state.skill_level[static_cast<std::size_t>(slot)];
    exp += experience;
    const int threshold = SkillExpToNextLevel(level);
    if (exp >= static_cast<float>(threshold)) {
        exp -= static_cast<float>(threshold);
        ++level;
        state.last_levelup_method = method;
    }
}

double PrepSpeed(const PlayState& state, int method) {
    const int slot = SkilledSlotOf(method);
    if (slot < 0) return 1.0;
    const auto i = static_cast<std::size_t>(slot);
    return 1.0 + 0.3 * (state.utensil_level[i] - 1) + 0.03 * state.skill_level[i];
}

int PrepTime(const PlayState& state, int method, int work) {
    const int t = (5 * work) / 100;
    return static_cast<int>(t / PrepSpeed(state, method));
}
