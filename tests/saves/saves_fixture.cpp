#include "tests/saves/saves_fixture.h"

#include <algorithm>
#include <bit>
#include <filesystem>
#include <sstream>

#include "engine/common/game_path.h"
#include "engine/data/metadata.h"
#include "game/data/file_key.h"
#include "game/economy/item_table.h"
#include "game/economy/owned_items.h"
#include "game/rules/serving.h"
#include "game/saves/save_slot.h"

namespace saves_test {

namespace {

std::unique_ptr<Recipe> MakeRecipe(const std::string& name, FoodDef* def) {
    auto recipe = std::make_unique<Recipe>();
    recipe->name = name;
    recipe->def = def;
    return recipe;
}

// A cooked dish: the dish's own node over its two ingredients, one of them itself made of a
// third, so that the composition is nested.
std::unique_ptr<Food> Dish(FoodDef* dish, FoodDef* a, FoodDef* b, float amount, int taste) {
    auto food = std::make_unique<Food>();
    food->name = dish->name + "風";
    food->def = dish;
    food->amount = amount;
    food->taste = taste;
    food->cost = 37 + taste;
    food->price_percent = 150;
    food->days = 3;
    food->method_weights = {10, 20, 0, 70, 0};
    food->method_code = kMethodFry;
    auto top = std::make_unique<FoodNode>(dish, 1.0f, taste, 95, kMethodFry, 1);
    auto inner = std::make_unique<FoodNode>(a, 0.75f, 12, 80, kMethodMix, 0);
    inner->children.push_back(std::make_unique<FoodNode>(b, 0.125f, 3, 100, 0, 1));
    top->children.push_back(std::move(inner));
    top->children.push_back(std::make_unique<FoodNode>(b, 1.5f, 7, 100, 0, 1));
    food->children.push_back(std::move(top));
    return food;
}

void DescribeNode(std::ostringstream& out, const FoodNode& node, int depth) {
    out << std::string(static_cast<std::size_t>(depth) * 2, ' ') << "node "
        << (node.def ? node.def->name : "-") << " " << std::hexfloat << node.amount
        << std::defaultfloat << " " << node.taste << " " << node.quality << " " << node.method
        << " " << int{node.flag} << "\n";
    for (const auto& child : node.children) DescribeNode(out, *child, depth + 1);
}

void DescribeFood(std::ostringstream& out, const Food& food) {
    out << "food " << food.name << " / " << (food.def ? food.def->name : "-") << " "
        << std::hexfloat << food.amount << std::defaultfloat << " " << food.taste << " "
        << food.cost << " " << food.price_percent << " " << food.days << " " << int{food.on_menu}
        << " " << food.method_code << " w";
    for (int w : food.method_weights) out << " " << w;
    out << "\n";
    for (const auto& child : food.children) DescribeNode(out, *child, 1);
}

}  // namespace

Game::Game() {
    values.SetFileKey(vemu::kFileKey.data());
    items.SetFileKey(vemu::kFileKey.data());
}

SavesTest::SavesTest() {
    world.backend.services().folders.data = data.path();
    tomato = Entry("トマト", "野菜", 8, 120);
    egg = Entry("卵", "卵", 6, 30);
    omelette = Entry("オムレツ", "洋食", 40, 900, 250.0f, 3);
    salad = Entry("サラダ", "洋食", 20, 500, 200.0f, 2);
    book.recipes.push_back(MakeRecipe("トマト", tomato));
    book.recipes.push_back(MakeRecipe("卵", egg));
    // Two variants of one dish: same name, same entry, each with its own last dish.
    book.recipes.push_back(MakeRecipe("オムレツ", omelette));
    book.recipes.push_back(MakeRecipe("サラダ", salad));
    book.recipes.push_back(MakeRecipe("オムレツ", omelette));
}

bool SavesTest::Save(int slot, Game& game) {
    SaveGameParts parts = Parts(game);
    return SaveGame(slot, parts);
}

bool SavesTest::Load(int slot, Game& game) {
    SaveGameParts parts = Parts(game);
    return LoadGame(slot, parts);
}

void SavesTest::FillRichGame(Game& game, int seed) {
    PlayState& s = game.state;
    s.money = s.shown_money = 123456 + seed;
    game.values.SetValue("money", s.money, true);
    game.values.SetValue("narfmet", 2 + seed, false);
    s.utensil_max = 3 + seed;
    s.menu_max = 4;
    s.clock = {2008, 3, 17, 19, 45};
    s.stamina = 42.625f + static_cast<float>(seed);
    s.max_stamina = 130;
    s.income = 98765;
    s.expenses = 4321;
    s.contests_won = 2;
    s.liberty_boxes = 1;
    for (int i = 0; i < kMethodSlotCount; ++i) {
        s.utensil_level[static_cast<std::size_t>(i)] = 2 + i;
        s.skill_level[static_cast<std::size_t>(i)] = 5 + i;
        s.skill_exp[static_cast<std::size_t>(i)] = 10.3f * static_cast<float>(i + 1) + 0.01f;
    }
    s.reputation = 63.37f;
    s.align_type = 2;
    s.story_stage = 6;
    s.first = 0;
    s.chain_resolved = 1;
    s.visit_flags = {1, 1, 1, 1, 1, 0};
    s.ferment_flag = 1;
    s.place_flags = {0, 1, 0, 1, 1, 1, 1};
    s.share_flags = {1, 1, 1, 1, 1, 1};
    s.state_dream = 3;
    s.state_memory_food = 4;
    s.state_king_event = 5;
    s.state_day_cnt = 9;
    s.text_speed = 1;
    game.reward_num = 3 + seed;

    const char* worn[kEquipSlotCount] = {"エプロン",     "革の靴",         "赤いスカーフ",
                                         "銀の髪飾り",   "マジックシード", "アクセル",
                                         "スリーピング", "トレーサー"};
    for (int i = 0; i < kEquipSlotCount; ++i)
        s.equipped[static_cast<std::size_t>(i)] = CreateItemByName(worn[i]);

    Pantry& pantry = game.kitchen.player_pantry;
    pantry.push_back(Food::FromDef(tomato));
    pantry.back()->amount = 3.5f + static_cast<float>(seed);
    pantry.push_back(Food::FromDef(egg));
    pantry.back()->on_menu = 1;
    pantry.push_back(Dish(omelette, egg, tomato, 2.25f, 51));

    for (FoodDef* def : {omelette, salad}) {
        auto dish = std::make_unique<MenuDish>(*Dish(def, tomato, egg, 1.0f, 44), 1.0f);
        dish->restock = def == omelette ? 2 : 5;
        game.kitchen.menu.push_back(std::move(dish));
    }

    tomato->known = egg->known = omelette->known = 1;
    tomato->mastered = 1;
    salad->rumoured = 1;
    tomato->familiarity = 12.5f;
    omelette->familiarity = 99.75f;
    book.recipes[2]->last_result = Dish(omelette, egg, tomato, 1.0f, 60 + seed);
    book.recipes[4]->last_result = Dish(omelette, tomato, egg, 1.0f, 70 + seed);
    book.recipes[3]->last_result.reset();

    int count = 1;
    for (const ItemRow& row : ItemTable()) GiveItem(s, game.items, row.name, count++ % 5 + 1);
    if (CItem* item = game.items.GetItemAt(0)) item->metadata.SetValue("note", "first");
    UpdateMenuAvailability(s, game.kitchen);
    RebuildOwnedItemEffects(s, game.items);
}

std::string SavesTest::Describe(Game& game) {
    std::ostringstream out;
    const PlayState& s = game.state;
    out << "money " << s.money << " " << s.shown_money << " " << s.utensil_max << " " << s.menu_max
        << " clock " << s.clock.year << "/" << s.clock.month << "/" << s.clock.day << " "
        << s.clock.hour << ":" << s.clock.minute << "\n";
    out << std::hexfloat << "stamina " << s.stamina << " rep " << s.reputation << " exp";
    for (float e : s.skill_exp) out << " " << e;
    out << std::defaultfloat << "\n";
    out << "ints " << s.max_stamina << " " << s.income << " " << s.expenses << " " << s.contests_won
        << " " << s.liberty_boxes << " " << s.align_type << " " << s.story_stage << " "
        << s.state_dream << " " << s.state_memory_food << " " << s.state_king_event << " "
        << s.state_day_cnt << " " << s.text_speed << " reward " << game.reward_num << "\nlevels";
    for (int v : s.utensil_level) out << " " << v;
    for (int v : s.skill_level) out << " " << v;
    out << "\nflags " << int{s.first} << int{s.chain_resolved} << int{s.ferment_flag};
    for (int i = 0; i < kVisitMysteryBag; ++i) out << int{s.visit_flags[i]};
    for (auto f : s.place_flags) out << int{f};
    for (auto f : s.share_flags) out << int{f};
    out << "\nowned " << int{s.owned_item_flags[0]} << int{s.owned_item_flags[1]} << " "
        << s.recovery_factor << " " << s.fatigue_factor << " " << s.cooking_time_factor << " "
        << s.customer_factor << "\n";
    for (const auto& item : s.equipped)
        out << "worn " << (item ? std::string(item->name) + " " + std::to_string(item->id) : "-")
            << "\n";
    for (const auto& food : game.kitchen.player_pantry) DescribeFood(out, *food);
    for (const auto& dish : game.kitchen.menu) {
        out << "menu restock " << dish->restock << " servable " << int{dish->servable} << " ";
        DescribeFood(out, *dish);
    }
    for (const auto& recipe : book.recipes) {
        const FoodDef* d = recipe->def;
        out << "recipe " << recipe->name << " " << int{d->known} << int{d->rumoured}
            << int{d->mastered} << " " << std::hexfloat << d->familiarity << std::defaultfloat
            << "\n";
        if (recipe->last_result) DescribeFood(out, *recipe->last_result);
    }
    // The store keeps its guarded entries apart from the plain ones; their order among each
    // other is what counts.
    for (bool guarded : {false, true})
        for (const CQZSharedData::Entry& e : game.values.entries())
            if (e.guarded == guarded)
                out << "value " << e.name << (guarded ? " guarded " : " ")
                    << game.values.GetValue(e.name.c_str(), 0) << "\n";
    for (int i = 0; i < game.items.GetSize(); ++i) {
        const CItemBagEntry* entry = game.items.GetEntryAt(i);
        const CItem& item = *entry->item;
        out << "item " << item.name << " x" << entry->count << " " << item.id << " " << item.kind
            << " " << item.price;
        for (const auto& [key, value] : item.metadata.pairs()) out << " " << key << "=" << value;
        out << "\n";
    }
    return out.str();
}

std::vector<std::uint8_t> SavesTest::Bytes(const std::string& name) {
    std::vector<std::uint8_t> bytes;
    gamepath::ReadAll(name, bytes, SIZE_MAX);
    return bytes;
}

void SavesTest::WriteBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    ASSERT_TRUE(platform::WriteWholeFile(gamepath::Resolve(name), bytes.data(), bytes.size()));
}

std::map<std::string, std::vector<std::uint8_t>> SavesTest::SlotBytes(int slot) {
    const SlotFiles files = SlotFileNames(slot);
    std::map<std::string, std::vector<std::uint8_t>> out;
    for (const std::string& name : {files.scd, files.ssn, files.sse, files.ssi})
        out[name] = Bytes(name);
    return out;
}

std::vector<std::string> SavesTest::SaveFolderFiles() {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(data.path() + "/dat", error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

int SavesTest::DebugLinesWith(const std::string& part) {
    const auto& lines = world.backend.debug.lines;
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
        return l.find(part) != std::string::npos;
    }));
}

}  // namespace saves_test
