// The parts of a real desktop session that do not depend on the window backend.
#pragma once

#include <vector>

#include "platform/platform.h"

namespace platform {

class SystemClock : public Clock {
public:
    std::uint32_t Milliseconds() const override;
    std::int64_t WallSeconds() const override;
};

// Opens documents and addresses with xdg-open, started directly (never through a shell).
class XdgShell : public Shell {
public:
    // How long Open waits for xdg-open's verdict before it counts the launch as done.
    static constexpr int kVerdictWaitMs = 1000;

    explicit XdgShell(int verdict_wait_ms = kVerdictWaitMs) : verdict_wait_ms_(verdict_wait_ms) {}
    ~XdgShell() override;
    bool Open(const std::string& path_or_url_utf8) override;

private:
    int verdict_wait_ms_;
    // Reaps the launches that outlived the wait and have ended since.
    void ReapFinished();
    std::vector<int> running_;
};

class StderrDebugSink : public DebugSink {
public:
    void Write(const std::string& utf8) override;
};

// The game folder: the one next to the executable when it holds dat/ (the build tree), else
// the installed data folder, the first being kept as a place tried. The data and config
// folders follow the XDG base directories, under the home folder unless they are set; without
// any home folder a line on stderr says where the files go.
Folders DiscoverFolders();
// The home folder: $HOME when set, else the account's (getpwuid), else the working folder,
// which `guessed` reports.
std::string ChooseHomeFolder(const char* home_env, const char* account_home,
                             const std::string& working_folder, bool* guessed);

}  // namespace platform
