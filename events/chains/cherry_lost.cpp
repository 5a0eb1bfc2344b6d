// チェリー comes in alone and says nothing: the first sign that something is wrong.
#include "events/chains/chain_stage.h"
#include "events/story.h"

StoryTask Story::CherryLostEvent() {
    stage_.Sound(kSoundBell).Play(0, 0);
    stage_.PlayBgm(nullptr, kMusicUnchanged);
    co_await Say("いらっしゃいませ\nあっ、チェリーさん", kVemu, kNormal);
    co_await Say("……", kCherry, kTear);
    co_await Say("？", kVemu, kAnnoy);
    co_await Say("……", kCherry, kTear);
    co_await Say("どうしたんですか？\fあっ、行っちゃった\n様子が変だったけど、何かあったのかな？",
                 kVemu, kAnnoy);
    stage_.PlayBgm(nullptr, kMusicQuietShop);
    state_.story_stage = kStageBromusSearches;
}
