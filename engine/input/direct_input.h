// The keyboard and an optional joystick as eight virtual buttons, each with a counter of the
// frames it has been held (1 = pressed in this frame).
#pragma once

#include "platform/joystick.h"

// The eight virtual buttons, as the game and the engine's events read them. 4 to 7 also take
// the player's own keys (the frame's "button1" to "button4" settings); 6 and 7 have no fixed
// role, and the game's lists switch their sort order with 6.
enum VirtualButton : int {
    kButtonUp = 0,
    kButtonDown = 1,
    kButtonLeft = 2,
    kButtonRight = 3,
    kButtonDecide = 4,
    kButtonCancel = 5,
    kButton6 = 6,
    kButton7 = 7,
};

class CDirectInput {
public:
    static constexpr int kButtons = 8;
    // A joystick axis counts as pushed beyond this (axes run from -1000 to 1000).
    static constexpr int kAxisThreshold = 500;

    CDirectInput();
    virtual ~CDirectInput();
    CDirectInput(const CDirectInput&) = delete;
    CDirectInput& operator=(const CDirectInput&) = delete;

    // Starts the device; the keyboard works whatever the result, false means no joystick.
    bool Init(void* window_handle_address);
    void Release();
    // One poll; false while locked.
    bool Update();
    int GetCount(int button) const;
    void ClearCount(int button);
    void AddCount(int button, int n);
    void ClearAll();
    void SetKey(int button, int virtual_key);
    // Hides the counters (while a fade runs) and brings them back as they were.
    void Lock();
    void Unlock();
    bool IsLocked() const { return !started_ || fade_locked_; }
    bool HasJoystick() const { return has_joystick_ != 0; }

private:
    bool Held(int button) const;
    void* window_handle_address_ = nullptr;
    platform::JoystickState joystick_;
    // The device reads nothing until Init; a fade's lock is separate, so that starting the
    // device in the middle of a fade does not release it.
    bool started_ = false;
    bool fade_locked_ = false;
    unsigned char has_joystick_ = 0;
    int counters_[kButtons] = {};
    int saved_[kButtons] = {};
    int keys_[kButtons] = {};
};

static_assert(kButton7 + 1 == CDirectInput::kButtons);
