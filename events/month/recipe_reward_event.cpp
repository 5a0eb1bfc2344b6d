// Every night ゼルバ looks at how many recipes the heroine has invented, and rewards the next
// threshold reached: one reward a night, the rest on the nights after.
#include "events/month/recipe_rewards.h"
#include "events/month/story_text.h"
#include "game/food/food_def.h"
#include "game/main/vemu_comp.h"

StoryTask CVemuComp::RecipeRewardEvent() {
    const std::size_t book_size = book_.recipes.size();
    known_recipes_ = CountKnownRecipes();
    if (!RecipeRewardDue(book_size, known_recipes_, reward_num_)) co_return;
    const RecipeReward& reward = RecipeRewardTable()[static_cast<std::size_t>(reward_num_)];
    const unsigned threshold = RecipeRewardThreshold(book_size, reward_num_);
    const unsigned next_threshold = RecipeRewardThreshold(book_size, reward_num_ + 1);

    SceneMusic(nullptr, kMusicZelbaBlues);
    co_await Say(
        FormatLine("ヴェム、\nレシピの数が %u を超えたようだな\f褒美として俺からこれをやろう",
                   threshold),
        kZelba, kNormal);
    Sound(kSoundGet).Play(0, 0);
    if (reward.count == 1)
        co_await Tell(FormatLine("『%s』を手に入れました", reward.name));
    else
        co_await Tell(FormatLine("『%s』を %dヶ 手に入れました", reward.name, reward.count));
    if (reward.note[0] != '\0') co_await Tell(reward.note);
    if (reward.kind == kRewardFood)
        AddFood(FindFoodDef(reward.name), static_cast<float>(reward.count));
    else
        GiveItem(reward.name, reward.count);
    co_await Say("ゼルバさん、ありがとうございます！", kVemu, kGlad);

    ++reward_num_;
    if (reward_num_ < kRecipeRewardCount)
        co_await Say(FormatLine("次はレシピの数が %u を超えたときに\n『%s』をやろう\n頑張るのだぞ",
                                next_threshold,
                                RecipeRewardTable()[static_cast<std::size_t>(reward_num_)].name),
                     kZelba, kNormal);
    else
        co_await Say(
            "なんと、全てのレシピを極めてしまったのだな\nもはやお前を超える料理人はおらんだろう",
            kZelba, kNormal);
    SceneMusic(nullptr, kMusicQuietShop);
}
