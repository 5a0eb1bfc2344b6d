#include "engine/framework/wait_event.h"

int CWaitEvent::Frames() const {
    return static_cast<int>(static_cast<long long>(milliseconds_) * 50 / 1000);
}

void CWaitEvent::Update() {
    ++frame_count_;
    if (frame_count_ > Frames()) Finish();
}
