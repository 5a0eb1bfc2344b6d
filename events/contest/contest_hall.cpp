// The contest hall: the announcer offers the next contest for its fee and leads the player in,
// and after the contest the way back to the hall's own picture.
#include <string>

#include "engine/framework/game_mediator.h"
#include "engine/framework/nvl_component.h"
#include "events/contest/contest_table.h"
#include "events/story.h"
#include "game/main/scene_question.h"
#include "game/rules/money.h"

namespace {

constexpr int kFadeFrames = 50;
constexpr int kYes = 0, kNo = 1;

}  // namespace

StoryTask Story::ContestHallEvent() {
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
    stage_.set_choice_result(kNo);
    const int answer = co_await Question(stage_);
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
    stage_.Sound(kSoundBuy).Play(0, 0);
    AddMoney(state_, mediator_->values(), -contest_.entry_fee);
    co_await Say("ではこちらへどうぞ", kAnnouncer, kNormal);
    stage_.PlayBgm(nullptr, kMusicCookingCompetition);
    novel_.FadeOut(&handles_.music, kFadeFrames, 0, 0, 0);
    co_await Until(handles_.music);
    if (!StartContest()) {
        // The notice has taken the story screen's place: the hall ends without popping it.
        Reset();
        co_return;
    }
    novel_.FadeIn(&handles_.music, kFadeFrames, 0, 0, 0);
    co_await HandOver(StoryEvent::kContest);
}

bool Story::StartContest() {
    if (!FindContestRow(state_.contests_won)) {
        screens_.OpenNotice("現在参加できる大会はありません");
        return false;
    }
    ReplaceScreen(kScreenStory);
    return true;
}

StoryTask Story::EnterContestHall() {
    stage_.PlayBgm(nullptr, kMusicQuietShop);
    novel_.FadeOut(&handles_.music, kFadeFrames, 0, 0, 0);
    co_await Until(handles_.music);
    // Only the character shown changes; the face stays as it was.
    stage_.ChangePortrait(nullptr, kZelba, stage_.expression());
    novel_.FadeIn(&handles_.music, kFadeFrames, 0, 0, 0);
}
