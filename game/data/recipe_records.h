// The records of the recipe file (one catalogue entry or recipe a line) and of the bonus file
// (one combination rule a line). Fields are comma-separated; T is text, N a number.
//
// Recipe: T name, T description, T method, T naming, T parent, N base taste, N taste percent
//         (0 is 100), N unit weight (grams), N days limit (999 and more never spoil), N total,
//         N price, then up to 6 rows of T name, T requirement, N amount percent (0 is 100),
//         T reference ("=" as is; 0 or none the total), T consumption, ending at an empty name.
// Bonus:  T prefix word, T connector, T target, N bonus percent, then up to 6 triples of
//         T ingredient, N share percent, N taste percent, ending at an empty name.
#pragma once

#include "game/data/recipe_book.h"
#include "game/data/record_line.h"

// Adds the line's recipe to the book and returns the entry it makes. A line named like
// `previous` (the entry the line before made) is a variant: it makes that same entry, and its
// own catalogue fields are ignored. Otherwise a new entry joins the catalogue.
FoodDef* ParseRecipeRecord(RecordLine& line, FoodDef* previous, RecipeBook& book);
void ParseBonusRecord(RecordLine& line, RecipeBook& book);
