// The contest hall: the announcer offers the next contest for its fee and leads the player in,
// and after the contest the way back to the hall's own picture.
#include <string>

#include "events/contest/contest_table.h"
#include "game/main/scene_question.h"
#include "game/main/vemu_comp.h"

namespace {

constexpr int kFadeFrames = 50;
constexpr int kYes = 0, kNo = 1;

}  // namespace

StoryTask CVemuComp::ContestHallEvent() {
    co_await Say("ここは料理大会会場です", kAnnouncer, kNormal);
    const ContestRow* row = FindContestRow(state_.contests_won);
    if (!row) {
        co_await Say("現在参加できる大会はありません", kAnnouncer, kNormal);
        co_return;
    }
    contest_.entry_fee = row->entry_fee;
    co_await Tell(std::string(row->lead) + std::to_string(contest_.entry_fee) +
                      " クルになりますが、\n参加しますか？",
                  false);
    choice_result_ = kNo;
    const int answer = co_await Question(*this);
    if (answer != kYes) {
        co_await Say("そうですか\nまたのお越しを", kAnnouncer, kNormal);
        co_return;
    }
    // A contest of the player's own dish cannot be held without one to hand in: the hall says so
    // before it takes the fee.
    if (!row->provided && kitchen_.pantry().empty()) {
        co_await Say("残念ながら提出できる料理がないようです\nまたのお越しを", kAnnouncer, kNormal);
        co_return;
    }
    if (state_.money <= contest_.entry_fee) {
        co_await Say("残念ながらお金が足りないようです\nまたのお越しを", kAnnouncer, kNormal);
        co_return;
    }
    Sound(kSoundBuy).Play(0, 0);
    AddMoney(-contest_.entry_fee);
    co_await Say("ではこちらへどうぞ", kAnnouncer, kNormal);
    PlayBgm(nullptr, kMusicCookingCompetition);
    FadeOut(&handles_.music, kFadeFrames, 0, 0, 0);
    co_await Until(handles_.music);
    if (!StartContest()) {
        // The notice has taken the story screen's place: the hall ends without popping it.
        ResetEventStates();
        co_return;
    }
    FadeIn(&handles_.music, kFadeFrames, 0, 0, 0);
    co_await HandOver(StoryEvent::kContest);
}

bool CVemuComp::StartContest() {
    if (!FindContestRow(state_.contests_won)) {
        ReplaceScreen(kScreenWaitForMessage);
        ShowMessage(&handles_.message, "現在参加できる大会はありません", true);
        return false;
    }
    ReplaceScreen(kScreenStory);
    return true;
}

StoryTask CVemuComp::EnterContestHall() {
    PlayBgm(nullptr, kMusicQuietShop);
    FadeOut(&handles_.music, kFadeFrames, 0, 0, 0);
    co_await Until(handles_.music);
    // Only the character shown changes; the face stays as it was.
    ChangePortrait(nullptr, kZelba, expression_);
    FadeIn(&handles_.music, kFadeFrames, 0, 0, 0);
}
