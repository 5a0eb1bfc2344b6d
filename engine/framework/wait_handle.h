// The two-word record through which whoever starts an event learns, by polling once per frame,
// that it has finished.
#pragma once

struct WaitHandle {
    enum State { kIdle = 0, kWaiting = 1, kDone = 3 };

    int state = kIdle;
    WaitHandle* chained = nullptr;  // signalled together with this one

    WaitHandle() = default;
    void Reset() {
        state = kIdle;
        chained = nullptr;
    }
    // Refuses (false) while a request is still waiting on this handle.
    bool Begin() {
        if (state == kWaiting) return false;
        state = kWaiting;
        return true;
    }
    void Signal() {
        state = kDone;
        if (chained) {
            WaitHandle* next = chained;
            chained = nullptr;
            next->Signal();
        }
    }
    bool IsDone() const { return state == kDone; }
};
