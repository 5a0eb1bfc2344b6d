#include "game/food/food_def.h"

FoodCatalogue& GlobalFoodCatalogue() {
    static FoodCatalogue catalogue;
    return catalogue;
}

FoodDef* AddFoodDef(std::unique_ptr<FoodDef> def) {
    FoodCatalogue& catalogue = GlobalFoodCatalogue();
    catalogue.push_back(std::move(def));
    return catalogue.back().get();
}

FoodDef* FindFoodDef(std::string_view name) {
    for (const auto& def : GlobalFoodCatalogue()) {
        if (def->name == name) return def.get();
    }
    return nullptr;
}

void ClearFoodCatalogue() { GlobalFoodCatalogue().clear(); }

void ResetFoodCatalogueProgress() {
    for (const auto& def : GlobalFoodCatalogue()) {
        def->familiarity = 0.0f;
        def->known = 0;
        def->rumoured = 0;
    }
}
