#include "engine/sound/volume_law.h"

#include <cmath>

namespace sound {

int VolumeToAttenuation(double volume) {
    const double v = !(volume > 0.0) ? 0.0 : volume > 100.0 ? 100.0 : volume;  // NaN counts as 0
    return static_cast<int>(-(v - 100.0) * (v - 100.0));
}

float AttenuationToGain(int hundredths_db) {
    return static_cast<float>(std::pow(10.0, hundredths_db / 2000.0));
}

}  // namespace sound
