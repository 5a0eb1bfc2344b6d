// The words of the recipe file's text fields and what they stand for. Matching is exact; an
// unknown word takes the value given with each lookup.
#pragma once

#include <span>
#include <string_view>

struct RecipeKeyword {
    const char* text;
    int value;
};

std::span<const RecipeKeyword> MethodKeywords();       // method masks
std::span<const RecipeKeyword> NamingKeywords();       // naming codes
std::span<const RecipeKeyword> RequirementKeywords();  // row requirements
std::span<const RecipeKeyword> ConsumptionKeywords();  // row consumptions

int LookUpKeyword(std::span<const RecipeKeyword> table, std::string_view text, int otherwise);

int MethodMaskFromText(std::string_view text);   // unknown: 0
int NamingCodeFromText(std::string_view text);   // unknown: 0
int RequirementFromText(std::string_view text);  // unknown: optional
int ConsumptionFromText(std::string_view text);  // unknown: named
