// A task that runs inside the mediator's event list for some frames: a fade, a wait, a message
// window, a choice list, music or the mouse cursor.
#pragma once

#include "engine/framework/wait_handle.h"

class CGameEvent {
public:
    enum State { kIdle = 0, kRunning = 1, kFinished = 2 };

    CGameEvent() = default;
    CGameEvent(const CGameEvent&) = delete;
    CGameEvent& operator=(const CGameEvent&) = delete;

    virtual bool IsActive() { return active_ != 0; }
    virtual bool IsStarted() { return state_ != kIdle; }
    virtual void Reset() { state_ = kIdle; }
    virtual bool IsFinished() { return state_ == kFinished; }
    // Removes the event from the mediator's list (signalling its handle) and deactivates it.
    virtual void Stop();
    // Puts a previous handle of an active event back to idle, then starts through the mediator.
    virtual bool Start(WaitHandle* handle);
    virtual void SetPaused(bool paused) { paused_ = paused; }
    virtual bool IsPaused() { return paused_ != 0; }
    virtual ~CGameEvent();
    virtual void Update() = 0;
    virtual void Draw() {}
    // Called by the mediator whenever the event is started or restarted.
    virtual void Begin();

    // Ends the event from its own Update; the mediator retires it in the same pass.
    void Finish();

    int frame_count() const { return frame_count_; }
    int priority() const { return priority_; }
    void set_priority(int priority) { priority_ = priority; }
    int state() const { return state_; }
    void set_state(int state) { state_ = state; }
    bool stop_at_switch() const { return stop_at_switch_ != 0; }
    void set_stop_at_switch(bool stop) { stop_at_switch_ = stop ? 1 : 0; }
    WaitHandle* wait_handle() const { return wait_handle_; }
    void set_wait_handle(WaitHandle* handle) { wait_handle_ = handle; }
    bool self_delete() const { return self_delete_ != 0; }
    void set_self_delete(bool self_delete) { self_delete_ = self_delete ? 1 : 0; }

protected:
    int frame_count_ = 0;
    int priority_ = 4;
    int state_ = kIdle;
    int stop_at_switch_ = 1;
    WaitHandle* wait_handle_ = nullptr;
    unsigned char self_delete_ = 0;
    unsigned char active_ = 0;
    unsigned char paused_ = 0;

private:
    friend class CQZGameMediator;
    // Membership of the mediator's running list; only the mediator writes it.
    bool listed_ = false;
};
