// The devices the sound objects play through. The engine runtime that is alive sets them; with
// none alive both are null, and a sound object then does nothing rather than reach a device that
// is gone.
#pragma once

class CDirectSound;
class CDirectShow;

struct SoundDevices {
    CDirectSound* sound = nullptr;  // the effects' mixer
    CDirectShow* show = nullptr;    // the register of music contents
};

SoundDevices CurrentSoundDevices();
void SetSoundDevices(SoundDevices devices);
