#include "engine/sound/direct_sound.h"

CDirectSound::CDirectSound() = default;
CDirectSound::~CDirectSound() { Release(); }

bool CDirectSound::Init(void*) {
    started_ = true;
    return true;
}

void CDirectSound::Release() { started_ = false; }

void CDirectSound::SetVolume(int volume) { volume_ = volume < 0 ? 0 : volume > 100 ? 100 : volume; }
