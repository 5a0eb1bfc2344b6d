#include "game/shell/game_folder.h"

#include "engine/common/game_path.h"
#include "engine/common/sjis.h"
#include "game/data/data_files.h"
#include "platform/platform.h"

namespace {

constexpr const char* kDataFolder = "dat";
constexpr const char* kResourceFolder = "res";
constexpr const char* kDataFiles[] = {kRecipeFileName, kBonusFileName};

// What the player can do about it: the commands the README gives.
constexpr const char* kHowToMake =
    "ゲームのフォルダを作るには、ソースのフォルダで ./build.sh play を実行してください。\n"
    "インストールしたゲームなら、そのあと cmake --install build でインストールし直してください。";

}  // namespace

std::vector<std::string> MissingGameFiles() {
    const std::string& game = platform::Current().folders.game;
    if (!game.empty() && !platform::IsDirectory(game)) return {game};
    std::vector<std::string> missing;
    for (const char* folder : {kDataFolder, kResourceFolder}) {
        const std::string path = gamepath::Resolve(folder);
        if (!platform::IsDirectory(path)) missing.push_back(path);
    }
    if (!platform::IsDirectory(gamepath::Resolve(kDataFolder))) return missing;
    for (const char* file : kDataFiles) {
        const std::string path = gamepath::Resolve(file);
        if (!platform::FileExists(path)) missing.push_back(path);
    }
    return missing;
}

bool CheckGameFolder() {
    const std::vector<std::string> missing = MissingGameFiles();
    if (missing.empty()) return true;
    std::string text;
    for (const std::string& path : missing) text += path + sjis::ToUtf8(" がありません") + "\n";
    text += sjis::ToUtf8(kHowToMake);
    platform::Current().dialogs->ShowMessageBox(text, "Error");
    return false;
}
