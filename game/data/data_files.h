// The two data files of the game: "dat\\vemu01.edt" holds the food catalogue and the recipes,
// "dat\\vemu02.edt" the combination bonuses. Both are enciphered containers of CP932 text lines.
#pragma once

#include "game/data/recipe_book.h"

inline constexpr const char* kRecipeFileName = "dat\\vemu01.edt";
inline constexpr const char* kBonusFileName = "dat\\vemu02.edt";

// Each reader is true on success. A missing file shows "%s がありません"; a read error or a
// failed length and digest check shows "ロードできません" and the file's path on disk (caption
// "ごめんねエラー"). Both
// are false then, and whatever was parsed before the failure stays loaded.
bool LoadRecipeFile(const char* path, RecipeBook& book);
bool LoadBonusFile(const char* path, RecipeBook& book);
// The recipe file, then the bonus file: true when both loaded.
bool LoadDataFiles(RecipeBook& book);
