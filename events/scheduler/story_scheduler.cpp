// After game time has passed, the main game decides whether there is something to tell: the
// month's report, the end of the opening lesson, a newly unlocked good, a method's new level, a
// collapse from fatigue, or a chance visit. One thing a call; the rest wait for later checks.
#include <string>

#include "engine/common/system.h"
#include "engine/framework/nvl_component.h"
#include "events/day/opening_dish.h"
#include "events/scheduler/chance_visits.h"
#include "events/story.h"

namespace {

// The notice of a method's new level starts with the method's name, by method bit.
struct LevelUpPrefix {
    int method;
    const char* prefix;
};
constexpr LevelUpPrefix kLevelUpPrefixes[] = {
    {kMethodProcess, "加工技術レベルが "}, {kMethodBake, "焼き物レベルが "},
    {kMethodBoil, "煮物レベルが "},        {kMethodFry, "揚げ物レベルが "},
    {kMethodFerment, "発酵レベルが "},
};

const char* LevelUpPrefixOf(int method) {
    for (const LevelUpPrefix& row : kLevelUpPrefixes)
        if (row.method == method) return row.prefix;
    return "";
}

}  // namespace

void Story::ScheduleStory() {
    // A contest holds everything back, the month's report too, until its end.
    if (contest_.running) return;
    if (state_.month_ended) {
        state_.month_ended = 0;
        Start(StoryEvent::kMonthlyReport);
        return;
    }
    if (state_.first) {
        // The opening lesson waits on the cooking screen for its dish; nothing else comes
        // while it runs.
        if (OpeningDishKnown(book_)) {
            state_.first = 0;
            PopScreen();
            stage_.choice_window().Stop();
            novel_.message_output().Stop();
            for (CIconEvent& icon : stage_.icon_buttons()) icon.Stop();
        }
        return;
    }
    if (!state_.mastered.empty()) {
        const std::string name = state_.mastered.back();
        state_.mastered.pop_back();
        screens_.ShowNotice("『" + name + "』の販売数が 100 を超えました\n『" + name +
                            "』が商店街で買えるようになりました");
        stage_.Sound(kSoundAhead).Play(0, 0);
        return;
    }
    if (state_.last_levelup_method != 0) {
        const int method = state_.last_levelup_method;
        const int slot = MethodSlotOf(method);
        const int level = slot >= 0 ? state_.skill_level[static_cast<std::size_t>(slot)] : 0;
        screens_.ShowNotice(LevelUpPrefixOf(method) + std::to_string(level) + " になりました");
        stage_.Sound(kSoundGet).Play(0, 0);
        state_.last_levelup_method = 0;
        novel_.PlayVoice(Rand() % 2 == 0 ? "voice\\level_up.wav" : "voice\\sukoshiha.wav");
        return;
    }
    if (state_.stamina < 0.0f) {
        Start(StoryEvent::kFatigue);
        return;
    }
    // Back from an outing or resting: only notices and the collapse, no chance visits.
    if (screens_.id() == kScreenOuting || screens_.id() == kScreenResting) return;
    DrawChanceVisit(world_, *this, Rand() % 1000);
}
