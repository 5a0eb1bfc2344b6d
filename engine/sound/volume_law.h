// Volumes of effects and music run from 0 to 100 and become an attenuation in hundredths of a
// decibel, -(v - 100)^2: 100 is full level, 0 is -10000 (silence for every practical purpose).
#pragma once

namespace sound {

// The attenuation of a volume, truncated toward zero; the volume is clamped to 0..100 first.
int VolumeToAttenuation(double volume);
// The linear gain of an attenuation of m hundredths of a decibel: 10^(m / 2000).
float AttenuationToGain(int hundredths_db);
inline float VolumeToGain(double volume) { return AttenuationToGain(VolumeToAttenuation(volume)); }

}  // namespace sound
