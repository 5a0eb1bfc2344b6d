// "WAVE" resources: the executable's own waves, kept as files in the game folder's res/wave/.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sound {

// The resource's file name: lower case, with '\\' and '/' turned into '_'
// ("dat\\select_on.wav" -> "dat_select_on.wav"). Double-byte characters are kept whole.
std::string WaveResourceName(const char* name);
// The bytes of the resource, or false when there is none.
bool FindWaveResource(const char* name, std::vector<std::uint8_t>& out);

}  // namespace sound
