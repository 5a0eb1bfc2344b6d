#include "game/saves/state_keys.h"

#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace {

using Field = std::variant<int*, float*, std::uint8_t*>;

struct StateKey {
    std::string name;
    Field field;
    int fallback;
};

// The slot's keys in the order they are written.
std::vector<StateKey> StateKeys(PlayState& s, int& reward_num) {
    std::vector<StateKey> keys = {
        {"hp", &s.stamina, 0},
        {"hpmax", &s.max_stamina, 0},
        {"state_memory_food", &s.state_memory_food, 0},
        {"state_king_event", &s.state_king_event, 0},
        {"year", &s.clock.year, 0},
        {"month", &s.clock.month, 0},
        {"day", &s.clock.day, 0},
        {"hour", &s.clock.hour, 0},
        {"minute", &s.clock.minute, 0},
        {"reward_num", &reward_num, 0},
        {"utensil_max", &s.utensil_max, 0},
        {"menu_max", &s.menu_max, 0},
        {"income", &s.income, 0},
        {"expended", &s.expenses, 0},
        {"won_competition", &s.contests_won, 0},
    };
    static constexpr const char* kMethods[kMethodSlotCount] = {"hand", "mix", "roast",
                                                               "boil", "fry", "ferment"};
    for (int i = 0; i < kMethodSlotCount; ++i)
        keys.push_back({std::string("utensil_") + kMethods[i] + "_level", &s.utensil_level[i], 0});
    for (int i = 0; i < kMethodSlotCount; ++i)
        keys.push_back({std::string("my_") + kMethods[i] + "_level", &s.skill_level[i], 0});
    for (int i = 0; i < kMethodSlotCount; ++i)
        keys.push_back({std::string("my_") + kMethods[i] + "_exp", &s.skill_exp[i], 0});

    const std::vector<StateKey> rest = {
        {"honor", &s.reputation, 10},
        {"align_type", &s.align_type, 0},
        {"first", &s.first, 0},
        {"completed_amnesia", &s.chain_resolved, 0},
        {"merchant", &s.visit_flags[kVisitMerchant], 0},
        {"mrs", &s.visit_flags[kVisitMrs], 0},
        {"tasteking", &s.visit_flags[kVisitTasteKing], 0},
        {"bromslily", &s.visit_flags[kVisitBromsLily], 0},
        {"narf", &s.visit_flags[kVisitNarf], 0},
        {"ferment_flag", &s.ferment_flag, 0},
        {"kabu", &s.share_flags[0], 0},
        {"kabu_syoyu", &s.share_flags[1], 0},
        {"kabu_miso", &s.share_flags[2], 0},
        {"kabu_sake", &s.share_flags[3], 0},
        {"kabu_su", &s.share_flags[4], 0},
        {"kabu_cheese", &s.share_flags[5], 0},
        {"go_shop", &s.place_flags[kPlaceShop], 1},
        {"go_competition", &s.place_flags[kPlaceCompetition], 0},
        {"go_architect", &s.place_flags[kPlaceArchitect], 1},
        {"go_forest", &s.place_flags[kPlaceForest], 0},
        {"go_narf", &s.place_flags[kPlaceNarf], 0},
        {"go_cave", &s.place_flags[kPlaceCave], 0},
        {"go_ice", &s.place_flags[kPlaceIce], 0},
        {"state_amnesia", &s.story_stage, 0},
        {"liberty_box_cnt", &s.liberty_boxes, 0},
        {"state_dream", &s.state_dream, 0},
        {"state_day_cnt", &s.state_day_cnt, 0},
        {"disp_speed", &s.text_speed, 4},
    };
    keys.insert(keys.end(), rest.begin(), rest.end());
    return keys;
}

std::string BitsKey(const std::string& name) { return name + "_bits"; }

// What the game owed the player at its next story check: the month's report, the notices of
// newly buyable ingredients (each by its place in the recipe book, last to tell first) and of a
// method's new level. A slot written before these keys holds none and owes nothing.
constexpr const char* kPendingReport = "pending_report";
constexpr const char* kPendingLevelUp = "pending_levelup";
constexpr const char* kPendingMastered = "pending_mastered";

std::string MasteredKey(std::size_t i) { return kPendingMastered + std::to_string(i); }

void WritePending(const PlayState& s, const RecipeBook& book, CQZSharedData& values) {
    values.SetValue(kPendingReport, s.month_ended ? 1 : 0, false);
    values.SetValue(kPendingLevelUp, s.last_levelup_method, false);
    std::vector<int> places;
    for (const std::string& name : s.mastered)
        for (std::size_t i = 0; i < book.recipes.size(); ++i)
            if (book.recipes[i]->def && book.recipes[i]->def->name == name) {
                places.push_back(static_cast<int>(i));
                break;
            }
    values.SetValue(kPendingMastered, static_cast<int>(places.size()), false);
    for (std::size_t i = 0; i < places.size(); ++i)
        values.SetValue(MasteredKey(i).c_str(), places[i], false);
}

void ReadPending(PlayState& s, const RecipeBook& book, const CQZSharedData& values) {
    s.month_ended = values.GetValue(kPendingReport, 0) != 0 ? 1 : 0;
    s.last_levelup_method = values.GetValue(kPendingLevelUp, 0);
    s.mastered.clear();
    const int count = values.GetValue(kPendingMastered, 0);
    for (int i = 0; i < count && i < static_cast<int>(book.recipes.size()); ++i) {
        const int place = values.GetValue(MasteredKey(static_cast<std::size_t>(i)).c_str(), -1);
        if (place < 0 || place >= static_cast<int>(book.recipes.size())) continue;
        const FoodDef* def = book.recipes[static_cast<std::size_t>(place)]->def;
        if (def) s.mastered.push_back(def->name);
    }
}

// Toward zero, kept inside the int range (a float beyond it has no whole-number key).
int Truncated(float value) {
    if (!(std::fabs(value) < 2147483520.0f)) return std::signbit(value) ? INT_MIN : INT_MAX;
    return static_cast<int>(value);
}

struct Writer {
    CQZSharedData& values;
    const std::string& name;
    void operator()(int* v) const { values.SetValue(name.c_str(), *v, false); }
    void operator()(std::uint8_t* v) const {
        values.SetValue(name.c_str(), *v != 0 ? 1 : 0, false);
    }
    void operator()(float* v) const {
        values.SetValue(name.c_str(), Truncated(*v), false);
        values.SetValue(BitsKey(name).c_str(), static_cast<int>(std::bit_cast<std::uint32_t>(*v)),
                        false);
    }
};

struct Reader {
    const CQZSharedData& values;
    const std::string& name;
    int fallback;
    void operator()(int* v) const { *v = values.GetValue(name.c_str(), fallback); }
    void operator()(std::uint8_t* v) const {
        *v = values.GetValue(name.c_str(), fallback) != 0 ? 1 : 0;
    }
    void operator()(float* v) const {
        *v = static_cast<float>(values.GetValue(name.c_str(), fallback));
        const std::string bits = BitsKey(name);
        if (!values.FindEntry(bits.c_str())) return;
        const float exact =
            std::bit_cast<float>(static_cast<std::uint32_t>(values.GetValue(bits.c_str(), 0)));
        if (std::isfinite(exact)) *v = exact;
    }
};

}  // namespace

void WriteStateKeys(SaveGameParts& game) {
    for (const StateKey& key : StateKeys(game.state, game.reward_num))
        std::visit(Writer{game.values, key.name}, key.field);
    WritePending(game.state, game.book, game.values);
}

void ReadStateKeys(SaveGameParts& game) {
    PlayState& s = game.state;
    s.money = game.values.GetValue("money", 0);
    s.shown_money = s.money;
    for (const StateKey& key : StateKeys(s, game.reward_num))
        std::visit(Reader{game.values, key.name, key.fallback}, key.field);
    ReadPending(s, game.book, game.values);
}
