// The operating-system services the game runs on, as one narrow set of interfaces.
//
// Two backends implement them: platform/sdl (a real window, audio device and joystick through
// SDL2) and platform/headless (a manual clock, scripted input, recorded output) for tests.
// Nothing in here knows about the engine: it deals in windows, messages, clocks, files and
// settings. Every text crossing this interface is UTF-8; the engine converts its CP932 text at
// the boundary.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/audio_device.h"
#include "platform/joystick.h"
#include "platform/message.h"
#include "platform/virtual_keys.h"

namespace platform {

class FileFaults;

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

// One entry of the window's menu bar. A popup has children and no command.
struct MenuItem {
    std::string label;  // UTF-8; '&' marks the Alt accelerator; empty label = separator
    int command = 0;
    std::vector<MenuItem> children;
};

// The game window and its message queue. All calls but PostMessage come from the window
// thread.
class Window {
public:
    virtual ~Window() = default;

    // Blocks until a message is available; false once the quit message has been taken.
    virtual bool GetMessage(Message& out) = 0;
    // Thread-safe: the timer thread posts its ticks through this.
    virtual void PostMessage(const Message& message) = 0;
    virtual void PostQuit(int exit_code) = 0;

    virtual void SetTitle(const std::string& utf8) = 0;
    virtual void SetMenu(const std::vector<MenuItem>& menu) = 0;
    virtual void Show() = 0;

    // Outer rectangle in screen coordinates, and the client area's size.
    virtual Rect GetWindowRect() const = 0;
    virtual Rect GetClientRect() const = 0;
    virtual void MoveWindow(const Rect& outer) = 0;

    // Full screen scales the 640 x 480 picture to the display, letterboxed.
    virtual bool SetFullScreen(bool full_screen) = 0;
    virtual bool IsFullScreen() const = 0;

    // Shows a finished 640 x 480 ARGB picture. Returns false when the presentation device was
    // lost (the caller recovers on its own schedule).
    virtual bool Present(const std::uint32_t* argb, int width, int height) = 0;

    // Starts one reading of the keys and buttons (the frame's). Until the next one, a key or
    // button pressed since the previous start reads as down even when it is up again: the
    // frame reads the state only every 20 ms, and a tap between two reads must not be lost.
    virtual void BeginInputPoll() = 0;
    // GetAsyncKeyState: true while the key is held and the window has the focus (or, see
    // BeginInputPoll, when it was pressed since the previous poll).
    virtual bool IsKeyDown(int virtual_key) const = 0;
    // 0 left, 1 right; as IsKeyDown.
    virtual bool IsMouseButtonDown(int which) const = 0;
    // Pointer in the 640 x 480 picture's own coordinates (also when scaled or full screen).
    virtual Point GetCursorPos() const = 0;
    virtual void SetCursorPos(Point client) = 0;
    // Hides the system pointer while it is over the picture.
    virtual void SetSystemCursorHidden(bool hidden) = 0;
    // False when nothing the window draws reaches a screen (a video driver that only pretends,
    // taken because no display could be opened): the game must not run on unseen.
    virtual bool HasDisplay() const { return true; }
};

// The multimedia timers: a periodic callback on a thread of its own. The callback must only
// count and post; all game state belongs to the window thread.
class Timers {
public:
    virtual ~Timers() = default;
    // Returns a timer id (never 0), or 0 when the timer could not be created.
    virtual unsigned SetEvent(unsigned period_ms, std::function<void()> callback) = 0;
    virtual void KillEvent(unsigned id) = 0;
};

// A moment as the calendar of the user's time zone shows it; month 1 to 12.
struct LocalTime {
    int year, month, day, hour, minute, second;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start, wrapping at 2^32 (timeGetTime).
    virtual std::uint32_t Milliseconds() const = 0;
    // Seconds since the Unix epoch (time(NULL)).
    virtual std::int64_t WallSeconds() const = 0;
    // A moment in seconds since the Unix epoch in the process's time zone (TZ); nothing when the
    // system cannot convert it.
    virtual std::optional<LocalTime> ToLocalTime(std::int64_t seconds) const;
};

// Integer settings in named sections, in place of the registry's profile functions.
class Settings {
public:
    virtual ~Settings() = default;
    virtual int GetInt(const std::string& section, const std::string& key, int fallback) const = 0;
    virtual bool WriteInt(const std::string& section, const std::string& key, int value) = 0;
    virtual std::string GetString(const std::string& section, const std::string& key,
                                  const std::string& fallback) const = 0;
};

struct MessageBoxRecord {
    std::string text, caption;  // UTF-8
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void ShowMessageBox(const std::string& text_utf8, const std::string& caption_utf8) = 0;
    virtual void Beep() = 0;
};

// Opens a document or web address with the desktop's handler (ShellExecute "open").
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool Open(const std::string& path_or_url_utf8) = 0;
};

// OutputDebugString: a line for whoever debugs the program.
class DebugSink {
public:
    virtual ~DebugSink() = default;
    virtual void Write(const std::string& utf8) = 0;
};

// Where the game finds its assets and keeps the player's files.
struct Folders {
    std::string game;    // holds dat/, midi/, manual/, res/ (read-only when installed)
    std::string data;    // $XDG_DATA_HOME/vemu: save slots
    std::string config;  // $XDG_CONFIG_HOME/vemu: settings
    // The folders looked in before the game folder, which did not hold it (UTF-8 paths).
    std::vector<std::string> game_tried;
};

// The system's Japanese font files (UTF-8 paths). Empty when the backend has none; the engine
// then draws a deterministic box font.
struct FontFiles {
    std::string mincho;
    std::string gothic;
    // Set by a backend that draws for a player: without a Japanese font file the start fails
    // with a message rather than drawing every text as boxes.
    bool required = false;
};

// Everything one backend provides. The application object installs one with Install();
// engine code reaches it through Current().
struct Services {
    Window* window = nullptr;
    Timers* timers = nullptr;
    Clock* clock = nullptr;
    Settings* settings = nullptr;
    Dialogs* dialogs = nullptr;
    Shell* shell = nullptr;
    DebugSink* debug = nullptr;
    AudioDevice* audio = nullptr;
    Joystick* joystick = nullptr;
    FileFaults* file_faults = nullptr;  // null: the disk fails only on its own
    Folders folders;
    FontFiles fonts;
};

void Install(Services* services);
// Aborts with a clear message when no backend is installed.
Services& Current();
bool IsInstalled();

}  // namespace platform
