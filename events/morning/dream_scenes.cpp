// The dreams of Narf's story, one for each odd "state_dream" a saved game carries; each opens
// the way on or tells a piece of the heroine's past.
#include "events/story.h"
#include "game/rules/daily.h"

StoryTask Story::NarfDream() {
    co_await Say(
        "……夢を見ました\f森で出会ったあの人……ナルフさん\nどうしてあんなに懐かしい感じがしたんだろ"
        "う",
        kVemu, kNormal);
    co_await Say("夢の中で、ナルフさんが森の奥の家で待っている気がしました", kVemu, kNormal);
    stage_.Sound(kSoundAhead).Play(0, 0);
    co_await Say("『ナルフの家』に行けるようになりました", kRago, kNormal);
    state_.place_flags[kPlaceNarf] = 1;
}

StoryTask Story::WhiteMagicDream() {
    SceneMusic(&handles_.music, kMusicDreaminMush);
    co_await Until(handles_.music);
    co_await Say(
        "また夢を見ました\fお母さんが開いていた白魔法の学校……\n"
        "小さい私はいつもそこで遊んでいたんです",
        kVemu, kNormal);
    co_await Say(
        "その学校でよく作ってもらった料理があるんだって？\f"
        "思い出の料理は『レモン』を『化け猫の骨』と煮たものらしいよ",
        kRago, kNormal);
    co_await Say("化け猫の骨……？", kVemu, kAnnoy);
    co_await Say("化け猫エブラの住む洞窟なら、オイラ知ってるよ\n行ってみようか", kRago, kNormal);
    stage_.Sound(kSoundAhead).Play(0, 0);
    co_await Say("『エブラの洞窟』に行けるようになりました", kRago, kNormal);
    state_.place_flags[kPlaceCave] = 1;
    SceneMusic(nullptr, kMusicQuietShop);
    state_.state_memory_food = 1;
    UpdateMemoryFoodState(state_, world_.memory_food_first, world_.memory_food_second);
}

StoryTask Story::PancakeDream() {
    co_await Say("また例の夢……", kVemu, kNormal);
    co_await Say("お母さんが焼いてくれたパンケーキ\nふんわり甘くて、大好きだったな", kVemu, kSmile);
}

StoryTask Story::KinshipDream() {
    co_await Say("ナルフさんと私……\nいったいどういう関係なんだろう", kVemu, kNormal);
    SceneMusic(&handles_.music, kMusicZelbaBlues);
    co_await Until(handles_.music);
    co_await Say(
        "ふむ、思い出したぞ\f伝説の記憶の料理は『キャトレモネ』を『メモリーパロット』と煮たものだ\n"
        "『メモリーパロット』は料理大会の賞品になっておったはずだ",
        kZelba, kNormal);
    co_await Say("ありがとうございます、ゼルバさん", kVemu, kSmile);
    UpdateMemoryFoodState(state_, world_.memory_food_first, world_.memory_food_second);
    SceneMusic(nullptr, kMusicQuietShop);
}

StoryTask Story::ManaFruitDream() {
    co_await Say(
        "マナの実か……小さい頃お母さんからよく話を聞かされたっけ\f黒いマナは食べちゃいけないって",
        kVemu, kNormal);
}

StoryTask Story::SnowDream() {
    co_await Say("雪……？\nこの暖かい国に雪が降るなんて", kVemu, kAnnoy);
    co_await Say("むう……何かの前触れでなければよいが", kZelba, kNormal);
    // A request for music 0 changes nothing: what plays goes on until the shop's piece below.
    SceneMusic(nullptr, kMusicUnchanged);
    state_.place_flags[kPlaceNarf] = 0;
    SceneMusic(nullptr, kMusicQuietShop);
}

StoryTask Story::FrozenWorldDream() {
    co_await Say("悲しい夢……\nお母さんが、遠くへ行ってしまう夢でした", kVemu, kAnger);
    SceneMusic(&handles_.music, kMusicZelbaBlues);
    co_await Until(handles_.music);
    co_await Say(
        "ヴェム、聞いてくれ\f世界が氷に覆われて、もう１週間になる\n"
        "１２年前と同じだ……あのときはマナの森の奥に住む魔女フランの仕業だった",
        kZelba, kNormal);
    co_await Say("お前の母ククールはフランと戦い……\nそして、二度と帰ってはこなかったのだ", kZelba,
                 kNormal);
    co_await Say("お母さんが……\fゼルバさん、私、フランを止めに行きます！", kVemu, kTear);
    SceneMusic(nullptr, kMusicQuietShop);
}
