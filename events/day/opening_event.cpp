// The opening of a new game: ラゴ tells who is who, ゼルバ remembers the heroine's birthday and
// hands her the shop, once she has cooked his dish on the cooking screen.
#include "engine/framework/nvl_component.h"
#include "events/day/opening_dish.h"
#include "events/story.h"
#include "game/food/food_def.h"
#include "game/rules/menu_queries.h"
#include "game/rules/pantry.h"

bool OpeningDishKnown(const RecipeBook& book) {
    const Recipe* recipe = FindRecipe(book, kOpeningDish);
    return recipe && recipe->def && recipe->def->known;
}

namespace {

// Only the cooking screen is reachable during the lesson: with an ingredient used up or spoiled
// the dish could never be cooked, so the pantry gets one unit of each it lacks.
void TopUpOpeningIngredients(Kitchen& kitchen) {
    for (const char* name : kOpeningIngredients) {
        FoodDef* def = FindFoodDef(name);
        if (def && !PantryHasFood(kitchen, def)) AddFood(kitchen, def, 1.0f);
    }
}

}  // namespace

StoryTask Story::MorningEvent() {
    co_await OpeningPrologue();
    co_await OpeningBirthday();
    while (!OpeningDishKnown(book_)) {
        co_await Say(
            "もちろん『ゼルバ炒め』の作り方は分かっているな\n"
            "『ゼルバワラビ』と『ゼルゼルダケ』を『焼く』のだ",
            kZelba, kNormal);
        TopUpOpeningIngredients(kitchen_);
        co_await YieldToScreen(kScreenCooking);
        co_await NextFrame();
    }
    state_.first = 0;
    co_await OpeningHandover();
}

StoryTask Story::OpeningPrologue() {
    novel_.message_output().Stop();
    novel_.Wait(&handles_.music, 2000);
    co_await Until(handles_.music);
    SceneMusic(&handles_.music, kMusicDreaminMush);
    co_await Until(handles_.music);
    co_await Say("やあ、オイラはラゴ\nこの物語の案内役さ", kRago, kNormal);
    co_await Say(
        "ここは山のふもとにある小さな食堂『ぜるば堂』\n"
        "店の主人はゼルバっていう頑固なオヤジなんだ",
        kRago, kNormal);
    co_await Say(
        "そしてこの店で働いているのがヴェム\n"
        "赤ん坊の頃からゼルバに育てられた女の子さ",
        kRago, kNormal);
    co_await Say("……\fオーケー、それじゃあ物語を始めるよ\nそれはある朝のこと", kRago, kNormal);
    // The wait asked for here is refused while the music change holds the handle: the scene
    // goes on once the music has changed.
    SceneMusic(&handles_.music, kMusicZelbaBlues);
    stage_.Sound(kSoundRooster).Play(0, 0);
    novel_.Wait(&handles_.music, 2000);
    co_await Until(handles_.music);
}

StoryTask Story::OpeningBirthday() {
    co_await Say("おはようございます、ゼルバさん", kVemu, kSmile);
    co_await Say("うむ、おはよう\nヴェム、今日が何の日か分かっておるか？", kZelba, kNormal);
    co_await Say("今日……ですか？\nえーと、お店の定休日ではないですし……", kVemu, kNormal);
    co_await Say("やれやれ、自分のこととなるとこれだ", kZelba, kNormal);
    co_await Say("？", kVemu, kNormal);
    co_await Say("今日はおまえの誕生日だったな、もう１７歳か", kZelba, kNormal);
    co_await Say("あっ、そうでした！\n覚えていてくださったんですね", kVemu, kSmile);
    co_await Say("オイラも覚えてたよ！\nで、ゼルバ、プレゼントは何なのさ？", kRago, kNormal);
    co_await Say("もう、ラゴったら", kVemu, kSmile);
    co_await Say("……", kRago, kNormal);
    co_await Say("プレゼントか……\nうむ、とびきりのものを考えてある", kZelba, kNormal);
    co_await Say("本当ですか？", kVemu, kNormal);
    co_await Say("はっはっは", kZelba, kNormal);
    co_await Say("そこで！", kZelba, kAnger);
    co_await Say("！", kVemu, kAmaze);
    co_await Say("今日からお前自身で店をやりくりしていくのだ！", kZelba, kAnger);
    co_await Say("ええっ！", kVemu, kAmaze);
    co_await Say("なんとっ！", kRago, kNormal);
    co_await Say("しかしその前に、この店の名物『ゼルバ炒め』で、\nその腕を見極めさせてもらう",
                 kZelba, kNormal);
    co_await Say("それって……テスト……なんでしょうか", kVemu, kAnnoy);
    co_await Say("『ゼルバ炒め』を作るのだ！", kZelba, kAnger);
}

StoryTask Story::OpeningHandover() {
    co_await Say("どうやらできたようだな\fむう、この味……\nまだまだ甘いな", kZelba, kNormal);
    co_await Say("……", kVemu, kTear);
    co_await Say(
        "しかし、これは確かにゼルバ炒め\fよし、今後この店はお前に任せる\n存分に腕を揮うがいい",
        kZelba, kNormal);
    co_await Say("ありがとうございます\n少し不安ですが、できる限り頑張ってみます", kVemu, kGlad);
    co_await Say(
        "（めちゃ不安だな）\fかくして、ヴェムは山のふもとにある小さな食堂\n"
        "『ぜるば堂』を任されることになったというわけだ",
        kRago, kNormal);
    SceneMusic(&handles_.music, kMusicQuietShop);
    co_await Say("ところでゼルバさん、どうしてまた急に私に店を任せることにしたんですか？", kVemu,
                 kNormal);
    co_await Say(
        "ああ実はな、城からある仕事を頼まれてしまったのだ\n"
        "この仕事と店を両方やっていくのはさすがにこの歳になると厳しくてな",
        kZelba, kNormal);
    co_await Say("何を言ってるんですか\nゼルバさんならまだまだやれますよ", kVemu, kNormal);
    co_await Say("でも、ゼルバさんの力になれるなら私も精一杯頑張りますね", kVemu, kSmile);
    co_await Say("うむ、頼んだぞ\n（優しい子に育ったのお）", kZelba, kNormal);
}
