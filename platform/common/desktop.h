// The parts of a real desktop session that do not depend on the window backend.
#pragma once

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
    bool Open(const std::string& path_or_url_utf8) override;
};

class StderrDebugSink : public DebugSink {
public:
    void Write(const std::string& utf8) override;
};

// The game folder: the one next to the executable when it holds dat/ (the build tree), else
// the installed data folder. The data and config folders follow the XDG base directories.
Folders DiscoverFolders();

}  // namespace platform
