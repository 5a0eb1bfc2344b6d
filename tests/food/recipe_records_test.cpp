#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/common/sjis.h"
#include "engine/data/cipher_stream.h"
#include "game/data/data_files.h"
#include "game/data/data_line_reader.h"
#include "game/data/file_key.h"
#include "game/data/recipe_keywords.h"
#include "game/data/recipe_records.h"
#include "platform/files.h"
#include "tests/food/food_fixture.h"

namespace {

using food_test::CatalogueTest;

// Bytes handed out in pieces of a fixed size, optionally failing after some of them.
class ScriptedSource : public LineSource {
public:
    ScriptedSource(std::string bytes, int piece, int fail_after = -1)
        : bytes_(std::move(bytes)), piece_(piece), fail_after_(fail_after) {}
    bool AtEnd() const override { return position_ >= bytes_.size(); }
    bool Read(unsigned char* buffer, int* count) override {
        if (fail_after_ >= 0 && reads_++ >= fail_after_) return false;
        int n = std::min({*count, piece_, static_cast<int>(bytes_.size() - position_)});
        std::copy_n(bytes_.data() + position_, n, buffer);
        position_ += static_cast<std::size_t>(n);
        *count = n;
        return true;
    }

private:
    std::string bytes_;
    int piece_;
    int fail_after_;
    int reads_ = 0;
    std::size_t position_ = 0;
};

std::vector<std::string> Lines(const std::string& bytes, int piece = 1024, bool* ok = nullptr) {
    ScriptedSource source(bytes, piece);
    std::vector<std::string> lines;
    const bool result =
        ReadDataLines(source, [&](RecordLine& line) { lines.emplace_back(line.bytes); });
    if (ok) *ok = result;
    return lines;
}

TEST(DataLineReaderTest, LinesEndInCarriageReturnsAndCommentsAreSkipped) {
    const struct {
        const char* what;
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"CR LF", "a,1\r\nb,2\r\n", {"a,1", "b,2"}},
        {"CR alone", "a,1\rb,2\r", {"a,1", "b,2"}},
        {"mixed, last line unterminated", "a\r\nb\rc", {"a", "b", "c"}},
        {"comment", ";note\r\na\r\n;x,y\r\n", {"a"}},
        {"empty line", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"nothing", "", {}},
    };
    for (const auto& c : cases) {
        for (int piece : {1024, 3}) {
            EXPECT_EQ(Lines(c.bytes, piece), c.lines) << c.what << ", pieces of " << piece;
        }
    }
}

TEST(DataLineReaderTest, AnOverlongLineIsCutAtTheBufferAndItsRestSkipped) {
    const std::string longline(1500, 'x');
    auto lines = Lines(longline + "\r\nnext\r\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(1024, 'x'));
    EXPECT_EQ(lines[1], "next");

    // A carriage return as the buffer's last byte: its line feed comes with the next fill.
    const std::string exact(1023, 'y');
    lines = Lines(exact + "\r\nnext\r\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], exact);
    EXPECT_EQ(lines[1], "next");
}

TEST(DataLineReaderTest, AReadErrorEndsTheFileKeepingTheLinesBeforeIt) {
    ScriptedSource source(std::string("a\r\n") + std::string(2000, 'b') + "\r\n", 1024, 1);
    std::vector<std::string> lines;
    EXPECT_FALSE(ReadDataLines(source, [&](RecordLine& line) { lines.emplace_back(line.bytes); }));
    ASSERT_GE(lines.size(), 1u);
    EXPECT_EQ(lines[0], "a");
}

TEST(RecordLineTest, FieldsStayInsideTheLine) {
    RecordLine line("abc,1234567890123,x");
    char* start = nullptr;
    char* cursor = ReadTextField(line.begin(), line.end(), &start);
    EXPECT_STREQ(start, "abc");
    int value = -1;
    cursor = ReadNumberField(cursor, line.end(), &value);
    EXPECT_EQ(value, 123456789);  // cut at nine characters
    cursor = ReadTextField(cursor, line.end(), &start);
    EXPECT_STREQ(start, "123");  // the tenth character, '0', is skipped

    // A full line: every further field is empty and the cursor never passes the end.
    RecordLine full(std::string(2000, '7'));
    cursor = full.begin();
    for (int i = 0; i < 200; ++i) cursor = ReadNumberField(cursor, full.end(), &value);
    EXPECT_EQ(cursor, full.end());
    EXPECT_EQ(value, 0);
    cursor = ReadTextField(cursor, full.end(), &start);
    EXPECT_EQ(cursor, full.end());
    EXPECT_STREQ(start, "");
}

TEST(RecipeKeywordTest, TablesMatchExactlyAndFallBack) {
    const struct {
        const char* text;
        int method, naming, requirement, consumption;
    } cases[] = {
        {"混ぜる", 1, 0, 2, 2},
        {"加工", 2, 0, 2, 2},
        {"焼く", 4, 0, 2, 2},
        {"煮る", 8, 0, 2, 2},
        {"揚げる", 32, 0, 2, 2},
        {"発酵", 64, 0, 2, 2},
        {"焼く|煮る|揚げる", 44, 0, 2, 2},
        {"混ぜる|焼く|煮る", 13, 0, 2, 2},
        {"前", 0, 1, 2, 2},
        {"前（の）", 0, 2, 2, 2},
        {"前（入）", 0, 3, 2, 2},
        {"後", 0, 5, 2, 2},
        {"後（添）", 0, 6, 2, 2},
        {"必須", 0, 0, 0, 2},
        {"必要", 0, 0, 1, 2},
        {"消", 0, 0, 2, 0},
        {"残", 0, 0, 2, 1},
        {"焼く ", 0, 0, 2, 2},
        {"", 0, 0, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(sjis::ToUtf8(c.text));
        EXPECT_EQ(MethodMaskFromText(c.text), c.method);
        EXPECT_EQ(NamingCodeFromText(c.text), c.naming);
        EXPECT_EQ(RequirementFromText(c.text), c.requirement);
        EXPECT_EQ(ConsumptionFromText(c.text), c.consumption);
    }
}

class RecipeRecordTest : public CatalogueTest {
protected:
    FoodDef* Parse(const std::string& text, FoodDef* previous = nullptr) {
        RecordLine line(text);
        return ParseRecipeRecord(line, previous, book);
    }
    RecipeBook book;
};

TEST_F(RecipeRecordTest, ARecipeLineMakesAnEntryAndARecipe) {
    FoodDef* tomato = Parse("トマト,赤い,,,夏野菜,24,0,150,5,0,60");
    FoodDef* dish = Parse(
        "トマト煮,煮たもの,煮る,前（の）,トマト,40,120,200,1500,180,90,"
        "トマト,必須,0,0,消,調味料,必要,5,=,名,肉,任意,30,150,残");
    ASSERT_EQ(book.recipes.size(), 2u);
    EXPECT_EQ(tomato->parent, FindFoodCategory("夏野菜"));
    EXPECT_EQ(tomato->taste_percent, 100);  // 0 reads as 100
    EXPECT_EQ(book.recipes[0]->method_mask, 0);
    EXPECT_TRUE(book.recipes[0]->rows.empty());

    EXPECT_EQ(dish->parent, tomato);  // a parent entry, not only a category
    EXPECT_EQ(dish->description, "煮たもの");
    EXPECT_EQ(dish->base_taste, 40);
    EXPECT_EQ(dish->taste_percent, 120);
    EXPECT_FLOAT_EQ(dish->unit_weight, 200.0f);
    EXPECT_EQ(dish->days_limit, 999);  // 1500 days never spoil
    EXPECT_EQ(dish->price, 90);
    const Recipe& recipe = *book.recipes[1];
    EXPECT_EQ(recipe.name, "トマト煮");
    EXPECT_EQ(recipe.def, dish);
    EXPECT_EQ(recipe.method_mask, kMethodBoil);
    EXPECT_EQ(recipe.naming, kNamingBeforeOf);
    EXPECT_EQ(recipe.total, 180);
    ASSERT_EQ(recipe.rows.size(), 3u);
    const struct {
        const char* name;
        float amount;
        int reference, requirement, consumption;
    } rows[] = {
        {"トマト", 200.0f, 180, kRequirementMust,
         kConsumptionAbsorbed},  // 0 % is 100 %, ref 0 the total
        {"調味料", 10.0f, kReferenceAsIs, kRequirementNeeded, kConsumptionNamed},
        {"肉", 60.0f, 150, kRequirementOptional, kConsumptionKept},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(recipe.rows[i]->name, rows[i].name);
        EXPECT_FLOAT_EQ(recipe.rows[i]->amount, rows[i].amount);
        EXPECT_EQ(recipe.rows[i]->reference, rows[i].reference);
        EXPECT_EQ(recipe.rows[i]->requirement, rows[i].requirement);
        EXPECT_EQ(recipe.rows[i]->consumption, rows[i].consumption);
    }
    EXPECT_EQ(recipe.last_result, nullptr);
    EXPECT_EQ(GlobalFoodCatalogue().size(), 2u);
}

TEST_F(RecipeRecordTest, RowAmountsTruncateInIntegers) {
    Parse("粥,,煮る,,,1,0,150,1,100,1,米,必須,33,0,消");
    EXPECT_FLOAT_EQ(book.recipes[0]->rows[0]->amount, 49.0f);  // 33 × 150 / 100
    // Nine-digit fields: the product does not wrap.
    Parse("大鍋,,煮る,,,1,0,999999999,1,100,1,米,必須,999999999,0,消");
    EXPECT_FLOAT_EQ(book.recipes[1]->rows[0]->amount, 9999999980000000.0f);
}

TEST_F(RecipeRecordTest, ShortLinesReadMissingFieldsAsEmptyOrZero) {
    FoodDef* a = Parse("白湯,お湯,煮る,,,5");
    EXPECT_EQ(a->base_taste, 5);
    EXPECT_EQ(a->taste_percent, 100);
    EXPECT_FLOAT_EQ(a->unit_weight, 0.0f);
    EXPECT_EQ(a->days_limit, 0);
    EXPECT_EQ(a->price, 0);
    EXPECT_EQ(a->parent, FindFoodCategory("その他"));
    EXPECT_TRUE(book.recipes.back()->rows.empty());

    FoodDef* empty = Parse("");
    EXPECT_EQ(empty->name, "");
    EXPECT_EQ(book.recipes.size(), 2u);

    // An unknown parent falls back to その他; a row without its later fields reads defaults.
    FoodDef* b = Parse("謎,,焼く,,どこにもない,1,0,100,1,50,1,卵");
    EXPECT_EQ(b->parent, FindFoodCategory("その他"));
    ASSERT_EQ(book.recipes.back()->rows.size(), 1u);
    const RecipeIngredient& row = *book.recipes.back()->rows[0];
    EXPECT_FLOAT_EQ(row.amount, 100.0f);
    EXPECT_EQ(row.reference, 50);
    EXPECT_EQ(row.requirement, kRequirementOptional);
    EXPECT_EQ(row.consumption, kConsumptionNamed);
}

TEST_F(RecipeRecordTest, ConsecutiveSameNamedLinesShareOneEntry) {
    FoodDef* first = Parse("ピザ,一つ目,焼く,,洋食,10,0,300,2,200,100,小麦粉,必須,40,0,消");
    FoodDef* second =
        Parse("ピザ,二つ目,煮る,,和食,99,50,999,0,250,9999,トマト,必須,10,0,消", first);
    EXPECT_EQ(second, first);
    EXPECT_EQ(first->description, "一つ目");
    EXPECT_EQ(first->base_taste, 10);
    EXPECT_EQ(first->price, 100);
    EXPECT_EQ(first->parent, FindFoodCategory("洋食"));
    ASSERT_EQ(book.recipes.size(), 2u);
    EXPECT_EQ(book.recipes[1]->def, first);
    EXPECT_EQ(book.recipes[1]->method_mask, kMethodBoil);
    EXPECT_EQ(book.recipes[1]->total, 250);
    // The second line's rows use its own unit weight.
    EXPECT_FLOAT_EQ(book.recipes[1]->rows[0]->amount, 99.0f);  // 10 × 999 / 100
    EXPECT_EQ(GlobalFoodCatalogue().size(), 1u);

    // Not directly after: a second entry of the same name.
    FoodDef* other = Parse("パン,,焼く,,,1,0,100,1,1,1,小麦粉,必須,0,0,消", first);
    FoodDef* again = Parse("ピザ,三つ目,焼く,,,1,0,300,1,1,1,小麦粉,必須,0,0,消", other);
    EXPECT_NE(again, first);
    EXPECT_EQ(FindFoodDef("ピザ"), first);
}

TEST_F(RecipeRecordTest, BonusLinesReadTheirTriples) {
    RecordLine line("ピリ辛,,全,130,唐辛子,2,120,胡椒,3,0");
    ParseBonusRecord(line, book);
    RecordLine bare("何か,な,和食,110");
    ParseBonusRecord(bare, book);
    ASSERT_EQ(book.bonuses.size(), 2u);
    const ComboBonus& bonus = *book.bonuses[0];
    EXPECT_EQ(bonus.prefix, "ピリ辛");
    EXPECT_EQ(bonus.connector, "");
    EXPECT_EQ(bonus.target, "全");
    EXPECT_EQ(bonus.bonus_percent, 130);
    ASSERT_EQ(bonus.triples.size(), 2u);
    EXPECT_EQ(bonus.triples[0].ingredient, "唐辛子");
    EXPECT_EQ(bonus.triples[0].share_percent, 2);
    EXPECT_EQ(bonus.triples[0].taste_percent, 120);
    EXPECT_EQ(bonus.triples[1].taste_percent, 0);
    EXPECT_EQ(book.bonuses[1]->connector, "な");
    EXPECT_TRUE(book.bonuses[1]->triples.empty());
}

// ---- the file readers ----

class DataFileTest : public CatalogueTest {
protected:
    DataFileTest() {
        world.backend.services().folders.game = folder.path();
        world.backend.services().folders.data = folder.path();
        ::mkdir((folder.path() + "/dat").c_str(), 0755);
    }
    std::string Real(const char* name) const { return folder.path() + "/dat/" + name; }
    bool Pack(const char* name, const std::string& payload) {
        CQZCipherWriter writer(Real(name).c_str(), vemu::kFileKey.data(), kDigestTiger);
        // Fixed lanes and salt: what a damaged file decodes to must not change from run to run.
        writer.SetRandomSource([state = 12345u]() mutable {
            state = state * 1103515245u + 12345u;
            return state >> 8;
        });
        if (writer.Open() != kCipherOk) return false;
        if (writer.Write(reinterpret_cast<const unsigned char*>(payload.data()),
                         static_cast<unsigned>(payload.size())) != kCipherOk)
            return false;
        return writer.Close() == kCipherOk;
    }
    const std::vector<platform::MessageBoxRecord>& Boxes() { return world.backend.dialogs.boxes; }

    testing_support::HeadlessBackendInstalled world;
    testing_support::TempFolder folder;
    RecipeBook book;
};

TEST_F(DataFileTest, BothFilesLoadIntoTheBook) {
    ASSERT_TRUE(Pack("vemu01.edt",
                     ";comment\r\nトマト,赤い,,,夏野菜,24,0,150,5,0,60\r\n"
                     "サラダ,,混ぜる,,洋食,1,0,100,1,100,1,トマト,必須,0,0,消\r\n"));
    ASSERT_TRUE(Pack("vemu02.edt", "さっぱり,,全,115,トマト,5,110\r\n"));
    EXPECT_TRUE(LoadDataFiles(book));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(book.recipes.size(), 2u);
    EXPECT_EQ(book.bonuses.size(), 1u);
    EXPECT_EQ(GlobalFoodCatalogue().size(), 2u);
}

TEST_F(DataFileTest, AMissingFileStopsWithItsName) {
    ASSERT_TRUE(Pack("vemu01.edt", "トマト,赤い,,,夏野菜,24,0,150,5,0,60\r\n"));
    EXPECT_FALSE(LoadDataFiles(book));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, testing_support::Utf8(u8"dat\\vemu02.edt がありません"));
    EXPECT_EQ(book.recipes.size(), 1u);

    ClearFoodCatalogue();
    RecipeBook empty;
    EXPECT_FALSE(LoadRecipeFile("dat\\none.edt", empty));
    EXPECT_EQ(Boxes().back().text, testing_support::Utf8(u8"dat\\none.edt がありません"));
}

TEST_F(DataFileTest, AFailedCheckShowsTheMessageAndKeepsWhatWasParsed) {
    ASSERT_TRUE(Pack("vemu01.edt", "トマト,赤い,,,夏野菜,24,0,150,5,0,60\r\n"));
    // One changed payload byte: the plain digest no longer matches at the end.
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(platform::ReadWholeFile(Real("vemu01.edt"), bytes));
    bytes[bytes.size() - 40] ^= 0x01;  // inside the enciphered digest A, whatever the salt
    ASSERT_TRUE(platform::WriteWholeFile(Real("vemu01.edt"), bytes.data(), bytes.size()));
    EXPECT_FALSE(LoadRecipeFile(kRecipeFileName, book));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, testing_support::Utf8(u8"ロードできません: ") + Real("vemu01.edt"));
    EXPECT_EQ(Boxes()[0].caption, testing_support::Utf8(u8"ごめんねエラー"));
    EXPECT_FALSE(book.recipes.empty());  // the garbled line was parsed before the check

    // A truncated container cannot even be opened: the same message.
    bytes.resize(40);
    ASSERT_TRUE(platform::WriteWholeFile(Real("vemu01.edt"), bytes.data(), bytes.size()));
    EXPECT_FALSE(LoadRecipeFile(kRecipeFileName, book));
    EXPECT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].text, testing_support::Utf8(u8"ロードできません: ") + Real("vemu01.edt"));
}

}  // namespace
