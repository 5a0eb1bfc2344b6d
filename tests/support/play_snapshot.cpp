#include "tests/support/play_snapshot.h"

#include <sstream>

#include "engine/common/sjis.h"
#include "engine/framework/devices.h"
#include "engine/framework/game_mediator.h"
#include "events/story.h"
#include "game/food/food_def.h"
#include "game/main/vemu_comp.h"

namespace play_test {

namespace {

class Writer {
public:
    explicit Writer(PlaySnapshot& out) : out_(out) {}

    template <typename T>
    void operator()(const std::string& name, const T& value) {
        std::ostringstream text;
        if constexpr (std::is_same_v<T, std::string>)
            text << '"' << sjis::ToUtf8(value) << '"';
        else if constexpr (std::is_same_v<T, std::uint8_t>)
            text << static_cast<int>(value);
        else
            text << value;
        out_[name] = text.str();
    }
    template <typename T, std::size_t N>
    void operator()(const std::string& name, const std::array<T, N>& values) {
        for (std::size_t i = 0; i < N; ++i)
            (*this)(name + "[" + std::to_string(i) + "]", values[i]);
    }

private:
    PlaySnapshot& out_;
};

std::string Describe(const Food& food) {
    std::ostringstream text;
    text << sjis::ToUtf8(food.def ? food.def->name : std::string()) << " \""
         << sjis::ToUtf8(food.name) << "\" x" << food.amount << " taste " << food.taste << " cost "
         << food.cost << " days " << food.days << " nodes " << food.children.size()
         << (food.on_menu ? " [M]" : "");
    return text.str();
}

void PutState(Writer& put, const PlayState& s) {
    put("money", s.money);
    put("shown_money", s.shown_money);
    put("utensil_max", s.utensil_max);
    put("menu_max", s.menu_max);
    put("clock", std::to_string(s.clock.year) + "/" + std::to_string(s.clock.month) + "/" +
                     std::to_string(s.clock.day) + " " + std::to_string(s.clock.hour) + ":" +
                     std::to_string(s.clock.minute));
    put("stamina", s.stamina);
    put("max_stamina", s.max_stamina);
    put("income", s.income);
    put("expenses", s.expenses);
    put("contests_won", s.contests_won);
    put("liberty_boxes", s.liberty_boxes);
    put("utensil_level", s.utensil_level);
    put("skill_level", s.skill_level);
    put("skill_exp", s.skill_exp);
    put("reputation", s.reputation);
    put("align_type", s.align_type);
    put("story_stage", s.story_stage);
    put("first", s.first);
    put("chain_resolved", s.chain_resolved);
    put("visit_flags", s.visit_flags);
    put("new_day", s.new_day);
    put("ferment_flag", s.ferment_flag);
    put("place_flags", s.place_flags);
    put("share_flags", s.share_flags);
    put("state_dream", s.state_dream);
    put("state_memory_food", s.state_memory_food);
    put("state_king_event", s.state_king_event);
    put("state_day_cnt", s.state_day_cnt);
    put("text_speed", s.text_speed);
    for (std::size_t i = 0; i < s.equipped.size(); ++i)
        put("equipped[" + std::to_string(i) + "]",
            std::string(s.equipped[i] ? s.equipped[i]->GetName() : "-"));
    put("last_levelup_method", s.last_levelup_method);
    put("cooking_minutes", s.cooking_minutes);
    put("recovery_factor", s.recovery_factor);
    put("fatigue_factor", s.fatigue_factor);
    put("cooking_time_factor", s.cooking_time_factor);
    put("customer_factor", s.customer_factor);
    put("owned_item_flags", s.owned_item_flags);
    put("specialty_bonus", s.specialty_bonus);
    put("status_text", s.status_text);
    put("minutes_since_story_check", s.minutes_since_story_check);
    put("month_ended", s.month_ended);
    put("menu_offer_suppressed", s.menu_offer_suppressed);
    put("mastered list", s.mastered.size());
}

template <typename List>
void PutFoods(PlaySnapshot& out, const std::string& name, const List& foods) {
    out[name] = std::to_string(foods.size());
    for (std::size_t i = 0; i < foods.size(); ++i)
        out[name + "[" + std::to_string(i) + "]"] = Describe(*foods[i]);
}

void PutComponent(Writer& put, CVemuComp& game) {
    std::string stack;
    for (const ScreenEntry& entry : game.screens().entries())
        stack += std::to_string(entry.id) + "/" + std::to_string(entry.saved_cursor) + " ";
    put("screen stack", stack);
    put("screen id", game.screens().id());
    put("screen cursor", game.screens().cursor());
    put("frame counter", game.view().frame_counter());
    put("speaker", game.stage().speaker());
    put("expression", game.stage().expression());
    put("window kind", game.stage().window_kind());
    put("start kit", game.world().start_kit);
    put("music carries over", game.stage().music_carries_over());
    put("story live", game.story().live());
    put("contest running", static_cast<int>(game.world().contest.running));
    put("contest judges", game.world().contest.judges);
    put("contest rival", game.world().contest.rival);
    put("contest rival score", game.world().contest.rival_score);
    put("contest votes", game.world().contest.votes);
    put("contest entry fee", game.world().contest.entry_fee);
    put("known recipes", game.world().known_recipes);
    put("reward level", game.world().reward_num);
    put("made dish", game.world().made_dish ? Describe(*game.world().made_dish) : std::string("-"));
    put("contest dish",
        game.world().contest_dish ? Describe(*game.world().contest_dish) : std::string("-"));
    put("candidate dish",
        game.world().candidate_dish ? Describe(*game.world().candidate_dish) : std::string("-"));
    put("chosen menu slot", game.world().chosen_menu_slot);
    put("shown cooking method", game.screens().play().shown_cooking_method);
    put("pot row under pointer", game.screens().play().pot_row_under_pointer);
    put("pantry in use", game.world().kitchen.in_use == &game.world().kitchen.player_pantry
                             ? std::string("player")
                             : std::string("contest"));
}

}  // namespace

PlaySnapshot TakeSnapshot(CVemuComp& game) {
    PlaySnapshot out;
    Writer put(out);
    PutState(put, game.state());
    PutComponent(put, game);
    const Kitchen& kitchen = game.world().kitchen;
    PutFoods(out, "pantry", kitchen.player_pantry);
    PutFoods(out, "contest pantry", kitchen.contest_pantry);
    PutFoods(out, "pot", kitchen.selection);
    PutFoods(out, "menu", kitchen.menu);

    CQZGameMediator& mediator = *GetGameMediator();
    CItemBag& bag = mediator.items();
    put("bag", bag.GetSize());
    for (int i = 0; i < bag.GetSize(); ++i)
        put("bag[" + std::to_string(i) + "]", std::string(bag.GetItemAt(i)->GetName()) + " x" +
                                                  std::to_string(bag.GetEntryAt(i)->count));
    for (const CQZSharedData::Entry& entry : mediator.values().entries())
        put("value " + sjis::ToUtf8(entry.name), mediator.GetValue(entry.name.c_str(), 0));

    for (const auto& def : GlobalFoodCatalogue()) {
        if (def->familiarity == 0.0f && !def->known && !def->rumoured && !def->mastered) continue;
        std::ostringstream text;
        text << "familiarity " << def->familiarity << " known " << int{def->known} << " rumoured "
             << int{def->rumoured} << " mastered " << int{def->mastered};
        out["catalogue " + sjis::ToUtf8(def->name)] = text.str();
    }
    int cooked = 0;
    for (const auto& recipe : game.world().book.recipes) cooked += recipe->last_result ? 1 : 0;
    put("recipes with a last dish", cooked);
    return out;
}

testing::AssertionResult SameSnapshot(const PlaySnapshot& expected, const PlaySnapshot& actual) {
    std::ostringstream differences;
    int count = 0;
    auto differ = [&](const std::string& name, const std::string& want, const std::string& got) {
        differences << "\n  " << name << ": " << want << " != " << got;
        ++count;
    };
    for (const auto& [name, want] : expected) {
        const auto found = actual.find(name);
        const std::string got = found == actual.end() ? "(missing)" : found->second;
        if (got != want) differ(name, want, got);
    }
    for (const auto& [name, got] : actual)
        if (!expected.count(name)) differ(name, "(missing)", got);
    if (count == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << count << " values differ:" << differences.str();
}

}  // namespace play_test
