// Every night ゼルバ looks at how many recipes the heroine has invented, and rewards the next
// threshold reached: one reward a night, the rest on the nights after.
#include "engine/framework/game_mediator.h"
#include "events/month/recipe_rewards.h"
#include "events/month/story_text.h"
#include "events/story.h"
#include "game/economy/owned_items.h"
#include "game/food/food_def.h"
#include "game/rules/menu_queries.h"
#include "game/rules/pantry.h"

StoryTask Story::RecipeRewardEvent() {
    const std::size_t book_size = book_.recipes.size();
    const int known_recipes = CountKnownRecipes(book_);
    world_.known_recipes = known_recipes;
    const int reward_num = world_.reward_num;
    if (!RecipeRewardDue(book_size, known_recipes, reward_num)) co_return;
    const RecipeReward& reward = RecipeRewardTable()[static_cast<std::size_t>(reward_num)];
    const unsigned threshold = RecipeRewardThreshold(book_size, reward_num);
    const unsigned next_threshold = RecipeRewardThreshold(book_size, reward_num + 1);

    SceneMusic(nullptr, kMusicZelbaBlues);
    co_await Say(
        FormatLine("ヴェム、\nレシピの数が %u を超えたようだな\f褒美として俺からこれをやろう",
                   threshold),
        kZelba, kNormal);
    stage_.Sound(kSoundGet).Play(0, 0);
    if (reward.count == 1)
        co_await Tell(FormatLine("『%s』を手に入れました", reward.name));
    else
        co_await Tell(FormatLine("『%s』を %dヶ 手に入れました", reward.name, reward.count));
    if (reward.note[0] != '\0') co_await Tell(reward.note);
    if (reward.kind == kRewardFood)
        AddFood(kitchen_, FindFoodDef(reward.name), static_cast<float>(reward.count));
    else
        GiveItem(state_, mediator_->items(), reward.name, reward.count);
    co_await Say("ゼルバさん、ありがとうございます！", kVemu, kGlad);

    world_.reward_num = world_.reward_num + 1;
    if (world_.reward_num < kRecipeRewardCount)
        co_await Say(
            FormatLine("次はレシピの数が %u を超えたときに\n『%s』をやろう\n頑張るのだぞ",
                       next_threshold,
                       RecipeRewardTable()[static_cast<std::size_t>(world_.reward_num)].name),
            kZelba, kNormal);
    else
        co_await Say(
            "なんと、全てのレシピを極めてしまったのだな\nもはやお前を超える料理人はおらんだろう",
            kZelba, kNormal);
    SceneMusic(nullptr, kMusicQuietShop);
}
