#include "game/data/data_files.h"

#include <cstdio>
#include <string>

#include "engine/common/game_path.h"
#include "engine/common/system.h"
#include "engine/data/cipher_stream.h"
#include "game/data/data_line_reader.h"
#include "game/data/file_key.h"
#include "game/data/recipe_records.h"

namespace {

class CipherLineSource : public LineSource {
public:
    explicit CipherLineSource(CQZCipherReader& reader) : reader_(reader) {}
    bool AtEnd() const override { return reader_.AtEnd(); }
    bool Read(unsigned char* buffer, int* count) override {
        return reader_.Read(buffer, count) == kCipherOk;
    }

private:
    CQZCipherReader& reader_;
};

void ReportMissing(const char* path) {
    char text[512];
    std::snprintf(text, sizeof(text), "%s がありません", path);
    ShowMessageBox(text, "Error");
}

// The same words say that a save slot cannot be loaded: the file's name tells them apart.
void ReportUnreadable(const char* path) {
    const std::string text = "ロードできません: " + gamepath::ResolveForMessage(path);
    ShowMessageBox(text.c_str(), "ごめんねエラー");
}

bool LoadLines(const char* path, const RecordParser& parse) {
    // Starting without the catalogue would only crash later, at the first look-up.
    if (!gamepath::Exists(path)) {
        ReportMissing(path);
        return false;
    }
    CQZCipherReader reader(path, vemu::kFileKey.data(), kDigestTiger);
    if (reader.Open() != kCipherOk) {
        ReportUnreadable(path);
        return false;
    }
    CipherLineSource source(reader);
    const bool read_ok = ReadDataLines(source, parse);
    const bool check_ok = reader.Close() == kCipherOk;
    if (!read_ok || !check_ok) {
        ReportUnreadable(path);
        return false;
    }
    return true;
}

}  // namespace

bool LoadRecipeFile(const char* path, RecipeBook& book) {
    FoodDef* previous = nullptr;
    return LoadLines(path,
                     [&](RecordLine& line) { previous = ParseRecipeRecord(line, previous, book); });
}

bool LoadBonusFile(const char* path, RecipeBook& book) {
    return LoadLines(path, [&](RecordLine& line) { ParseBonusRecord(line, book); });
}

bool LoadDataFiles(RecipeBook& book) {
    if (!LoadRecipeFile(kRecipeFileName, book)) return false;
    return LoadBonusFile(kBonusFileName, book);
}
