// テイストキング drops in: the first time he finds the shop and invites the heroine to his
// cooking contest; afterwards he brings a hint, a rumour and a boast.
#include <array>

#include "engine/common/system.h"
#include "events/story.h"
#include "events/visitors/rumour.h"
#include "events/visitors/scene_line.h"

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
    {kVemu, kSmile, "いらっしゃいませ"},
    {kTasteKing, kNormal, "ほう、こんなところに店があったとはのう"},
    {kRago, kNormal, "おっちゃん、だれ？"},
    {kVemu, kAmaze, "ちょ、ちょっとラゴ！\nお客さんに失礼でしょ！"},
    {kTasteKing, kNormal, "ほっほっほ、かまわんよ\fわしはテイストキング\n食を極めんとする者じゃ"},
    {kVemu, kAmaze, "テ、テイストキングさん……ですか？"},
    {kZelba, kNormal, "なんだ、誰かと思えばお前か"},
    {kTasteKing, kAmaze, "おお！　ゼルバではないか！\nこんなところで会えるとはのう"},
    {kZelba, kNormal, "久しぶりだな\f今はこいつがこの店をやってるんだ"},
    {kTasteKing, kNormal, "ほう、お主の店を、この嬢ちゃんがのう"},
    {kVemu, kAmaze, "は、はい！\nヴェムといいます"},
    {kTasteKing, kSmile,
     "ヴェムか、良い名じゃ\fゼルバの店を継ぐとは、なかなか見込みがありそうじゃのう"},
    {kVemu, kAmaze, "そ、そんな……\nまだまだ修行中です"},
    {kTasteKing, kSmile, "ほっほっほ\f昔はゼルバとよく料理の腕を競い合ったものじゃ"},
    {kVemu, kAmaze, "えっ、そうだったんですか！"},
    {kTasteKing, kSmile, "ときに、料理大会を知っておるか？"},
    {kVemu, kNormal, "料理大会……ですか？"},
    {kTasteKing, kNormal,
     "うむ\n腕自慢の料理人たちが集まって、料理の腕を競う大会じゃ\fわしも審査員を務めておる"},
    {kTasteKing, kSmile, "どうじゃ、嬢ちゃんも参加してみては？"},
    {kVemu, kAmaze, "えっ、わたしがですか！？"},
    {kTasteKing, kSmile, "うむ\nゼルバの店を継ぐ者なら、きっと良い修行になるじゃろう"},
    {kVemu, kAmaze, "で、でも、わたしなんかで大丈夫でしょうか……"},
    {kZelba, kNormal, "行ってこい\f店のことなら心配するな"},
    {kRago, kNormal, "ボクも応援するよ、ヴェム！"},
    {kVemu, kSmile, "……はい！\nわたし、参加してみます！"},
    {kRago, kNormal, "やったー！\nがんばろうね、ヴェム"},
    {kTasteKing, kNormal, "うむ\nでは待っておるぞ\f精進せいよ"},
}};

}  // namespace

StoryTask Story::TasteKingVisitEvent() {
    stage_.PlayBgm(&handles_.music, kMusicDeliciousYyoo);
    stage_.Sound(kSoundBell).Play(0, 0);
    co_await Until(handles_.music);
    co_await Say("お邪魔しますよ", kTasteKing, kNormal);
    if (state_.place_flags[kPlaceCompetition]) {
        co_await Say("いらっしゃいませ\nあっ、テイストキングさん", kVemu, kNormal);
        co_await Say("今日も精進を心がけておるようじゃのう", kTasteKing, kNormal);
        co_await Tell(std::string("ときに\n") + kHints[static_cast<unsigned>(Rand()) % 10]);
        co_await Say("なるほど\nそうなんですか", kVemu, kNormal);
        co_await Say(SpreadRumour(book_, kTasteKingRumour), kTasteKing, kNormal);
        co_await Say("おっちゃん、物知りだな", kRago, kNormal);
        co_await Say(std::string("ほっほっほ\fわしをおだてすぎると調子に乗って\n") +
                         kBoasts[static_cast<unsigned>(Rand()) % 17],
                     kTasteKing, kSmile);
        // The new-day flag stays set once a day has begun, so his old friend's aside is
        // always in the draw.
        if (state_.new_day && Rand() % 3 == 1)
            co_await Say("なまじ冗談でないところが恐ろしいがな", kZelba, kNormal);
        else if (Rand() % 2 == 1)
            co_await Say("そいつはかっこよすぎだよ、おっちゃん", kRago, kNormal);
        else
            co_await Say("（おだてないように気を付けないと……）", kVemu, kSmile);
        co_await Say("多くの料理を知ることは、食を極めることにつながる\f精進せいよ", kTasteKing,
                     kNormal);
    } else {
        for (const SceneLine& line : kFirstVisit)
            co_await Say(line.text, line.speaker, line.expression);
        state_.place_flags[kPlaceCompetition] = 1;
        stage_.Sound(kSoundAhead).Play(0, 0);
        co_await Say("『料理大会』に行けるようになりました", kVemu, kNormal);
    }
    stage_.PlayBgm(&handles_.music, kMusicQuietShop);
}
