// The ingredient dictionary and the recipe book: what the player has come to know, and the
// last dish of a recipe offered for the menu.
#include <algorithm>

#include "game/main/vemu_comp.h"
#include "game/screens/play_lists.h"

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
    return BuildBookRows(game.book(), 0, kIngredients, entries);
}

int BuildRecipeBookList(CVemuComp& game, std::vector<MenuEntry>& entries) {
    return BuildBookRows(game.book(), kIngredients, game.book().recipes.size(), entries);
}

void CVemuComp::IngredientDictionaryScreen() { RecipeBookScreen(); }

void CVemuComp::RecipeBookScreen() {
    RecallListCursor(&list_window_);
    if (ListCancelled()) {
        list_window_.SetTop(0);
        PopScreen();
        return;
    }
    if (!handles_.list.IsDone() || screen_cursor_ < 0 || screen_cursor_ >= entry_count_) return;
    const std::size_t index =
        static_cast<std::size_t>(entries_[static_cast<std::size_t>(screen_cursor_)].value);
    if (index >= book_.recipes.size()) return;
    const Recipe& recipe = *book_.recipes[index];
    if (!recipe.last_result) {
        PushScreen(kScreenWaitForMessage);
        ShowMessage(&handles_.message, "この料理はメニューに加えられません", true);
        return;
    }
    OfferForMenu(*recipe.last_result);
    PushScreen(kScreenAddToMenu);
}
