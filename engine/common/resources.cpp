#include "engine/common/resources.h"

#include <cctype>

#include "engine/common/game_path.h"

namespace {

constexpr const char* FolderOf(ResourceType type) {
    switch (type) {
        case ResourceType::Bitmap:
            return "res/bitmap/";
        case ResourceType::Dds:
            return "res/dds/";
        case ResourceType::Wave:
            return "res/wave/";
    }
    return "res/";
}

constexpr const char* SuffixOf(ResourceType type) {
    switch (type) {
        case ResourceType::Bitmap:
            return ".dib";
        case ResourceType::Dds:
            return ".dds";
        case ResourceType::Wave:
            return ".wav";
    }
    return "";
}

std::optional<std::vector<std::uint8_t>> ReadResourceFile(const std::string& path,
                                                          ResourceType type) {
    const std::size_t limit =
        type == ResourceType::Wave ? gamepath::kMaxSoundFileBytes : gamepath::kMaxPictureFileBytes;
    std::vector<std::uint8_t> bytes;
    if (!gamepath::Exists(path) || !gamepath::ReadAll(path, bytes, limit)) return std::nullopt;
    return bytes;
}

}  // namespace

std::string ResourcePath(ResourceType type, int id) {
    // Resource ids are 16-bit; the low word is what a lookup uses.
    return std::string(FolderOf(type)) + std::to_string(id & 0xFFFF) + SuffixOf(type);
}

std::string ResourcePath(ResourceType type, std::string_view name) {
    std::string file;
    file.reserve(name.size());
    for (char c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '\\' || c == '/')
            file += '_';
        else if (u < 0x80)
            file += static_cast<char>(std::tolower(u));
        else
            file += c;
    }
    // A name is never allowed to climb out of its folder.
    if (file.empty() || file == "." || file == "..") return {};
    return std::string(FolderOf(type)) + file;
}

std::optional<std::vector<std::uint8_t>> FindResource(ResourceType type, int id) {
    return ReadResourceFile(ResourcePath(type, id), type);
}

std::optional<std::vector<std::uint8_t>> FindResource(ResourceType type, std::string_view name) {
    const std::string path = ResourcePath(type, name);
    if (path.empty()) return std::nullopt;
    return ReadResourceFile(path, type);
}
