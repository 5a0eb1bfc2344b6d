// The ingredient dictionary and the recipe book: what the player has come to know, and the
// last dish of a recipe offered for the menu.
#include <algorithm>
#include <cstdio>
#include <string>

#include "game/main/vemu_comp.h"
#include "game/screens/list_input.h"
#include "game/screens/play_lists.h"
#include "game/screens/screen_row.h"

namespace {

const char* const kUnknown = "？？？";

int BuildBookRows(const RecipeBook& book, std::size_t first, std::size_t end,
                  std::vector<MenuEntry>& entries) {
    entries.clear();
    end = std::min(end, book.recipes.size());
    for (std::size_t i = first; i < end; ++i) {
        const Recipe& recipe = *book.recipes[i];
        MenuEntry entry;
        entry.label = recipe.def && recipe.def->known ? recipe.name : kUnknown;
        entry.value = static_cast<int>(i);
        entries.push_back(std::move(entry));
    }
    return static_cast<int>(entries.size());
}

constexpr std::size_t kIngredients = kPlainIngredientCount;

}  // namespace

int BuildIngredientDictionaryList(CVemuComp& game, std::vector<MenuEntry>& entries) {
    return BuildBookRows(game.world().book, 0, kIngredients, entries);
}

int BuildRecipeBookList(CVemuComp& game, std::vector<MenuEntry>& entries) {
    return BuildBookRows(game.world().book, kIngredients, game.world().book.recipes.size(),
                         entries);
}

namespace {

void RecipeBookScreen(CVemuComp& game) {
    game.stage().RecallListCursor(&game.stage().list_window());
    if (ListCancelled(game)) {
        game.stage().list_window().SetTop(0);
        game.screens().Pop();
        return;
    }
    if (!game.screens().handles().list.IsDone() || game.screens().cursor() < 0 ||
        game.screens().cursor() >= game.stage().entry_count())
        return;
    const std::size_t index = static_cast<std::size_t>(
        game.stage().entries()[static_cast<std::size_t>(game.screens().cursor())].value);
    if (index >= game.world().book.recipes.size()) return;
    const Recipe& recipe = *game.world().book.recipes[index];
    if (!recipe.last_result) {
        game.screens().Push(kScreenWaitForMessage);
        game.stage().ShowMessage(&game.screens().handles().message,
                                 "この料理はメニューに加えられません", true);
        return;
    }
    OfferForMenu(game, *recipe.last_result);
    game.screens().Push(kScreenAddToMenu);
}

// The prompt counts the recipes known against the recipes there are.
bool PrepareRecipeBook(CVemuComp& game, std::string& prompt) {
    // A book of plain ingredients only has no recipes to count: 0 %, not a division.
    const long long recipes =
        static_cast<long long>(game.world().book.recipes.size()) - kPlainIngredientCount;
    const int known = game.world().known_recipes;
    const long long percent = recipes > 0 ? known * 100LL / recipes : 0;
    char text[96];
    std::snprintf(text, sizeof text, "現在のレシピ総数は %d\n達成率は %lld％ です", known, percent);
    prompt = text;
    return true;
}

}  // namespace

extern const ScreenRow kIngredientDictionaryScreen = {
    .id = kScreenIngredientDictionary,
    .steps = kShowList,
    .rows = BuildIngredientDictionaryList,
    .update = RecipeBookScreen,
    .panel = ScreenPanel::kIngredientEntry,
};
extern const ScreenRow kRecipeBookScreen = {
    .id = kScreenRecipeBook,
    .steps = kShowList,
    .rows = BuildRecipeBookList,
    .prepare = PrepareRecipeBook,
    .update = RecipeBookScreen,
    .panel = ScreenPanel::kRecipeEntry,
};
