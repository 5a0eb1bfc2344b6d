// The opening of a new game: ラゴ tells who is who, ゼルバ remembers the heroine's birthday and
// hands her the shop, once she has cooked his dish on the cooking screen.
#include "events/day/opening_dish.h"
#include "game/food/food_def.h"
#include "game/main/vemu_comp.h"

bool OpeningDishKnown(const CVemuComp& game) {
    const Recipe* recipe = game.FindRecipe(kOpeningDish);
    return recipe && recipe->def && recipe->def->known;
}

namespace {

// Only the cooking screen is reachable during the lesson: with an ingredient used up or spoiled
// the dish could never be cooked, so the pantry gets one unit of each it lacks.
void TopUpOpeningIngredients(CVemuComp& game) {
    for (const char* name : kOpeningIngredients) {
        FoodDef* def = FindFoodDef(name);
        if (def && !game.PantryHasFood(def)) game.AddFood(def, 1.0f);
    }
}

}  // namespace

StoryTask CVemuComp::MorningEvent() {
    co_await OpeningPrologue();
    co_await OpeningBirthday();
    while (!OpeningDishKnown(*this)) {
        co_await Say(
            "もちろん『ゼルバ炒め』の作り方は分かっているな\n"
            "『ゼルバワラビ』と『ゼルゼルダケ』を『焼く』のだ",
            2, 0);
        TopUpOpeningIngredients(*this);
        co_await YieldToScreen(kScreenCooking);
        co_await NextFrame();
    }
    state_.first = 0;
    co_await OpeningHandover();
}

StoryTask CVemuComp::OpeningPrologue() {
    message_output().Stop();
    Wait(&handles_.music, 2000);
    co_await Until(handles_.music);
    SceneMusic(&handles_.music, 8);
    co_await Until(handles_.music);
    co_await Say("やあ、オイラはラゴ\nこの物語の案内役さ", 3, 0);
    co_await Say(
        "ここは山のふもとにある小さな食堂『ぜるば堂』\n"
        "店の主人はゼルバっていう頑固なオヤジなんだ",
        3, 0);
    co_await Say(
        "そしてこの店で働いているのがヴェム\n"
        "赤ん坊の頃からゼルバに育てられた女の子さ",
        3, 0);
    co_await Say("……\fオーケー、それじゃあ物語を始めるよ\nそれはある朝のこと", 3, 0);
    // The wait asked for here is refused while the music change holds the handle: the scene
    // goes on once the music has changed.
    SceneMusic(&handles_.music, 7);
    Sound(kSoundRooster).Play(0, 0);
    Wait(&handles_.music, 2000);
    co_await Until(handles_.music);
}

StoryTask CVemuComp::OpeningBirthday() {
    co_await Say("おはようございます、ゼルバさん", 1, 1);
    co_await Say("うむ、おはよう\nヴェム、今日が何の日か分かっておるか？", 2, 0);
    co_await Say("今日……ですか？\nえーと、お店の定休日ではないですし……", 1, 0);
    co_await Say("やれやれ、自分のこととなるとこれだ", 2, 0);
    co_await Say("？", 1, 0);
    co_await Say("今日はおまえの誕生日だったな、もう１７歳か", 2, 0);
    co_await Say("あっ、そうでした！\n覚えていてくださったんですね", 1, 1);
    co_await Say("オイラも覚えてたよ！\nで、ゼルバ、プレゼントは何なのさ？", 3, 0);
    co_await Say("もう、ラゴったら", 1, 1);
    co_await Say("……", 3, 0);
    co_await Say("プレゼントか……\nうむ、とびきりのものを考えてある", 2, 0);
    co_await Say("本当ですか？", 1, 0);
    co_await Say("はっはっは", 2, 0);
    co_await Say("そこで！", 2, 4);
    co_await Say("！", 1, 6);
    co_await Say("今日からお前自身で店をやりくりしていくのだ！", 2, 4);
    co_await Say("ええっ！", 1, 6);
    co_await Say("なんとっ！", 3, 0);
    co_await Say("しかしその前に、この店の名物『ゼルバ炒め』で、\nその腕を見極めさせてもらう", 2,
                 0);
    co_await Say("それって……テスト……なんでしょうか", 1, 5);
    co_await Say("『ゼルバ炒め』を作るのだ！", 2, 4);
}

StoryTask CVemuComp::OpeningHandover() {
    co_await Say("どうやらできたようだな\fむう、この味……\nまだまだ甘いな", 2, 0);
    co_await Say("……", 1, 3);
    co_await Say(
        "しかし、これは確かにゼルバ炒め\fよし、今後この店はお前に任せる\n存分に腕を揮うがいい", 2,
        0);
    co_await Say("ありがとうございます\n少し不安ですが、できる限り頑張ってみます", 1, 2);
    co_await Say(
        "（めちゃ不安だな）\fかくして、ヴェムは山のふもとにある小さな食堂\n"
        "『ぜるば堂』を任されることになったというわけだ",
        3, 0);
    SceneMusic(&handles_.music, 1);
    co_await Say("ところでゼルバさん、どうしてまた急に私に店を任せることにしたんですか？", 1, 0);
    co_await Say(
        "ああ実はな、城からある仕事を頼まれてしまったのだ\n"
        "この仕事と店を両方やっていくのはさすがにこの歳になると厳しくてな",
        2, 0);
    co_await Say("何を言ってるんですか\nゼルバさんならまだまだやれますよ", 1, 0);
    co_await Say("でも、ゼルバさんの力になれるなら私も精一杯頑張りますね", 1, 1);
    co_await Say("うむ、頼んだぞ\n（優しい子に育ったのお）", 2, 0);
}
