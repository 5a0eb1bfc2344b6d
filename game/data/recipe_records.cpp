#include "game/data/recipe_records.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

#include "game/data/recipe_keywords.h"

namespace {

class FieldReader {
public:
    explicit FieldReader(RecordLine& line) : cursor_(line.begin()), end_(line.end()) {}

    std::string_view Text() {
        char* start = nullptr;
        cursor_ = ReadTextField(cursor_, end_, &start);
        return std::string_view(start);
    }
    int Number() {
        int value = 0;
        cursor_ = ReadNumberField(cursor_, end_, &value);
        return value;
    }

private:
    char* cursor_;
    const char* end_;
};

const FoodCategory* ResolveParent(std::string_view name) {
    const FoodCategory* fallback = FoodCategoryAt(kCategoryOther);
    if (name.empty()) return fallback;
    if (const FoodCategory* category = FindFoodCategory(name)) return category;
    if (const FoodDef* entry = FindFoodDef(name)) return entry;
    return fallback;
}

}  // namespace

FoodDef* ParseRecipeRecord(RecordLine& line, FoodDef* previous, RecipeBook& book) {
    FieldReader fields(line);
    const std::string_view name = fields.Text();
    const std::string_view description = fields.Text();
    const std::string_view method = fields.Text();
    const std::string_view naming = fields.Text();
    const std::string_view parent = fields.Text();
    const int base_taste = fields.Number();
    int taste_percent = fields.Number();
    if (taste_percent == 0) taste_percent = 100;
    const int unit_weight = fields.Number();
    int days_limit = fields.Number();
    if (days_limit >= kNeverSpoils) days_limit = kNeverSpoils;
    const int total = fields.Number();
    const int price = fields.Number();

    auto recipe = std::make_unique<Recipe>();
    if (previous != nullptr && previous->name == name) {
        recipe->def = previous;
    } else {
        auto def = std::make_unique<FoodDef>();
        def->name = std::string(name);
        def->description = std::string(description);
        def->base_taste = base_taste;
        def->taste_percent = taste_percent;
        def->unit_weight = static_cast<float>(unit_weight);
        def->days_limit = days_limit;
        def->price = price;
        def->parent = ResolveParent(parent);
        recipe->def = AddFoodDef(std::move(def));
    }
    recipe->name = std::string(name);
    recipe->method_mask = MethodMaskFromText(method);
    recipe->naming = NamingCodeFromText(naming);
    recipe->total = total;

    for (int i = 0; i < kMaxRecipeRows; ++i) {
        const std::string_view row_name = fields.Text();
        if (row_name.empty()) break;
        const std::string_view requirement = fields.Text();
        int amount_percent = fields.Number();
        const std::string_view reference = fields.Text();
        const std::string_view consumption = fields.Text();
        if (amount_percent == 0) amount_percent = 100;

        auto row = std::make_unique<RecipeIngredient>();
        row->name = std::string(row_name);
        // Nine-digit fields can overflow a 32-bit product; the quotient is what is kept.
        row->amount =
            static_cast<float>(static_cast<long long>(amount_percent) * unit_weight / 100);
        if (reference == "=") {
            row->reference = kReferenceAsIs;
        } else {
            // The field is a zero-terminated piece of the line buffer.
            const int value = std::atoi(reference.data());
            row->reference = value == 0 ? total : value;
        }
        row->requirement = RequirementFromText(requirement);
        row->consumption = ConsumptionFromText(consumption);
        recipe->rows.push_back(std::move(row));
    }

    FoodDef* made = recipe->def;
    book.recipes.push_back(std::move(recipe));
    return made;
}

void ParseBonusRecord(RecordLine& line, RecipeBook& book) {
    FieldReader fields(line);
    auto bonus = std::make_unique<ComboBonus>();
    bonus->prefix = std::string(fields.Text());
    bonus->connector = std::string(fields.Text());
    bonus->target = std::string(fields.Text());
    bonus->bonus_percent = fields.Number();
    for (int i = 0; i < kMaxBonusTriples; ++i) {
        const std::string_view ingredient = fields.Text();
        if (ingredient.empty()) break;
        BonusTriple triple;
        triple.ingredient = std::string(ingredient);
        triple.share_percent = fields.Number();
        triple.taste_percent = fields.Number();
        bonus->triples.push_back(std::move(triple));
    }
    book.bonuses.push_back(std::move(bonus));
}
