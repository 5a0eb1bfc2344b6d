#include "engine/framework/game_event.h"

#include "engine/framework/devices.h"
#include "engine/framework/engine_runtime.h"
#include "engine/framework/game_mediator.h"

CGameEvent::~CGameEvent() {
    if (listed_ && EngineRuntime::Current()) GetGameMediator()->Forget(this);
}

void CGameEvent::Stop() {
    GetGameMediator()->StopEvent(this);
    active_ = 0;
}

bool CGameEvent::Start(WaitHandle* handle) {
    if (active_ && wait_handle_) wait_handle_->state = WaitHandle::kIdle;
    const bool started = GetGameMediator()->StartEvent(handle, this);
    active_ = 1;
    return started;
}

void CGameEvent::Begin() {
    state_ = kRunning;
    frame_count_ = 0;
    SetPaused(false);
}

void CGameEvent::Finish() {
    state_ = kFinished;
    if (wait_handle_) wait_handle_->Signal();
    active_ = 0;
}
