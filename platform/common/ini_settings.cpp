#include "platform/common/ini_settings.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/files.h"

namespace platform {

namespace {
std::string Trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    const auto e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}
// Anything at all under that name, a dangling link included.
bool SomethingAt(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

void Say(const std::string& line) {
    if (IsInstalled() && Current().debug)
        Current().debug->Write(line);
    else
        std::fprintf(stderr, "%s\n", line.c_str());
}

}  // namespace

IniSettings::IniSettings(std::string path) : path_(std::move(path)) {
    if (path_.empty()) return;
    std::vector<std::uint8_t> bytes;
    // The game writes text; a zero byte is no part of any text a player would type either.
    if (ReadWholeFile(path_, bytes, kMaxFileBytes) &&
        std::find(bytes.begin(), bytes.end(), 0) == bytes.end())
        Parse(std::string(bytes.begin(), bytes.end()));
    else
        unreadable_ = SomethingAt(path_);
}

void IniSettings::Parse(const std::string& text) {
    values_.clear();
    std::string section;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        auto end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        const std::string line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = Trim(line.substr(1, line.size() - 2));
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        values_[section][Trim(line.substr(0, eq))] = Trim(line.substr(eq + 1));
    }
}

std::string IniSettings::Serialize() const {
    std::string out;
    for (const auto& [section, keys] : values_) {
        out += "[" + section + "]\n";
        for (const auto& [key, value] : keys) out += key + "=" + value + "\n";
        out += "\n";
    }
    return out;
}

bool IniSettings::Has(const std::string& section, const std::string& key) const {
    const auto s = values_.find(section);
    return s != values_.end() && s->second.count(key) != 0;
}

int IniSettings::GetInt(const std::string& section, const std::string& key, int fallback) const {
    const auto s = values_.find(section);
    if (s == values_.end()) return fallback;
    const auto k = s->second.find(key);
    if (k == s->second.end()) return fallback;
    // Like the profile functions: leading digits count, anything unreadable is 0.
    long long value = 0;
    const char* first = k->second.data();
    const char* last = first + k->second.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr == first) return 0;
    return static_cast<int>(value);
}

bool IniSettings::WriteInt(const std::string& section, const std::string& key, int value) {
    values_[section][key] = std::to_string(value);
    return Store();
}

std::string IniSettings::GetString(const std::string& section, const std::string& key,
                                   const std::string& fallback) const {
    const auto s = values_.find(section);
    if (s == values_.end()) return fallback;
    const auto k = s->second.find(key);
    return k == s->second.end() ? fallback : k->second;
}

bool IniSettings::MoveAside() {
    const std::string aside = path_ + ".bad";
    if (!RenameFile(path_, aside)) {
        const int error = FirstFileError();
        Say("settings: could not move the unreadable " + path_ + " aside to " + aside + " (" +
            std::strerror(error != 0 ? error : EIO) +
            "); it is kept and the settings are not saved");
        return false;
    }
    unreadable_ = false;
    Say("settings: " + path_ + " could not be read; it is kept as " + aside +
        " and a new one is written");
    return true;
}

bool IniSettings::Store() {
    if (path_.empty()) return true;
    ClearFileError();
    if (unreadable_ && !MoveAside()) return false;
    const auto slash = path_.rfind('/');
    if (slash != std::string::npos && slash > 0) MakeDirectories(path_.substr(0, slash));
    const std::string text = Serialize();
    return WriteWholeFile(path_, text.data(), text.size());
}

}  // namespace platform
