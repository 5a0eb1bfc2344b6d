#include "platform/common/desktop.h"

#include <pwd.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

#include "platform/files.h"

extern char** environ;

namespace platform {

std::uint32_t SystemClock::Milliseconds() const {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

std::int64_t SystemClock::WallSeconds() const {
    return static_cast<std::int64_t>(std::time(nullptr));
}

XdgShell::~XdgShell() { ReapFinished(); }

void XdgShell::ReapFinished() {
    std::erase_if(running_, [](int pid) {
        int status = 0;
        return waitpid(pid, &status, WNOHANG) != 0;
    });
}

bool XdgShell::Open(const std::string& path_or_url_utf8) {
    ReapFinished();
    pid_t pid = 0;
    std::string program = "xdg-open";
    std::string argument = path_or_url_utf8;
    char* argv[] = {program.data(), argument.data(), nullptr};
    if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ) != 0) return false;
    // Inside a desktop session xdg-open hands the document over and exits at once, its status
    // saying whether a handler was found. Without one it may run the handler itself and wait
    // for it to close; the window thread must not stand still that long, so after a short
    // wait the launch counts as done and the process is reaped later.
    constexpr int kStepMs = 10;
    for (int waited = 0; waited < verdict_wait_ms_; waited += kStepMs) {
        int status = 0;
        const pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (r < 0 && errno != EINTR) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(kStepMs));
    }
    running_.push_back(pid);
    return true;
}

void StderrDebugSink::Write(const std::string& utf8) {
    std::fputs(utf8.c_str(), stderr);
    if (utf8.empty() || utf8.back() != '\n') std::fputc('\n', stderr);
}

namespace {
std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::string(value) : fallback;
}
}  // namespace

std::string ChooseHomeFolder(const char* home_env, const char* account_home,
                             const std::string& working_folder, bool* guessed) {
    *guessed = false;
    if (home_env && *home_env) return home_env;
    if (account_home && *account_home) return account_home;
    *guessed = true;
    return working_folder;
}

namespace {

std::string WorkingFolder() {
    std::vector<char> buffer(4096);
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return ".";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

// $HOME, else the account's home as desktop programs take it when a service or a bare console
// left HOME unset.
std::string HomeFolder() {
    const passwd* account = ::getpwuid(::getuid());
    bool guessed = false;
    std::string home = ChooseHomeFolder(std::getenv("HOME"), account ? account->pw_dir : nullptr,
                                        WorkingFolder(), &guessed);
    if (guessed)
        std::fprintf(stderr,
                     "vemu: HOME is unset and the account has no home folder; settings and saves "
                     "go under %s\n",
                     home.c_str());
    return home;
}

}  // namespace

Folders DiscoverFolders() {
    Folders folders;
    const std::string exe = ExecutableFolder();
    if (IsDirectory(exe + "/dat")) {
        folders.game = exe;
    } else {
#ifdef VEMU_INSTALLED_DATA_DIR
        folders.game = VEMU_INSTALLED_DATA_DIR;
        folders.game_tried = {exe};
#else
        folders.game = exe;
#endif
    }
    // Only when a place depends on it: a player who set both XDG folders needs no home.
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const bool needs_home = !(data && *data) || !(config && *config);
    const std::string home = needs_home ? HomeFolder() : std::string();
    folders.data = EnvOr("XDG_DATA_HOME", home + "/.local/share") + "/vemu";
    folders.config = EnvOr("XDG_CONFIG_HOME", home + "/.config") + "/vemu";
    return folders;
}

}  // namespace platform
