#include "engine/sound/direct_show.h"

CDirectShow::CDirectShow() = default;
CDirectShow::~CDirectShow() = default;

void CDirectShow::SetVolume(double volume) {
    volume_ = volume < 0.0 ? 0.0 : volume > 100.0 ? 100.0 : volume;
}

void CDirectShow::PauseAll() {}
void CDirectShow::ResumeAll() {}
