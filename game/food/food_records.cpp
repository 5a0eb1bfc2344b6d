#include "game/food/food_records.h"

#include <bit>
#include <cstdint>
#include <string>

#include "engine/data/qz_file.h"

namespace {

// Compositions are a few levels deep with a handful of parts each; anything far beyond this is
// a damaged file, and refusing it keeps a bad count from driving a huge allocation or loop.
constexpr int kMaxChildren = 4096;
constexpr int kMaxDepth = 64;

bool WriteFloat(CQZFile& file, float value) {
    return file.WriteInt(static_cast<int>(std::bit_cast<std::uint32_t>(value)));
}

bool ReadFloat(CQZFile& file, float* out) {
    int bits = 0;
    if (!file.ReadInt(&bits)) return false;
    *out = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
    return true;
}

bool WriteChildren(CQZFile& file, const FoodNodeList& children) {
    bool ok = file.WriteInt(static_cast<int>(children.size()));
    for (const auto& child : children) ok = ok && WriteFoodNodeRecord(file, *child);
    return ok;
}

// Worse of two results: a broken file outweighs an unknown entry.
FoodRecordResult Worse(FoodRecordResult a, FoodRecordResult b) {
    return static_cast<int>(a) > static_cast<int>(b) ? a : b;
}

FoodRecordResult ReadNode(CQZFile& file, std::unique_ptr<FoodNode>& out, int depth);

// Reads the child count and the children. Children naming unknown entries make the result
// kUnknownEntry, but reading goes on so the record is consumed to its end.
FoodRecordResult ReadChildren(CQZFile& file, FoodNodeList& children, int depth) {
    int count = 0;
    if (!file.ReadInt(&count) || count < 0 || count > kMaxChildren)
        return FoodRecordResult::kBroken;
    if (count > 0 && depth >= kMaxDepth) return FoodRecordResult::kBroken;
    FoodRecordResult result = FoodRecordResult::kOk;
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<FoodNode> child;
        const FoodRecordResult r = ReadNode(file, child, depth + 1);
        if (r == FoodRecordResult::kBroken) return r;
        result = Worse(result, r);
        if (child) children.push_back(std::move(child));
    }
    return result;
}

FoodRecordResult ReadNode(CQZFile& file, std::unique_ptr<FoodNode>& out, int depth) {
    auto node = std::make_unique<FoodNode>();
    std::string def_name;
    unsigned char flag = 0;
    if (!file.ReadString(def_name) || !ReadFloat(file, &node->amount) ||
        !file.ReadInt(&node->taste) || !file.ReadInt(&node->quality) ||
        !file.ReadInt(&node->method) || !file.ReadByte(&flag)) {
        return FoodRecordResult::kBroken;
    }
    node->flag = flag;
    node->def = FindFoodDef(def_name);
    FoodRecordResult result = ReadChildren(file, node->children, depth);
    if (result == FoodRecordResult::kBroken) return result;
    if (node->def == nullptr) result = FoodRecordResult::kUnknownEntry;
    if (result == FoodRecordResult::kOk) out = std::move(node);
    return result;
}

}  // namespace

bool WriteFoodNodeRecord(CQZFile& file, const FoodNode& node) {
    const std::string def_name = node.def ? node.def->name : std::string();
    return file.WriteString(def_name.c_str()) && WriteFloat(file, node.amount) &&
           file.WriteInt(node.taste) && file.WriteInt(node.quality) && file.WriteInt(node.method) &&
           file.WriteByte(node.flag) && WriteChildren(file, node.children);
}

bool WriteFoodRecord(CQZFile& file, const Food& food) {
    const std::string def_name = food.def ? food.def->name : std::string();
    bool ok = file.WriteString(food.name.c_str()) && file.WriteString(def_name.c_str()) &&
              WriteFloat(file, food.amount) && file.WriteInt(food.cost) &&
              file.WriteInt(food.taste) && file.WriteInt(food.days) &&
              file.WriteInt(food.price_percent) && file.WriteByte(food.on_menu) &&
              file.WriteInt(food.method_code);
    for (int weight : food.method_weights) ok = ok && file.WriteInt(weight);
    return ok && WriteChildren(file, food.children);
}

bool WriteMenuDishRecord(CQZFile& file, const MenuDish& dish) {
    return WriteFoodRecord(file, dish) && file.WriteByte(dish.servable) &&
           file.WriteInt(dish.restock);
}

FoodRecordResult ReadFoodNodeRecord(CQZFile& file, std::unique_ptr<FoodNode>& out) {
    return ReadNode(file, out, 0);
}

FoodRecordResult ReadFoodRecord(CQZFile& file, Food& out) {
    Food food;
    std::string def_name;
    unsigned char on_menu = 0;
    if (!file.ReadString(food.name) || !file.ReadString(def_name) ||
        !ReadFloat(file, &food.amount) || !file.ReadInt(&food.cost) || !file.ReadInt(&food.taste) ||
        !file.ReadInt(&food.days) || !file.ReadInt(&food.price_percent) ||
        !file.ReadByte(&on_menu) || !file.ReadInt(&food.method_code)) {
        return FoodRecordResult::kBroken;
    }
    for (int& weight : food.method_weights) {
        if (!file.ReadInt(&weight)) return FoodRecordResult::kBroken;
    }
    food.on_menu = on_menu;
    food.def = FindFoodDef(def_name);
    FoodRecordResult result = ReadChildren(file, food.children, 0);
    if (result == FoodRecordResult::kBroken) return result;
    if (food.def == nullptr) result = FoodRecordResult::kUnknownEntry;
    if (result == FoodRecordResult::kOk) out = std::move(food);
    return result;
}

FoodRecordResult ReadMenuDishRecord(CQZFile& file, MenuDish& out) {
    Food food;
    FoodRecordResult result = ReadFoodRecord(file, food);
    if (result == FoodRecordResult::kBroken) return result;
    unsigned char servable = 0;
    int restock = 0;
    if (!file.ReadByte(&servable) || !file.ReadInt(&restock)) return FoodRecordResult::kBroken;
    if (result != FoodRecordResult::kOk) return result;
    static_cast<Food&>(out) = std::move(food);
    out.servable = servable;
    out.restock = restock;
    return result;
}
