// The keyboard and an optional joystick as eight virtual buttons, each with a counter of the
// frames it has been held (1 = pressed in this frame).
#pragma once

class CDirectInput {
public:
    static constexpr int kButtons = 8;

    CDirectInput();
    virtual ~CDirectInput();
    CDirectInput(const CDirectInput&) = delete;
    CDirectInput& operator=(const CDirectInput&) = delete;

    bool Init(void* window_handle_address);
    void Release();
    bool Update();
    int GetCount(int button) const;
    void ClearCount(int button);
    void AddCount(int button, int n);
    void ClearAll();
    void SetKey(int button, int virtual_key);
    void Lock();
    void Unlock();
    bool IsLocked() const { return locked_ != 0; }

private:
    bool Held(int button) const;
    void* window_handle_address_ = nullptr;
    unsigned char locked_ = 1;
    unsigned char has_joystick_ = 0;
    int counters_[kButtons] = {};
    int saved_[kButtons] = {};
    int keys_[kButtons] = {};
};
