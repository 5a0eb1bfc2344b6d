#include "game/data/recipe_keywords.h"

#include "game/data/recipe_book.h"
#include "game/food/food.h"

namespace {

constexpr RecipeKeyword kMethods[] = {
    {"混ぜる", kMethodMix},
    {"加工", kMethodProcess},
    {"焼く", kMethodBake},
    {"揚げる", kMethodFry},
    {"煮る", kMethodBoil},
    {"発酵", kMethodFerment},
    {"焼く|煮る|揚げる", kMethodBake | kMethodBoil | kMethodFry},
    {"混ぜる|焼く|煮る", kMethodMix | kMethodBake | kMethodBoil},
};

constexpr RecipeKeyword kNamings[] = {
    {"前", kNamingBefore}, {"前（の）", kNamingBeforeOf},  {"前（入）", kNamingBeforeWith},
    {"後", kNamingAfter},  {"後（添）", kNamingAfterSide},
};

constexpr RecipeKeyword kRequirements[] = {
    {"必須", kRequirementMust},
    {"必要", kRequirementNeeded},
};

constexpr RecipeKeyword kConsumptions[] = {
    {"消", kConsumptionAbsorbed},
    {"残", kConsumptionKept},
};

}  // namespace

std::span<const RecipeKeyword> MethodKeywords() { return kMethods; }
std::span<const RecipeKeyword> NamingKeywords() { return kNamings; }
std::span<const RecipeKeyword> RequirementKeywords() { return kRequirements; }
std::span<const RecipeKeyword> ConsumptionKeywords() { return kConsumptions; }

int LookUpKeyword(std::span<const RecipeKeyword> table, std::string_view text, int otherwise) {
    for (const RecipeKeyword& keyword : table) {
        if (text == keyword.text) return keyword.value;
    }
    return otherwise;
}

int MethodMaskFromText(std::string_view text) { return LookUpKeyword(kMethods, text, 0); }
int NamingCodeFromText(std::string_view text) {
    return LookUpKeyword(kNamings, text, kNamingPlain);
}
int RequirementFromText(std::string_view text) {
    return LookUpKeyword(kRequirements, text, kRequirementOptional);
}
int ConsumptionFromText(std::string_view text) {
    return LookUpKeyword(kConsumptions, text, kConsumptionNamed);
}
