// ナルフ's first visits: she passes on a rumour of a dish or ingredient the heroine has not met.
#include "events/story.h"
#include "events/visitors/rumour.h"

namespace {

constexpr RumourWords kNarfRumour = {
    "噂で聞いたんですけど、\n『",
    "』っていう料理があるみたいですね",
    "』っていう食材があるみたいですね",
};

}  // namespace

StoryTask Story::NarfRumourEvent() {
    stage_.Sound(kSoundBell).Play(0, 0);
    co_await Say("こんにちは", kNarf, kNormal);
    co_await Say("いらっしゃいませ\nあっ、ナルフさん", kVemu, kNormal);
    co_await Say(SpreadRumour(book_, kNarfRumour), kNarf, kNormal);
    co_await Say("そうなんですか", kVemu, kNormal);
    co_await Say("面白い料理ができるのを楽しみにしていますね\fそれではごきげんよう", kNarf,
                 kNormal);
}
