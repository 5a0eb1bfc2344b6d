// Settings kept in an INI file: "[Section]" headers and "key=value" lines.
#pragma once

#include <cstddef>
#include <map>
#include <string>

#include "platform/platform.h"

namespace platform {

class IniSettings : public Settings {
public:
    // Far more than every key the game keeps; a larger file is not one the game wrote, and is
    // not read (the settings then start from their defaults).
    static constexpr std::size_t kMaxFileBytes = 64 * 1024;

    // An empty path keeps the settings in memory only. A file that is there but cannot be read
    // as settings (too large, holding zero bytes, a folder, unreadable) is left as it is until
    // the first write, which moves it aside to "<path>.bad" before writing the new one, and says
    // so on the debug output (stderr); the player may want back what it held.
    explicit IniSettings(std::string path = {});

    // Replaces the contents with the parsed text; unknown lines are kept out.
    void Parse(const std::string& text);
    std::string Serialize() const;

    int GetInt(const std::string& section, const std::string& key, int fallback) const override;
    bool WriteInt(const std::string& section, const std::string& key, int value) override;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback) const override;
    bool Has(const std::string& section, const std::string& key) const;

private:
    bool Store();
    bool MoveAside();
    std::string path_;
    bool unreadable_ = false;
    std::map<std::string, std::map<std::string, std::string>> values_;
};

}  // namespace platform
