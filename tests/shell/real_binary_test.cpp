// The real program started as a player starts it, on a machine that lacks a display or the
// Japanese fonts: it must end at once with a failure status and say why on stderr, where a
// player started from a console reads it. Only a separate process shows what SDL does then.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <time.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "tests/support/engine_world.h"

extern char** environ;

namespace {

using testing_support::TempFolder;
using testing_support::Utf8;

struct Outcome {
    bool ended = false;  // within the time allowed
    int status = -1;
    double seconds = 0;
    std::string err;
};

// Runs the game with the test's environment changed by `changes` (an empty value unsets) and
// its stderr captured; a game still running after `limit_seconds` is killed.
Outcome RunGame(const std::map<std::string, std::string>& changes, double limit_seconds) {
    std::map<std::string, std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::size_t eq = entry.find('=');
        if (eq != std::string::npos) env[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    for (const auto& [name, value] : changes) {
        if (value.empty())
            env.erase(name);
        else
            env[name] = value;
    }
    std::vector<std::string> entries;
    for (const auto& [name, value] : env) entries.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& entry : entries) envp.push_back(entry.data());
    envp.push_back(nullptr);

    int pipe_fds[2];
    if (pipe2(pipe_fds, O_CLOEXEC) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 2);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::string program = VEMU_BINARY;
    char* argv[] = {program.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_fds[1]);
    Outcome outcome;
    if (spawned != 0) {
        close(pipe_fds[0]);
        return outcome;
    }
    auto now = [] {
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
    };
    const double start = now();
    auto elapsed = [&] { return now() - start; };
    bool open = true;
    while (open && elapsed() < limit_seconds) {
        pollfd p{pipe_fds[0], POLLIN, 0};
        if (poll(&p, 1, 50) > 0) {
            char buffer[4096];
            const ssize_t n = read(pipe_fds[0], buffer, sizeof buffer);
            if (n > 0)
                outcome.err.append(buffer, static_cast<std::size_t>(n));
            else
                open = false;
        }
    }
    int status = 0;
    pid_t reaped = waitpid(pid, &status, WNOHANG);
    while (reaped == 0 && elapsed() < limit_seconds) {
        usleep(10000);
        reaped = waitpid(pid, &status, WNOHANG);
    }
    if (reaped == pid) {
        outcome.ended = true;
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    } else {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    outcome.seconds = elapsed();
    close(pipe_fds[0]);
    return outcome;
}

// The player's own folders stay out of it: the settings written at the end go to a test folder.
std::map<std::string, std::string> Sandbox(const TempFolder& folder) {
    return {{"HOME", folder.path()},
            {"XDG_CONFIG_HOME", folder.path() + "/config"},
            {"XDG_DATA_HOME", folder.path() + "/data"}};
}

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(RealBinary, WithoutADisplayTheStartFailsAtOnceAndSaysSoOnStderr) {
    TempFolder folder;
    auto env = Sandbox(folder);
    env["DISPLAY"] = "";
    env["WAYLAND_DISPLAY"] = "";
    env["SDL_VIDEODRIVER"] = "";
    const Outcome run = RunGame(env, 10);
    ASSERT_TRUE(run.ended) << "still running after " << run.seconds << " s\n" << run.err;
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_LT(run.seconds, 5.0);
    EXPECT_EQ(Count(run.err, Utf8(u8"DirectGraphicsの初期化に失敗")), 1) << run.err;
}

TEST(RealBinary, WithTheFontsHiddenTheStartFailsWithOneMessageNamingThePackage) {
    TempFolder folder;
    std::ofstream(folder.path() + "/fonts.conf")
        << "<?xml version=\"1.0\"?>\n<fontconfig>\n<dir>" << folder.path()
        << "/no-fonts</dir>\n<cachedir>" << folder.path() << "/cache</cachedir>\n</fontconfig>\n";
    auto env = Sandbox(folder);
    env["FONTCONFIG_FILE"] = folder.path() + "/fonts.conf";
    // The player asked for the driver that shows nothing: the game runs on it.
    env["SDL_VIDEODRIVER"] = "dummy";
    const Outcome run = RunGame(env, 10);
    ASSERT_TRUE(run.ended) << "still running after " << run.seconds << " s\n" << run.err;
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(Count(run.err, "fonts-ipafont-gothic"), 1) << run.err;
    EXPECT_EQ(Count(run.err, Utf8(u8"DirectGraphicsの初期化に失敗")), 0) << run.err;
}

}  // namespace
