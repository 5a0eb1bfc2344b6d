// The dish of the opening lesson, and the two ingredients it is cooked from.
#pragma once

class RecipeBook;
struct RequiredNames;

inline constexpr const char* kOpeningDish = "ゼルバ炒め";
inline constexpr const char* kOpeningIngredients[2] = {"ゼルバワラビ", "ゼルゼルダケ"};

// The player has cooked the lesson's dish.
bool OpeningDishKnown(const RecipeBook& book);

void AddDayNames(RequiredNames& names);
