#include "engine/sound/direct_music.h"

CDirectMusic::CDirectMusic() = default;
CDirectMusic::~CDirectMusic() { Release(); }

bool CDirectMusic::Init(void*) {
    started_ = true;
    return true;
}

void CDirectMusic::Release() { started_ = false; }
