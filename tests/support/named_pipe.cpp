#include "tests/support/named_pipe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testing_support {

NamedPipe::NamedPipe(std::string path) : path_(std::move(path)) {
    made_ = ::mkfifo(path_.c_str(), 0644) == 0;
    if (made_) watcher_ = std::thread([this] { Watch(); });
}

NamedPipe::~NamedPipe() {
    stop_ = true;
    if (watcher_.joinable()) watcher_.join();
}

void NamedPipe::Watch() {
    while (!stop_) {
        // Opening the writing end without waiting succeeds only while a reader is there, and
        // lets one that waits in its open go on (to an empty pipe).
        // The code under test may have put a plain file in the pipe's place meanwhile.
        const int writer = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (writer >= 0) {
            struct stat st;
            if (::fstat(writer, &st) == 0 && S_ISFIFO(st.st_mode)) ++readers_seen_;
            ::close(writer);
        }
        // A writer waiting for a reader goes on the same way.
        const int reader = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (reader >= 0) ::close(reader);
        ::usleep(2000);
    }
}

}  // namespace testing_support
