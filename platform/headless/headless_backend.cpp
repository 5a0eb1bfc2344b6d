#include "platform/headless/headless_backend.h"

#include <algorithm>

namespace platform::headless {

bool HeadlessWindow::GetMessage(Message& out) {
    std::lock_guard lock(mutex_);
    if (queue_.empty()) return false;
    out = queue_.front();
    queue_.pop_front();
    return true;
}

void HeadlessWindow::PostMessage(const Message& message) {
    std::lock_guard lock(mutex_);
    queue_.push_back(message);
}

void HeadlessWindow::PostQuit(int) {
    std::lock_guard lock(mutex_);
    quit_posted_ = true;
}

std::size_t HeadlessWindow::PendingMessages() const {
    std::lock_guard lock(mutex_);
    return queue_.size();
}

Rect HeadlessWindow::GetClientRect() const {
    if (full_screen_) return {0, 0, 640, 480};
    return {0, 0, std::max(0, outer_.Width() - non_client_.x),
            std::max(0, outer_.Height() - non_client_.y)};
}

void HeadlessWindow::MoveWindow(const Rect& outer) {
    outer_ = outer;
    ++move_count_;
}

bool HeadlessWindow::SetFullScreen(bool full_screen) {
    full_screen_ = full_screen;
    return true;
}

bool HeadlessWindow::Present(const std::uint32_t* argb, int width, int height) {
    ++present_count_;
    last_frame_ = {argb, static_cast<std::size_t>(width) * height};
    if (lose_next_present_) {
        lose_next_present_ = false;
        return false;
    }
    return true;
}

void HeadlessWindow::BeginInputPoll() {
    keys_polled_.swap(keys_pressed_);
    keys_pressed_.clear();
    for (int which = 0; which < 2; ++which) {
        mouse_polled_[which] = mouse_pressed_[which];
        mouse_pressed_[which] = false;
    }
}

bool HeadlessWindow::IsKeyDown(int virtual_key) const {
    return keys_.count(virtual_key) != 0 || keys_polled_.count(virtual_key) != 0;
}

bool HeadlessWindow::IsMouseButtonDown(int which) const {
    return which >= 0 && which < 2 && (mouse_[which] || mouse_polled_[which]);
}

void HeadlessWindow::HoldKey(int virtual_key, bool held) {
    if (held) {
        if (keys_.insert(virtual_key).second) keys_pressed_.insert(virtual_key);
    } else {
        keys_.erase(virtual_key);
    }
}

void HeadlessWindow::HoldMouseButton(int which, bool held) {
    if (which < 0 || which >= 2) return;
    if (held && !mouse_[which]) mouse_pressed_[which] = true;
    mouse_[which] = held;
}

unsigned ManualTimers::SetEvent(unsigned period_ms, std::function<void()> callback) {
    if (fail_countdown_ >= 0 && fail_countdown_-- == 0) return 0;
    if (period_ms == 0 || !callback) return 0;
    const unsigned id = next_id_++;
    timers_[id] = Timer{period_ms, now_ + period_ms, std::move(callback)};
    return id;
}

void ManualTimers::KillEvent(unsigned id) { timers_.erase(id); }

void ManualClock::Advance(std::uint32_t ms) {
    const std::uint64_t end = now_ + ms;
    for (;;) {
        // The earliest due tick; at equal deadlines the faster timer fires first (a frame tick
        // due at the same moment as a rate tick lands in the period it closes), then the older.
        unsigned due_id = 0;
        std::uint64_t due = end + 1;
        unsigned due_period = 0;
        for (const auto& [id, timer] : timers_.timers_) {
            if (timer.next < due || (timer.next == due && timer.period < due_period)) {
                due = timer.next;
                due_id = id;
                due_period = timer.period;
            }
        }
        if (due_id == 0) break;
        now_ = due;
        timers_.now_ = due;
        auto& timer = timers_.timers_.at(due_id);
        timer.next += timer.period;
        auto callback = timer.callback;  // the callback may kill its own timer
        callback();
    }
    now_ = end;
    timers_.now_ = end;
}

bool PulledAudioDevice::Open(const AudioFormat& wanted, RenderCallback render) {
    if (fail_next_) {
        fail_next_ = false;
        return false;
    }
    format_ = wanted;
    render_ = std::move(render);
    open_ = true;
    return true;
}

void PulledAudioDevice::Close() {
    open_ = false;
    render_ = nullptr;
}

std::vector<float> PulledAudioDevice::Pull(int frames) {
    std::vector<float> out(static_cast<std::size_t>(std::max(0, frames)) * format_.channels, 0.0f);
    if (open_ && render_ && frames > 0) render_(out.data(), frames);
    return out;
}

bool ScriptedFileFaults::NextCall(char kind) {
    trace.push_back(kind);
    const int call = calls++;
    if (call == kill_call_) killed = true;
    refusal_error_ = call == fail_call_ && !killed ? fail_call_error_ : EIO;
    return !killed && call != fail_call_;
}

std::size_t ScriptedFileFaults::AllowWrite(std::size_t bytes) {
    const bool dies_here = !killed && calls == kill_call_;
    if (!NextCall('w')) return dies_here ? bytes / 2 : 0;
    std::size_t allowed = bytes;
    if (write_budget_ >= 0) {
        allowed = static_cast<std::size_t>(
            std::min<std::int64_t>(write_budget_, static_cast<std::int64_t>(bytes)));
        write_budget_ -= static_cast<std::int64_t>(allowed);
        if (allowed < bytes) refusal_error_ = ENOSPC;
    }
    bytes_written += allowed;
    return allowed;
}

bool ScriptedFileFaults::Allow(int& countdown, int& counter) {
    ++counter;
    if (countdown < 0) return true;
    if (countdown-- > 0) return true;
    return false;  // countdown is now -1: only this one fails
}

HeadlessBackend::HeadlessBackend() {
    services_.window = &window;
    services_.timers = &timers;
    services_.clock = &clock;
    services_.settings = &settings;
    services_.dialogs = &dialogs;
    services_.shell = &shell;
    services_.debug = &debug;
    services_.audio = &audio;
    services_.joystick = &joystick;
    services_.file_faults = &file_faults;
    services_.folders = {".", "./user-data", "./user-config"};
}

HeadlessBackend::~HeadlessBackend() {
    if (installed_) platform::Install(previous_);
}

void HeadlessBackend::Install() {
    if (!installed_) previous_ = platform::IsInstalled() ? &platform::Current() : nullptr;
    platform::Install(&services_);
    installed_ = true;
}

}  // namespace platform::headless
