// A named pipe put where a file is expected. Code that opened it the ordinary way would wait
// for the other end for ever; a watcher thread notices whoever holds it open for reading (one
// still waiting inside its open counts) and opens the other end for a moment, so that such
// code fails the test instead of hanging it.
#pragma once

#include <atomic>
#include <string>
#include <thread>

namespace testing_support {

class NamedPipe {
public:
    explicit NamedPipe(std::string path);
    ~NamedPipe();
    NamedPipe(const NamedPipe&) = delete;
    NamedPipe& operator=(const NamedPipe&) = delete;

    bool made() const { return made_; }
    // How often the watcher found the pipe open for reading: 0 for code that refuses it.
    int readers_seen() const { return readers_seen_.load(); }

private:
    void Watch();

    std::string path_;
    bool made_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<int> readers_seen_{0};
    std::thread watcher_;
};

}  // namespace testing_support
