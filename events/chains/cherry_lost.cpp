// チェリー comes in alone and says nothing: the first sign that something is wrong.
#include "events/chains/chain_stage.h"
#include "events/story.h"
#include "game/main/vemu_comp.h"

StoryTask Story::CherryLostEvent() {
    game_.stage().Sound(kSoundBell).Play(0, 0);
    game_.stage().PlayBgm(nullptr, kMusicUnchanged);
    co_await Say("いらっしゃいませ\nあっ、チェリーさん", kVemu, kNormal);
    co_await Say("……", kCherry, kTear);
    co_await Say("？", kVemu, kAnnoy);
    co_await Say("……", kCherry, kTear);
    co_await Say("どうしたんですか？\fあっ、行っちゃった\n様子が変だったけど、何かあったのかな？",
                 kVemu, kAnnoy);
    game_.stage().PlayBgm(nullptr, kMusicQuietShop);
    state_.story_stage = kStageBromusSearches;
}
