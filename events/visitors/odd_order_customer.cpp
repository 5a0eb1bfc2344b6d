// アダムスキー orders something no kitchen has, and leaves when told so.
#include <array>

#include "engine/common/system.h"
#include "events/story.h"

namespace {

constexpr std::array<const char*, 10> kNouns = {
    "高枝切りバサミ", "うにうにホイホイ",   "鼻毛の天ぷら",     "空飛ぶフンドシ",   "人々の絶望",
    "次世代のおまる", "大魔王デントスモス", "オヤジンのフライ", "ティラノザウルス", "トリカブト",
};
constexpr std::array<const char*, 4> kEndings = {
    "』持って来い",
    "』を握ってくれ",
    "』欲しいだもんよ",
    "』いっちょー",
};

}  // namespace

StoryTask Story::OddOrderCustomerEvent() {
    stage_.Sound(kSoundBell).Play(0, 0);
    const char* noun = kNouns[static_cast<unsigned>(Rand()) % kNouns.size()];
    const char* ending = kEndings[static_cast<unsigned>(Rand()) % kEndings.size()];
    co_await Say(std::string("『") + noun + ending, kAdamski, kNormal);
    co_await Say("ありません！", kVemu, kAnger);
}
