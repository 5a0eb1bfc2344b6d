// Window messages, shaped after the Win32 ones the frame window handles.
#pragma once

#include <cstdint>

namespace platform {

enum class MessageKind {
    Timer,       // id: timer id (1 frame tick, 2 rate tick)
    KeyDown,     // key: Win32 virtual-key code; repeat: the previous-key-state bit
    MouseWheel,  // wheel_delta: 120 per notch, positive away from the user
    Activate,    // active: true when the window became active
    Move,        // the window moved
    Maximize,    // the user asked to maximise the window
    Paint,       // the window needs its picture again
    Close,       // the user closed the window
    Command,     // id: menu command id
    DeviceLost,  // the presentation device was reset or lost
};

struct Message {
    MessageKind kind = MessageKind::Paint;
    int id = 0;
    int key = 0;
    bool repeat = false;
    int wheel_delta = 0;
    bool active = false;

    static Message MakeTimer(int timer_id) {
        Message m;
        m.kind = MessageKind::Timer;
        m.id = timer_id;
        return m;
    }
    static Message MakeKey(int virtual_key, bool is_repeat = false) {
        Message m;
        m.kind = MessageKind::KeyDown;
        m.key = virtual_key;
        m.repeat = is_repeat;
        return m;
    }
    static Message MakeCommand(int command_id) {
        Message m;
        m.kind = MessageKind::Command;
        m.id = command_id;
        return m;
    }
    static Message MakeWheel(int delta) {
        Message m;
        m.kind = MessageKind::MouseWheel;
        m.wheel_delta = delta;
        return m;
    }
    static Message MakeActivate(bool is_active) {
        Message m;
        m.kind = MessageKind::Activate;
        m.active = is_active;
        return m;
    }
    static Message Make(MessageKind kind) {
        Message m;
        m.kind = kind;
        return m;
    }
};

}  // namespace platform
