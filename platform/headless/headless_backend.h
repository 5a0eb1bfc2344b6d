// The headless backend: no window and no threads. A test owns one, installs it, and drives the
// program by hand: it advances the clock (which fires the timers), queues messages, holds keys,
// moves the pointer, pulls audio and reads back every presented picture, message box and debug
// line.
#pragma once

#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "platform/common/ini_settings.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace platform::headless {

class HeadlessWindow : public Window {
public:
    bool GetMessage(Message& out) override;
    void PostMessage(const Message& message) override;
    void PostQuit(int exit_code) override;
    void SetTitle(const std::string& utf8) override { title_ = utf8; }
    void SetMenu(const std::vector<MenuItem>& menu) override { menu_ = menu; }
    void Show() override { shown_ = true; }
    Rect GetWindowRect() const override { return outer_; }
    Rect GetClientRect() const override;
    void MoveWindow(const Rect& outer) override;
    bool SetFullScreen(bool full_screen) override;
    bool IsFullScreen() const override { return full_screen_; }
    bool Present(const std::uint32_t* argb, int width, int height) override;
    void BeginInputPoll() override;
    bool IsKeyDown(int virtual_key) const override;
    bool IsMouseButtonDown(int which) const override;
    Point GetCursorPos() const override { return cursor_; }
    void SetCursorPos(Point client) override { cursor_ = client; }
    void SetSystemCursorHidden(bool hidden) override { cursor_hidden_ = hidden; }
    bool HasDisplay() const override { return has_display_; }

    // Scripting. A key or button held and let go again before the next poll is a tap: that
    // poll still reads it as down.
    void HoldKey(int virtual_key, bool held);
    void ReleaseAllKeys() { keys_.clear(); }
    void HoldMouseButton(int which, bool held);
    // The decorations around the client area (a window of client + this size outside).
    void SetNonClientSize(int width, int height) { non_client_ = {width, height}; }
    // The next Present reports a lost device.
    void LoseDeviceOnNextPresent() { lose_next_present_ = true; }
    // As a window on a video driver that shows nothing.
    void SetHasDisplay(bool has_display) { has_display_ = has_display; }

    // Observation.
    const std::string& Title() const { return title_; }
    const std::vector<MenuItem>& Menu() const { return menu_; }
    bool IsShown() const { return shown_; }
    bool IsSystemCursorHidden() const { return cursor_hidden_; }
    int PresentCount() const { return present_count_; }
    // The picture last presented, read in the presenter's own buffer rather than copied (a copy
    // a frame costs as much as a fifth of drawing a busy one): it is the frame until the next
    // drawing, and lives as long as the graphics that presented it.
    std::span<const std::uint32_t> LastFrame() const { return last_frame_; }
    std::size_t PendingMessages() const;
    bool QuitPosted() const { return quit_posted_; }
    int MoveCount() const { return move_count_; }

private:
    mutable std::mutex mutex_;
    std::deque<Message> queue_;
    bool quit_posted_ = false;
    std::string title_;
    std::vector<MenuItem> menu_;
    bool shown_ = false;
    Rect outer_{0, 0, 646, 524};
    Point non_client_{6, 44};
    bool full_screen_ = false;
    bool lose_next_present_ = false;
    bool has_display_ = true;
    int present_count_ = 0;
    int move_count_ = 0;
    std::span<const std::uint32_t> last_frame_;
    std::set<int> keys_;
    // Pressed since the current poll began, and pressed before it (what this poll reads).
    std::set<int> keys_pressed_, keys_polled_;
    bool mouse_[2] = {false, false};
    bool mouse_pressed_[2] = {false, false}, mouse_polled_[2] = {false, false};
    Point cursor_;
    bool cursor_hidden_ = false;
};

// Timers fired by ManualClock::Advance, in deadline order, on the caller's thread.
class ManualTimers : public Timers {
public:
    unsigned SetEvent(unsigned period_ms, std::function<void()> callback) override;
    void KillEvent(unsigned id) override;
    // The next SetEvent fails; with a count, that many calls succeed before the one that fails.
    void FailNextSetEvent(int succeed_first = 0) { fail_countdown_ = succeed_first; }
    bool IsRunning(unsigned id) const { return timers_.count(id) != 0; }
    std::size_t Count() const { return timers_.size(); }

private:
    friend class ManualClock;
    struct Timer {
        unsigned period;
        std::uint64_t next;
        std::function<void()> callback;
    };
    std::map<unsigned, Timer> timers_;
    unsigned next_id_ = 1;
    int fail_countdown_ = -1;
    std::uint64_t now_ = 0;
};

class ManualClock : public Clock {
public:
    explicit ManualClock(ManualTimers& timers) : timers_(timers) {}
    std::uint32_t Milliseconds() const override { return static_cast<std::uint32_t>(now_); }
    std::int64_t WallSeconds() const override {
        return wall_ + static_cast<std::int64_t>(now_ / 1000);
    }
    // Moves the clock on, firing every timer whose tick falls due on the way.
    void Advance(std::uint32_t ms);
    void SetWallSeconds(std::int64_t seconds) { wall_ = seconds; }

private:
    ManualTimers& timers_;
    std::uint64_t now_ = 0;
    std::int64_t wall_ = 1700000000;
};

class RecordingDialogs : public Dialogs {
public:
    void ShowMessageBox(const std::string& text, const std::string& caption) override {
        boxes.push_back({text, caption});
    }
    void Beep() override { ++beeps; }
    std::vector<MessageBoxRecord> boxes;
    int beeps = 0;
};

class RecordingShell : public Shell {
public:
    bool Open(const std::string& target) override {
        opened.push_back(target);
        return succeed;
    }
    std::vector<std::string> opened;
    bool succeed = true;
};

class RecordingDebugSink : public DebugSink {
public:
    void Write(const std::string& utf8) override { lines.push_back(utf8); }
    std::vector<std::string> lines;
};

// One MIDI message as the headless device received it.
struct MidiRecord {
    std::int64_t position = 0;  // 100 ns units into the piece
    std::vector<std::uint8_t> bytes;
};

// Audio without a device: Pull renders exactly the frames asked for. Music is not
// synthesised: its MIDI messages are recorded in `midi` (unless record_midi is cleared, which
// lets a test hear the real synthesiser).
class PulledAudioDevice : public AudioDevice, public MidiSink {
public:
    bool Open(const AudioFormat& wanted, RenderCallback render) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    AudioFormat Format() const override { return format_; }
    void Lock() override {}
    void Unlock() override {}
    void FailNextOpen() { fail_next_ = true; }
    // Interleaved samples of `frames` frames; silence while closed.
    std::vector<float> Pull(int frames);

    MidiSink* Midi() override { return record_midi ? this : nullptr; }
    void Receive(std::int64_t position, const std::uint8_t* bytes, std::size_t count) override {
        midi.push_back({position, std::vector<std::uint8_t>(bytes, bytes + count)});
    }
    bool record_midi = true;
    std::vector<MidiRecord> midi;

private:
    bool open_ = false;
    bool fail_next_ = false;
    AudioFormat format_;
    RenderCallback render_;
};

class ScriptedJoystick : public Joystick {
public:
    bool Open() override { return attached; }
    void Close() override {}
    bool Read(JoystickState& out) override {
        if (!attached) return false;
        out = state;
        return true;
    }
    bool attached = false;
    JoystickState state;
};

// The disk as a test wants it to fail. Until a switch is set, every call goes through; the
// counters count what was asked for since the last Reset.
class ScriptedFileFaults : public FileFaults {
public:
    // After `bytes` more bytes have been written, every write fails (a full disk) until Reset.
    void FailWritesAfter(std::uint64_t bytes) { write_budget_ = static_cast<std::int64_t>(bytes); }
    // The flush or rename after `succeed_first` successful ones fails, once.
    void FailFlush(int succeed_first = 0) { flush_countdown_ = succeed_first; }
    void FailRename(int succeed_first = 0) { rename_countdown_ = succeed_first; }
    // Calls of every kind, numbered from 0 in the order they are asked for: the call numbered
    // `call` fails once, as an I/O error would (a write then writes nothing), or with the given
    // errno (EACCES: as in a folder the player may not write in).
    void FailCall(int call, int error = EIO) {
        fail_call_ = call;
        fail_call_error_ = error;
    }
    // The program is killed at the call numbered `call`: that call and every later one changes
    // nothing, except that a write killed half-way leaves its first half in the file.
    void KillAtCall(int call) { kill_call_ = call; }
    void Reset() {
        const bool syncs = syncs_reach_the_disk;
        *this = ScriptedFileFaults();
        syncs_reach_the_disk = syncs;
    }

    std::size_t AllowWrite(std::size_t bytes) override;
    bool AllowFlush() override { return NextCall('f') && Allow(flush_countdown_, flushes); }
    bool AllowRename() override { return NextCall('r') && Allow(rename_countdown_, renames); }
    bool AllowCreate() override { return NextCall('c'); }
    bool AllowRemove() override { return NextCall('d'); }
    bool AllowFolderSync() override { return NextCall('s'); }
    bool SyncsReachTheDisk() override { return syncs_reach_the_disk; }
    // A full disk for the writes over the budget, else the failed call's own error.
    int RefusalError() override { return refusal_error_; }

    // Tests do not survive power cuts, so by default they do not wait for the disk either; a
    // benchmark of saving does.
    bool syncs_reach_the_disk = false;

    std::uint64_t bytes_written = 0;
    int flushes = 0;  // of files
    int renames = 0;
    int calls = 0;  // of every kind
    // One letter per call in order: c create, w write, f flush, r rename, d remove, s folder sync.
    std::string trace;
    bool killed = false;

private:
    static bool Allow(int& countdown, int& counter);
    // Counts the call; false when it fails or the program is dead.
    bool NextCall(char kind);

    std::int64_t write_budget_ = -1;  // -1: no limit
    int flush_countdown_ = -1;
    int rename_countdown_ = -1;
    int fail_call_ = -1;
    int fail_call_error_ = EIO;
    int kill_call_ = -1;
    int refusal_error_ = EIO;
};

// Owns one of each and the Services record that points at them.
class HeadlessBackend {
public:
    HeadlessBackend();
    ~HeadlessBackend();
    HeadlessBackend(const HeadlessBackend&) = delete;
    HeadlessBackend& operator=(const HeadlessBackend&) = delete;

    // Makes this backend the current one (and restores the previous one on destruction).
    void Install();
    Services& services() { return services_; }

    HeadlessWindow window;
    ManualTimers timers;
    ManualClock clock{timers};
    IniSettings settings;  // in memory
    RecordingDialogs dialogs;
    RecordingShell shell;
    RecordingDebugSink debug;
    PulledAudioDevice audio;
    ScriptedJoystick joystick;
    ScriptedFileFaults file_faults;

private:
    Services services_;
    bool installed_ = false;
    Services* previous_ = nullptr;
};

}  // namespace platform::headless
