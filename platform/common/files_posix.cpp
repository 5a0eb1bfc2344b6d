#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <random>

#include "platform/files.h"
#include "platform/platform.h"

namespace platform {

namespace {

FileFaults* Faults() { return IsInstalled() ? Current().file_faults : nullptr; }

thread_local int first_error = 0;

// Keeps the first error only: what follows a failure (removing a temporary file, closing) may
// fail for the same cause, or because of it, and would hide it.
void Record(int error) {
    if (first_error == 0) first_error = error != 0 ? error : EIO;
}

// A call as the installed faults see it: false, with their error recorded, when refused.
bool Allowed(FileFaults* faults, bool (FileFaults::*allow)()) {
    if (!faults || (faults->*allow)()) return true;
    Record(faults->RefusalError());
    return false;
}

bool RenameAllowed() { return Allowed(Faults(), &FileFaults::AllowRename); }

bool CreateAllowed() { return Allowed(Faults(), &FileFaults::AllowCreate); }

// The call's own result, with errno recorded when it failed.
bool Succeeded(bool ok) {
    if (!ok) Record(errno);
    return ok;
}

bool Unlink(const std::string& path) {
    if (!Allowed(Faults(), &FileFaults::AllowRemove)) return false;
    return Succeeded(::unlink(path.c_str()) == 0);
}

}  // namespace

int FirstFileError() { return first_error; }

void ClearFileError() { first_error = 0; }

std::unique_ptr<File> File::Open(const std::string& path, Mode mode) {
    const int flags = mode == Mode::Read ? O_RDONLY : (O_WRONLY | O_CREAT | O_TRUNC);
    if (mode == Mode::Write && !CreateAllowed()) return nullptr;
    // A reader is not even opened on anything but a plain file: opening a named pipe, however
    // briefly, counts as its other end to whoever waits there.
    if (mode == Mode::Read) {
        struct stat before;
        if (::stat(path.c_str(), &before) != 0) {
            Record(errno);
            return nullptr;
        }
        if (!S_ISREG(before.st_mode)) {
            Record(S_ISDIR(before.st_mode) ? EISDIR : EINVAL);
            return nullptr;
        }
    }
    // Opening a named pipe waits for its other end, possibly for ever: opened without waiting,
    // anything but a plain file (one put in place since the look above too) is refused before a
    // byte is read or written.
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) {
        Record(errno);
        return nullptr;
    }
    struct stat st;
    const int status = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || status < 0 ||
        ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
        Record(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<File>(new File(fd));
}

File::~File() { Close(); }

std::size_t File::Read(void* buffer, std::size_t bytes) {
    if (fd_ < 0) return 0;
    std::size_t done = 0;
    auto* out = static_cast<unsigned char*>(buffer);
    while (done < bytes) {
        const ssize_t n = ::read(fd_, out + done, bytes - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Record(errno);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

std::size_t File::Write(const void* buffer, std::size_t bytes) {
    if (fd_ < 0) return 0;
    std::size_t allowed = bytes;
    if (FileFaults* faults = Faults()) allowed = std::min(bytes, faults->AllowWrite(bytes));
    std::size_t done = 0;
    const auto* in = static_cast<const unsigned char*>(buffer);
    while (done < bytes) {
        if (done == allowed) {
            Record(Faults()->RefusalError());
            failed_ = true;
            break;
        }
        const ssize_t n = ::write(fd_, in + done, allowed - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            Record(n < 0 ? errno : ENOSPC);
            failed_ = true;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

bool File::Seek(std::int64_t offset, Whence whence) {
    if (fd_ < 0) return false;
    const int w = whence == Whence::Begin     ? SEEK_SET
                  : whence == Whence::Current ? SEEK_CUR
                                              : SEEK_END;
    return ::lseek(fd_, static_cast<off_t>(offset), w) >= 0;
}

std::int64_t File::Tell() const {
    if (fd_ < 0) return -1;
    return ::lseek(fd_, 0, SEEK_CUR);
}

std::int64_t File::Size() const {
    struct stat st;
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) return -1;
    return st.st_size;
}

bool File::Flush() {
    if (fd_ < 0) return false;
    FileFaults* faults = Faults();
    if (!Allowed(faults, &FileFaults::AllowFlush)) {
        failed_ = true;
        return false;
    }
    if ((!faults || faults->SyncsReachTheDisk()) && !Succeeded(::fsync(fd_) == 0)) failed_ = true;
    return !failed_;
}

bool File::Close() {
    if (fd_ < 0) return !failed_;
    const bool ok = Succeeded(::close(fd_) == 0) && !failed_;
    fd_ = -1;
    failed_ = !ok;
    return ok;
}

AtomicFile::AtomicFile(std::unique_ptr<File> file, std::string temporary, std::string target)
    : file_(std::move(file)), temporary_(std::move(temporary)), target_(std::move(target)) {}

std::unique_ptr<AtomicFile> AtomicFile::Create(const std::string& target) {
    // The suffix only has to differ from a leftover's; opening the system's entropy for each
    // file cost more than writing a small one.
    thread_local std::mt19937 suffixes{std::random_device{}()};
    for (int attempt = 0; attempt < 8; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".tmp%08x", static_cast<unsigned>(suffixes()));
        std::string temporary = target + suffix;
        if (!CreateAllowed()) return nullptr;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            Record(errno);
            return nullptr;
        }
        auto file = std::unique_ptr<File>(new File(fd));
        return std::unique_ptr<AtomicFile>(
            new AtomicFile(std::move(file), std::move(temporary), target));
    }
    return nullptr;
}

AtomicFile::~AtomicFile() { Abandon(); }

std::size_t AtomicFile::Write(const void* buffer, std::size_t bytes) {
    if (!file_) return 0;
    const std::size_t n = file_->Write(buffer, bytes);
    if (n != bytes) failed_ = true;
    return n;
}

bool AtomicFile::Commit() {
    if (!file_) return false;
    // Flushed before the rename: otherwise a crash soon after could leave the target renamed
    // but empty.
    const bool flushed = !failed_ && file_->Flush();
    const bool closed = file_->Close();
    file_.reset();
    if (!flushed || !closed || failed_ || !RenameAllowed() ||
        !Succeeded(::rename(temporary_.c_str(), target_.c_str()) == 0)) {
        Unlink(temporary_);
        temporary_.clear();
        return false;
    }
    temporary_.clear();
    return true;
}

void AtomicFile::Abandon() {
    if (file_) {
        file_->Close();
        file_.reset();
    }
    if (!temporary_.empty()) {
        Unlink(temporary_);
        temporary_.clear();
    }
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::size_t max_bytes) {
    auto file = File::Open(path, File::Mode::Read);
    if (!file) return false;
    const std::int64_t size = file->Size();
    if (size < 0) return Succeeded(false);
    if (static_cast<std::uint64_t>(size) > max_bytes) {
        Record(EFBIG);
        return false;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (file->Read(bytes.data(), bytes.size()) != bytes.size()) {
        Record(EIO);  // the file shrank under the reader, when the read itself did not fail
        return false;
    }
    out = std::move(bytes);
    return true;
}

bool WriteWholeFile(const std::string& path, const void* data, std::size_t bytes) {
    auto file = AtomicFile::Create(path);
    if (!file) return false;
    if (file->Write(data, bytes) != bytes) return false;
    return file->Commit();
}

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsDirectory(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool MakeDirectories(const std::string& path) {
    if (path.empty()) return false;
    std::string partial;
    std::size_t pos = 0;
    while (pos != std::string::npos) {
        pos = path.find('/', pos + 1);
        partial = path.substr(0, pos);
        if (partial.empty() || IsDirectory(partial)) continue;
        if (!CreateAllowed()) return false;
        if (::mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST) return Succeeded(false);
    }
    return IsDirectory(path);
}

bool RemoveFile(const std::string& path) { return Unlink(path); }

bool RenameFile(const std::string& from, const std::string& to) {
    return RenameAllowed() && Succeeded(::rename(from.c_str(), to.c_str()) == 0);
}

bool SyncFolder(const std::string& path) {
    FileFaults* faults = Faults();
    if (!Allowed(faults, &FileFaults::AllowFolderSync)) return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return Succeeded(false);
    const bool synced = (faults && !faults->SyncsReachTheDisk()) || Succeeded(::fsync(fd) == 0);
    ::close(fd);
    return synced;
}

std::vector<std::string> FolderEntries(const std::string& path) {
    std::vector<std::string> names;
    DIR* folder = ::opendir(path.c_str());
    if (!folder) return names;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(folder);
    return names;
}

std::optional<std::int64_t> ModificationTime(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return static_cast<std::int64_t>(st.st_mtime);
}

std::string ExecutableFolder() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return ".";
    std::string path(buffer, static_cast<std::size_t>(n));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

}  // namespace platform
