// テイストキング drops in: the first time he finds the shop and invites the heroine to his
// cooking contest; afterwards he brings a hint, a rumour and a boast.
#include <array>

#include "engine/common/system.h"
#include "events/visitors/rumour.h"
#include "events/visitors/scene_line.h"
#include "events/visitors/visit_music.h"
#include "game/main/vemu_comp.h"

namespace {

constexpr std::array<const char*, 10> kHints = {
    "『ミント』に『ココロの実』を加えて発酵させると、忘れられない味のものができるらしいぞ",
    "『肉』と『パン』と何かを混ぜて焼くと、なかなかうまいものができるらしいぞ",
    "『豆腐』という料理があるらしいぞ\n加工した大豆に何かを混ぜたものらしい",
    "『万能酵母』を知っておるか？\fこれを混ぜた食材は、時間が経っても腐らずに特殊なものに変わること"
    "があるらしいぞ",
    "調味料を正しく使っておるかのう？\f調味料を使いこなせれば１ランク上の料理を作ることができるぞ",
    "『卵』と『パン』を使って、『フライ』という料理ができるらしいぞ",
    "『生クリーム』を加えた料理は、『まろやか』になるらしいぞ",
    "『ロコモコ』という料理を知っておるか？\n『ごはん』に『玉子焼き』と何かを加えた南国の料理らしい"
    "ぞ",
    "焼いてから煮ることで、珍しい料理になることもあるらしい",
    "『白菜』と『唐辛子』を発酵させると独特な漬物ができるらしいぞ",
};

constexpr std::array<const char*, 17> kBoasts = {
    "海の上を走ったりしてしまうぞ",
    "口から怪光線を放ってしまうぞ",
    "目からビームを打ってしまうぞ",
    "巨大化して城を破壊することもあるぞ",
    "頭巾をかぶって大暴れすることもあるぞ",
    "近隣の火山を大噴火させてしてしまうぞ",
    "極楽へ日帰り旅行に行ってしまうぞ",
    "黄金色に輝く舌で夜の街を照らしてしまうぞ",
    "ふんどし一丁で深海にダイビングしてしまうぞ",
    "ロケット噴射で空を舞ってしまうぞ",
    "閃光を放ち、大海原を真っ２つに分けてしまうぞ",
    "謎のマシーンに乗って花見の席を騒然とさせてしまうぞ",
    "次回バラの花びらに包まれて登場してしまうぞ",
    "茶漬けどんぶりに桜の花を咲かせてしまうぞ",
    "輝く天使に導かれ、夢見心地になってしまうぞ",
    "車椅子で病院の階段を駆け上がってしまうぞ",
    "ふんどし一丁で津波の中を泳いでしまうぞ",
};

constexpr RumourWords kTasteKingRumour = {
    "うむ\nそれからな、この世界のどこかには、\n『",
    "』という料理があるそうだぞ",
    "』という食材があるそうだぞ",
};

// He finds the shop, knows ゼルバ of old, meets the heroine who runs it now and invites her.
constexpr std::array<SceneLine, 27> kFirstVisit = {{
    {1, 1, "いらっしゃいませ"},
    {18, 0, "ほう、こんなところに店があったとはのう"},
    {3, 0, "おっちゃん、だれ？"},
    {1, 6, "ちょ、ちょっとラゴ！\nお客さんに失礼でしょ！"},
    {18, 0, "ほっほっほ、かまわんよ\fわしはテイストキング\n食を極めんとする者じゃ"},
    {1, 6, "テ、テイストキングさん……ですか？"},
    {2, 0, "なんだ、誰かと思えばお前か"},
    {18, 6, "おお！　ゼルバではないか！\nこんなところで会えるとはのう"},
    {2, 0, "久しぶりだな\f今はこいつがこの店をやってるんだ"},
    {18, 0, "ほう、お主の店を、この嬢ちゃんがのう"},
    {1, 6, "は、はい！\nヴェムといいます"},
    {18, 1, "ヴェムか、良い名じゃ\fゼルバの店を継ぐとは、なかなか見込みがありそうじゃのう"},
    {1, 6, "そ、そんな……\nまだまだ修行中です"},
    {18, 1, "ほっほっほ\f昔はゼルバとよく料理の腕を競い合ったものじゃ"},
    {1, 6, "えっ、そうだったんですか！"},
    {18, 1, "ときに、料理大会を知っておるか？"},
    {1, 0, "料理大会……ですか？"},
    {18, 0, "うむ\n腕自慢の料理人たちが集まって、料理の腕を競う大会じゃ\fわしも審査員を務めておる"},
    {18, 1, "どうじゃ、嬢ちゃんも参加してみては？"},
    {1, 6, "えっ、わたしがですか！？"},
    {18, 1, "うむ\nゼルバの店を継ぐ者なら、きっと良い修行になるじゃろう"},
    {1, 6, "で、でも、わたしなんかで大丈夫でしょうか……"},
    {2, 0, "行ってこい\f店のことなら心配するな"},
    {3, 0, "ボクも応援するよ、ヴェム！"},
    {1, 1, "……はい！\nわたし、参加してみます！"},
    {3, 0, "やったー！\nがんばろうね、ヴェム"},
    {18, 0, "うむ\nでは待っておるぞ\f精進せいよ"},
}};

}  // namespace

StoryTask CVemuComp::TasteKingVisitEvent() {
    PlayBgm(&handles_.music, kMusicTasteKing);
    Sound(kSoundBell).Play(0, 0);
    co_await Until(handles_.music);
    co_await Say("お邪魔しますよ", 18, 0);
    if (state_.place_flags[kPlaceCompetition]) {
        co_await Say("いらっしゃいませ\nあっ、テイストキングさん", 1, 0);
        co_await Say("今日も精進を心がけておるようじゃのう", 18, 0);
        co_await Tell(std::string("ときに\n") + kHints[static_cast<unsigned>(Rand()) % 10]);
        co_await Say("なるほど\nそうなんですか", 1, 0);
        co_await Say(SpreadRumour(book_, kTasteKingRumour), 18, 0);
        co_await Say("おっちゃん、物知りだな", 3, 0);
        co_await Say(std::string("ほっほっほ\fわしをおだてすぎると調子に乗って\n") +
                         kBoasts[static_cast<unsigned>(Rand()) % 17],
                     18, 1);
        // The new-day flag stays set once a day has begun, so his old friend's aside is
        // always in the draw.
        if (state_.new_day && Rand() % 3 == 1)
            co_await Say("なまじ冗談でないところが恐ろしいがな", 2, 0);
        else if (Rand() % 2 == 1)
            co_await Say("そいつはかっこよすぎだよ、おっちゃん", 3, 0);
        else
            co_await Say("（おだてないように気を付けないと……）", 1, 1);
        co_await Say("多くの料理を知ることは、食を極めることにつながる\f精進せいよ", 18, 0);
    } else {
        for (const SceneLine& line : kFirstVisit)
            co_await Say(line.text, line.speaker, line.expression);
        state_.place_flags[kPlaceCompetition] = 1;
        Sound(kSoundAhead).Play(0, 0);
        co_await Say("『料理大会』に行けるようになりました", 1, 0);
    }
    PlayBgm(&handles_.music, kMusicShop);
}
