// ブロムス and チェリー, the regular couple, drop in for a chat and a meal each.
#include <span>

#include "engine/common/system.h"
#include "events/story.h"
#include "events/visitors/scene_line.h"
#include "events/visitors/sold_out.h"

namespace {

// They praise the heroine, and she asks whether they ever quarrel.
constexpr SceneLine kPraise[] = {
    {kBromus, kNormal, "今日も頑張ってるねー"},
    {kCherry, kNormal, "まだお若いのに立派です"},
    {kVemu, kSmile,
     "えへへ、ありがとうございます\fお二人はいつも仲がいいですよね\nケンカとかしないんですか？"},
    {kBromus, kNormal, "ケンカ？\nしないしない"},
    {kCherry, kSmile, "ふふっ、どうでしょうね"},
};
// ブロムス finds the shop restful.
constexpr SceneLine kRestful[] = {
    {kBromus, kNormal, "この店に来ると、なんだか落ち着くんだよなあ"},
    {kCherry, kNormal, "ええ、本当に"},
    {kVemu, kSmile, "ありがとうございます！\nゆっくりしていってくださいね"},
};
// They greet ゼルバ, who has two words for them.
constexpr SceneLine kGreetZelba[] = {
    {kBromus, kNormal, "ゼルバさん、どうも"},     {kZelba, kNormal, "どうも"},
    {kCherry, kNormal, "こんにちは、ゼルバさん"}, {kZelba, kNormal, "どうも"},
    {kBromus, kNormal, "相変わらず無愛想だなあ"},
};

}  // namespace

StoryTask Story::BromusCherryVisitEvent() {
    stage_.PlayBgm(&handles_.music, kMusicMerrimentTown);
    co_await Until(handles_.music);
    stage_.Sound(kSoundBell).Play(0, 0);
    co_await Say("ども", kBromus, kNormal);
    co_await Say("こんにちは", kCherry, kNormal);
    co_await Say("いらっしゃいませ\nあっ、ブロムスさん、チェリーさん", kVemu, kNormal);
    std::span<const SceneLine> small_talk = kGreetZelba;
    if (Rand() % 3 == 0)
        small_talk = kPraise;
    else if (Rand() % 2 == 0)
        small_talk = kRestful;
    for (const SceneLine& line : small_talk) co_await Say(line.text, line.speaker, line.expression);

    if (MenuDish* his = PickDishForVisitor()) {
        co_await VisitorSale(his, "じゃあおれ、", "をもらおうかな", kBromus, kNormal);
        if (MenuDish* hers = PickDishForVisitor())
            co_await VisitorSale(hers, "わたしは", "にします", kCherry, kNormal);
        co_await Say("ごちそうさまでした", kCherry, kSmile);
        co_await Say("じゃあね", kBromus, kSmile);
    } else {
        co_await Say(kSoldOutApology, kVemu, kNormal);
        co_await Say("あ、そうなんですか\n仕方ないですね、また来ます", kCherry, kNormal);
    }
    co_await Say("また来てくださいね", kVemu, kNormal);
    stage_.PlayBgm(nullptr, kMusicQuietShop);
}
