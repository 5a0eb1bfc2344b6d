#include "engine/sound/wave_resource.h"

#include "engine/common/game_path.h"

namespace sound {
namespace {
bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
}  // namespace

std::string WaveResourceName(const char* name) {
    std::string out;
    if (!name) return out;
    for (const char* p = name; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (IsLeadByte(c) && p[1] != '\0') {
            out += *p;
            out += *++p;
        } else if (c == '\\' || c == '/') {
            out += '_';
        } else if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c - 'A' + 'a');
        } else {
            out += *p;
        }
    }
    return out;
}

bool FindWaveResource(const char* name, std::vector<std::uint8_t>& out) {
    const std::string file = WaveResourceName(name);
    if (file.empty()) return false;
    return gamepath::ReadAll("res/wave/" + file, out);
}

}  // namespace sound
