// ブロムス and チェリー, the regular couple, drop in for a chat and a meal each.
#include <span>

#include "engine/common/system.h"
#include "events/visitors/scene_line.h"
#include "events/visitors/sold_out.h"
#include "events/visitors/visit_music.h"
#include "game/main/vemu_comp.h"

namespace {

// They praise the heroine, and she asks whether they ever quarrel.
constexpr SceneLine kPraise[] = {
    {5, 0, "今日も頑張ってるねー"},
    {6, 0, "まだお若いのに立派です"},
    {1, 1,
     "えへへ、ありがとうございます\fお二人はいつも仲がいいですよね\nケンカとかしないんですか？"},
    {5, 0, "ケンカ？\nしないしない"},
    {6, 1, "ふふっ、どうでしょうね"},
};
// ブロムス finds the shop restful.
constexpr SceneLine kRestful[] = {
    {5, 0, "この店に来ると、なんだか落ち着くんだよなあ"},
    {6, 0, "ええ、本当に"},
    {1, 1, "ありがとうございます！\nゆっくりしていってくださいね"},
};
// They greet ゼルバ, who has two words for them.
constexpr SceneLine kGreetZelba[] = {
    {5, 0, "ゼルバさん、どうも"},     {2, 0, "どうも"},
    {6, 0, "こんにちは、ゼルバさん"}, {2, 0, "どうも"},
    {5, 0, "相変わらず無愛想だなあ"},
};

}  // namespace

StoryTask CVemuComp::BromusCherryVisitEvent() {
    PlayBgm(&handles_.music, kMusicTown);
    co_await Until(handles_.music);
    Sound(kSoundBell).Play(0, 0);
    co_await Say("ども", 5, 0);
    co_await Say("こんにちは", 6, 0);
    co_await Say("いらっしゃいませ\nあっ、ブロムスさん、チェリーさん", 1, 0);
    std::span<const SceneLine> small_talk = kGreetZelba;
    if (Rand() % 3 == 0)
        small_talk = kPraise;
    else if (Rand() % 2 == 0)
        small_talk = kRestful;
    for (const SceneLine& line : small_talk) co_await Say(line.text, line.speaker, line.expression);

    if (MenuDish* his = PickDishForVisitor()) {
        co_await VisitorSale(his, "じゃあおれ、", "をもらおうかな", 5, 0);
        if (MenuDish* hers = PickDishForVisitor())
            co_await VisitorSale(hers, "わたしは", "にします", 6, 0);
        co_await Say("ごちそうさまでした", 6, 1);
        co_await Say("じゃあね", 5, 1);
    } else {
        co_await Say(kSoldOutApology, 1, 0);
        co_await Say("あ、そうなんですか\n仕方ないですね、また来ます", 6, 0);
    }
    co_await Say("また来てくださいね", 1, 0);
    PlayBgm(nullptr, kMusicShop);
}
