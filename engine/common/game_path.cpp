#include "engine/common/game_path.h"

#include "engine/common/sjis.h"
#include "platform/platform.h"

namespace gamepath {

std::string Normalize(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t n = sjis::CharLength(name, i);
        if (n == 1 && name[i] == '\\')
            out.push_back('/');
        else
            out.append(name.substr(i, n));
        i += n;
    }
    return out;
}

bool IsSaveFile(std::string_view normalized) {
    return normalized.size() > 4 && normalized.substr(normalized.size() - 4) == ".sav";
}

std::string Resolve(std::string_view cp932_name) {
    const std::string normalized = Normalize(cp932_name);
    const std::string utf8 = sjis::ToUtf8(normalized);
    if (!utf8.empty() && utf8[0] == '/') return utf8;
    const platform::Folders& folders = platform::Current().folders;
    const std::string& base = IsSaveFile(normalized) ? folders.data : folders.game;
    return base.empty() ? utf8 : base + "/" + utf8;
}

std::string ResolveForMessage(std::string_view cp932_name) {
    return sjis::FromUtf8(Resolve(cp932_name));
}

std::unique_ptr<platform::File> Open(std::string_view cp932_name, platform::File::Mode mode) {
    const std::string path = Resolve(cp932_name);
    if (mode == platform::File::Mode::Write) {
        const auto slash = path.rfind('/');
        if (slash != std::string::npos && slash > 0)
            platform::MakeDirectories(path.substr(0, slash));
    }
    return platform::File::Open(path, mode);
}

std::unique_ptr<platform::AtomicFile> CreateAtomic(std::string_view cp932_name) {
    const std::string path = Resolve(cp932_name);
    const auto slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0) platform::MakeDirectories(path.substr(0, slash));
    return platform::AtomicFile::Create(path);
}

bool ReadAll(std::string_view cp932_name, std::vector<std::uint8_t>& out, std::size_t max_bytes) {
    return platform::ReadWholeFile(Resolve(cp932_name), out, max_bytes);
}

bool Exists(std::string_view cp932_name) { return platform::FileExists(Resolve(cp932_name)); }

bool Rename(std::string_view cp932_from, std::string_view cp932_to) {
    return platform::RenameFile(Resolve(cp932_from), Resolve(cp932_to));
}

bool Remove(std::string_view cp932_name) { return platform::RemoveFile(Resolve(cp932_name)); }

namespace {

std::string FolderOf(std::string_view cp932_name) {
    const std::string path = Resolve(cp932_name);
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

bool SyncFolderOf(std::string_view cp932_name) {
    return platform::SyncFolder(FolderOf(cp932_name));
}

std::vector<std::string> NamesBeside(std::string_view cp932_name) {
    return platform::FolderEntries(FolderOf(cp932_name));
}

bool RemoveBeside(std::string_view cp932_name, const std::string& entry) {
    if (entry.empty() || entry.find('/') != std::string::npos) return false;
    return platform::RemoveFile(FolderOf(cp932_name) + "/" + entry);
}

std::optional<std::int64_t> ModificationTime(std::string_view cp932_name) {
    return platform::ModificationTime(Resolve(cp932_name));
}

}  // namespace gamepath
