// The data files' line reader and their record parsers over arbitrary text. The first byte
// chooses the file (high bit: bonuses, else recipes) and the size of the pieces the source
// hands out; the lines must come out the same whatever the pieces, stay inside their buffer,
// and parse into records that keep the row limits and a parent chain that ends.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "game/data/data_line_reader.h"
#include "game/data/recipe_records.h"
#include "game/food/food_def.h"

namespace {

class PieceSource : public LineSource {
public:
    PieceSource(const std::uint8_t* data, std::size_t size, int piece)
        : data_(data), size_(size), piece_(piece) {}
    bool AtEnd() const override { return at_ >= size_; }
    bool Read(unsigned char* buffer, int* count) override {
        const std::size_t n = std::min(
            {static_cast<std::size_t>(*count), static_cast<std::size_t>(piece_), size_ - at_});
        std::memcpy(buffer, data_ + at_, n);
        at_ += n;
        *count = static_cast<int>(n);
        return true;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    int piece_;
    std::size_t at_ = 0;
};

std::vector<std::string> Lines(const std::uint8_t* data, std::size_t size, int piece) {
    PieceSource source(data, size, piece);
    std::vector<std::string> lines;
    if (!ReadDataLines(source, [&](RecordLine& line) {
            if (line.bytes[kDataLineBytes] != 0 ||
                std::memchr(line.bytes, '\r', kDataLineBytes) != nullptr)
                abort();
            lines.emplace_back(line.bytes, kDataLineBytes);
        }))
        abort();  // the source never fails
    return lines;
}

void CheckChain(const FoodCategory* node, std::size_t limit) {
    for (std::size_t steps = 0; node; node = node->parent)
        if (++steps > limit) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool bonuses = data[0] & 0x80;
    const int piece = (data[0] & 0x7F) + 1;
    const std::vector<std::string> lines = Lines(data + 1, size - 1, piece);
    if (Lines(data + 1, size - 1, 4096) != lines) abort();

    ClearFoodCatalogue();
    RecipeBook book;
    FoodDef* previous = nullptr;
    for (const std::string& text : lines) {
        RecordLine line;
        std::memcpy(line.bytes, text.data(), kDataLineBytes);
        if (bonuses) {
            ParseBonusRecord(line, book);
            const ComboBonus& bonus = *book.bonuses.back();
            if (bonus.triples.size() > kMaxBonusTriples) abort();
        } else {
            previous = ParseRecipeRecord(line, previous, book);
            const Recipe& recipe = *book.recipes.back();
            if (!previous || recipe.def != previous || recipe.rows.size() > kMaxRecipeRows ||
                previous->days_limit > 999 || previous->taste_percent == 0)
                abort();
            CheckChain(previous, GlobalFoodCatalogue().size() + kFoodCategoryCount);
        }
    }
    book.Clear();
    ClearFoodCatalogue();
    return 0;
}
