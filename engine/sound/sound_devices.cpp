#include "engine/sound/sound_devices.h"

namespace {
SoundDevices g_devices;
}  // namespace

SoundDevices CurrentSoundDevices() { return g_devices; }

void SetSoundDevices(SoundDevices devices) { g_devices = devices; }
