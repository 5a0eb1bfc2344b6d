// The frame window: owns the settings, starts and releases the engine's devices, drives the
// mediator from the 20 ms timer, turns keys, menu commands and window events into mediator
// calls, and runs the shutdown. It decides only when a frame runs and whether it is drawn; the
// game itself lives in the components.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "platform/platform.h"

class CDirectGraphics;
class CDirectInput;
class CDirectSound;
class CDirectMusic;
class CMouseEvent;
class CQZGameMediator;
class CQZGameComponent;

class CMainFrame {
public:
    static constexpr int kFrameTimerId = 1;
    static constexpr int kRateTimerId = 2;
    static constexpr unsigned kFrameIntervalMs = 20;
    static constexpr unsigned kRateIntervalMs = 100;
    static constexpr int kMaxPendingTicks = 10;
    static constexpr int kClientWidth = 640;
    static constexpr int kClientHeight = 480;
    // The program's exit status after a start that failed, at once or at the deferred start.
    static constexpr int kExitStartFailed = 1;

    // The components the frame registers: the start component (initialised at once) and the
    // others, initialised at the deferred start, in this order.
    struct Components {
        CQZGameComponent* start = nullptr;
        std::vector<CQZGameComponent*> others;
    };

    // Reads the settings; the platform backend and the engine runtime must be alive.
    explicit CMainFrame(Components components);
    ~CMainFrame();
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // Places the window at the remembered rectangle before it is shown.
    void PreCreateWindow();
    bool StartGame();
    void Shutdown();
    void FrameStep(bool draw);
    void ToggleFullScreen();

    bool StartGraphics();
    bool StartInput();
    bool StartSound();
    bool StartMusic();
    void ReleaseGraphics();
    void ReleaseInput();
    void ReleaseSound();
    void ReleaseMusic();

    // The message map.
    void OnMessage(const platform::Message& message);
    void OnTimer(int id);
    void OnKeyDown(int virtual_key, bool repeat);
    void OnActivate(bool active);
    void OnMove();
    void OnMaximize();
    void OnPaint();
    void OnMouseWheel(int delta);
    void OnCommand(int id);
    void Quit(int exit_code = 0);
    // Ends a start that cannot go on (it has said why): the quit message, and a failure status.
    void FailStart();

    // Observation.
    int pending_ticks() const { return pending_ticks_.load(); }
    bool is_active() const { return active_ != 0; }
    bool is_started() const { return not_started_ == 0; }
    bool is_shut_down() const { return shut_down_; }
    const platform::Rect& window_rect() const { return window_rect_; }
    const std::array<std::uint32_t, 10>& rate_ring() const { return ring_; }
    int button_key(int i) const { return button_keys_[i]; }
    bool sound_started() const { return sound_started_ != 0; }
    bool music_started() const { return music_started_ != 0; }
    unsigned frame_timer() const { return frame_timer_; }
    unsigned rate_timer() const { return rate_timer_; }
    // What the program ends with once the quit message has been taken.
    int exit_code() const { return exit_code_; }

private:
    // Moves the window so that its client area is exactly 640 x 480.
    void FitClientArea();
    void UpdateSystemCursor();
    void OpenDocument(const char* target, const char* failure_message);

    platform::Window* window_;
    Components components_;
    std::uint32_t not_started_ = 1;
    CDirectGraphics* graphics_ = nullptr;
    CDirectInput* input_ = nullptr;
    CDirectSound* sound_ = nullptr;
    CDirectMusic* music_ = nullptr;
    CMouseEvent* mouse_ = nullptr;
    CQZGameMediator* mediator_ = nullptr;
    std::uint32_t frames_this_period_ = 0;
    std::array<std::uint32_t, 10> ring_;
    std::uint32_t ring_index_ = 0;
    platform::Rect window_rect_;
    std::uint8_t windowed_ = 1;
    std::uint8_t timers_running_ = 1;
    std::uint8_t active_ = 1;
    std::uint8_t input_started_ = 0;
    std::uint8_t music_started_ = 0;
    std::uint8_t sound_started_ = 0;
    std::array<int, 4> button_keys_{};
    std::array<int, 4> direction_keys_{};
    unsigned frame_timer_ = 0;
    unsigned rate_timer_ = 0;
    std::uint32_t last_frame_end_ = 0;
    // Incremented by the timer thread, counted off by the window thread.
    std::atomic<int> pending_ticks_{0};
    bool cursor_hidden_ = false;
    bool shut_down_ = false;
    int exit_code_ = 0;
};
