#include "game/saves/scd_file.h"

#include <bit>
#include <cstdint>
#include <functional>

#include "engine/common/system.h"
#include "engine/data/qz_file.h"
#include "game/data/file_key.h"
#include "game/economy/item_table.h"
#include "game/food/food_records.h"

namespace {

// The smallest records, so that a count the rest of the file cannot hold is refused before
// anything is allocated for it: a string is at least its two length words.
constexpr int kMinStringBytes = 8;
constexpr int kMinFoodBytes = 2 * kMinStringBytes + 4 * 6 + 1 + 4 * kMethodWeightCount + 4;
constexpr int kMinMenuDishBytes = kMinFoodBytes + 1 + 4;
constexpr int kMinBookEntryBytes = kMinStringBytes + 3 + 1;  // without the familiarity

bool WriteCount(CQZFile& file, std::size_t count) {
    const int n = static_cast<int>(count);
    return file.WriteInt(n) && file.WriteInt(n);
}

bool WriteBookEntry(CQZFile& file, const Recipe& recipe) {
    const FoodDef* def = recipe.def;
    const float familiarity = def ? def->familiarity : 0.0f;
    bool ok = file.WriteString(recipe.name.c_str()) && file.WriteBool(def && def->known) &&
              file.WriteBool(def && def->rumoured) && file.WriteBool(def && def->mastered) &&
              file.WriteInt(static_cast<int>(std::bit_cast<std::uint32_t>(familiarity))) &&
              file.WriteBool(recipe.last_result != nullptr);
    if (ok && recipe.last_result) ok = WriteFoodRecord(file, *recipe.last_result);
    return ok;
}

// Reads the two counts of a list: -1 when the file is broken there, 0 when they differ (the
// list then has no records), else the count, refused when the rest of the file cannot hold
// that many records of at least `min_bytes`.
int ReadCount(CQZFile& file, int min_bytes) {
    int first = 0, second = 0;
    if (!file.ReadInt(&first) || !file.ReadInt(&second)) return -1;
    if (first != second || first <= 0) return 0;
    return first > file.Remaining() / min_bytes ? -1 : first;
}

// Reads `count` records through `read`; a record that names an unknown entry is dropped.
template <typename T, typename Read>
bool ReadList(CQZFile& file, int count, std::vector<std::unique_ptr<T>>& out, Read read,
              const char* what) {
    for (int i = 0; i < count; ++i) {
        auto record = std::make_unique<T>();
        const FoodRecordResult result = read(file, *record);
        if (result == FoodRecordResult::kBroken) return false;
        if (result == FoodRecordResult::kUnknownEntry) {
            DebugOutput(std::string("LoadGame: dropped ") + what + " naming an unknown food\n");
            continue;
        }
        out.push_back(std::move(record));
    }
    return true;
}

bool ReadBookEntry(CQZFile& file, int version, ScdBookEntry& entry) {
    int familiarity_bits = 0;
    bool has_result = false;
    if (!file.ReadString(entry.name) || !file.ReadBool(&entry.known) ||
        !file.ReadBool(&entry.rumoured) || !file.ReadBool(&entry.mastered))
        return false;
    if (version != kScdVersionWithoutFamiliarity && !file.ReadInt(&familiarity_bits)) return false;
    entry.familiarity = std::bit_cast<float>(static_cast<std::uint32_t>(familiarity_bits));
    if (!file.ReadBool(&has_result)) return false;
    if (!has_result) return true;
    auto food = std::make_unique<Food>();
    const FoodRecordResult result = ReadFoodRecord(file, *food);
    if (result == FoodRecordResult::kBroken) return false;
    if (result == FoodRecordResult::kUnknownEntry)
        DebugOutput("LoadGame: dropped the last dish of \"" + entry.name +
                    "\", which names an unknown food\n");
    else
        entry.last_result = std::move(food);
    return true;
}

bool ReadEquipment(CQZFile& file, Equipment& equipped) {
    for (int slot : kScdEquipmentOrder) {
        std::string name;
        if (!file.ReadString(name)) return false;
        if (name.empty()) continue;
        auto item = CreateItemByName(name);
        if (!item) DebugOutput("LoadGame: dropped the unknown worn item \"" + name + "\"\n");
        equipped[static_cast<std::size_t>(slot)] = std::move(item);
    }
    return true;
}

bool ReadRecords(CQZFile& file, ScdContents& out) {
    if (!file.ReadInt(&out.version)) return false;

    const int pantry = ReadCount(file, kMinFoodBytes);
    if (pantry < 0 || !ReadList(file, pantry, out.pantry, ReadFoodRecord, "a pantry food"))
        return false;

    const int menu = ReadCount(file, kMinMenuDishBytes);
    if (menu < 0 || !ReadList(file, menu, out.menu, ReadMenuDishRecord, "a menu dish"))
        return false;

    const int book = ReadCount(file, kMinBookEntryBytes);
    if (book < 0) return false;
    out.book.resize(static_cast<std::size_t>(book));
    for (ScdBookEntry& entry : out.book)
        if (!ReadBookEntry(file, out.version, entry)) return false;

    // Anything after the equipment is not a file this game wrote.
    return ReadEquipment(file, out.equipped) && file.Remaining() == 0;
}

Recipe* MatchBookEntry(RecipeBook& book, std::size_t position, const std::string& name) {
    auto& recipes = book.recipes;
    if (position < recipes.size() && recipes[position]->name == name)
        return recipes[position].get();
    for (const auto& recipe : recipes)
        if (recipe->name == name) return recipe.get();
    return nullptr;
}

}  // namespace

bool WriteScd(const char* path, const PlayState& state, const Kitchen& kitchen,
              const RecipeBook& book) {
    CQZFile file;
    if (!file.Open(path, CQZFile::kWrite, vemu::kFileKey.data())) return false;
    bool ok = file.WriteInt(kScdVersion) && WriteCount(file, kitchen.player_pantry.size());
    for (const auto& food : kitchen.player_pantry) ok = ok && WriteFoodRecord(file, *food);
    ok = ok && WriteCount(file, kitchen.menu.size());
    for (const auto& dish : kitchen.menu) ok = ok && WriteMenuDishRecord(file, *dish);
    ok = ok && WriteCount(file, book.recipes.size());
    for (const auto& recipe : book.recipes) ok = ok && WriteBookEntry(file, *recipe);
    for (int slot : kScdEquipmentOrder) {
        const CItem* item = state.equipped[static_cast<std::size_t>(slot)].get();
        ok = ok && file.WriteString(item ? item->name : "");
    }
    // Close alone says only that a writer was held; whether the file reached its place is in
    // the result.
    file.Close();
    return ok && file.Result() == kCipherOk;
}

bool ReadScd(const char* path, ScdContents& out) {
    CQZFile file;
    file.SetLengthLimit(kScdMaxFileBytes);
    if (!file.Open(path, CQZFile::kRead, vemu::kFileKey.data())) return false;
    ScdContents read;
    if (!ReadRecords(file, read)) return false;
    file.Close();
    if (file.Result() != kCipherOk) return false;
    out = std::move(read);
    return true;
}

void ApplyScd(ScdContents& contents, PlayState& state, Kitchen& kitchen, RecipeBook& book) {
    kitchen.player_pantry = std::move(contents.pantry);
    kitchen.menu = std::move(contents.menu);
    for (std::size_t i = 0; i < contents.book.size(); ++i) {
        ScdBookEntry& entry = contents.book[i];
        Recipe* recipe = MatchBookEntry(book, i, entry.name);
        if (!recipe) {
            DebugOutput("LoadGame: dropped the unknown recipe-book entry \"" + entry.name + "\"\n");
            continue;
        }
        if (FoodDef* def = recipe->def) {
            def->known = entry.known ? 1 : 0;
            def->rumoured = entry.rumoured ? 1 : 0;
            def->mastered = entry.mastered ? 1 : 0;
            def->familiarity = entry.familiarity;
        }
        recipe->last_result = std::move(entry.last_result);
    }
    state.equipped = std::move(contents.equipped);
}
