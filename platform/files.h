// Files on disk. Paths are UTF-8 native paths; the engine resolves the game's own names
// ("dat\\bg.bmp") into these before it calls here.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A backend's way to make the disk fail on purpose, so tests can reach the failure paths of
// code that writes files (running as root, a test cannot rely on file modes for that). Every
// call that changes the disk (creating, writing, flushing, renaming or removing a file, making a
// folder, syncing a folder) asks the installed one first, when there is one; a refused call
// changes nothing and fails.
class FileFaults {
public:
    virtual ~FileFaults() = default;
    // How many of the `bytes` about to be written may reach the file; fewer fails the write.
    virtual std::size_t AllowWrite(std::size_t bytes) = 0;
    virtual bool AllowFlush() = 0;
    virtual bool AllowRename() = 0;
    virtual bool AllowFolderSync() { return AllowFlush(); }
    // False: flushes and folder syncs that are allowed succeed without waiting for the disk,
    // which only a power cut could tell apart.
    virtual bool SyncsReachTheDisk() { return true; }
    // Creating a file or a folder.
    virtual bool AllowCreate() { return true; }
    virtual bool AllowRemove() { return true; }
    // The errno a refused call reports (see FirstFileError).
    virtual int RefusalError() { return EIO; }
};

class File {
public:
    enum class Mode { Read, Write };  // Write creates or truncates
    enum class Whence { Begin, Current, End };

    // Opens plain files only; a named pipe, device or folder gives null at once.
    static std::unique_ptr<File> Open(const std::string& path, Mode mode);
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Short counts mean end of file or an error.
    std::size_t Read(void* buffer, std::size_t bytes);
    std::size_t Write(const void* buffer, std::size_t bytes);
    bool Seek(std::int64_t offset, Whence whence);
    std::int64_t Tell() const;
    std::int64_t Size() const;
    // Waits until what was written is on the disk itself (fsync); false when it could not be.
    bool Flush();
    // Closes; false when anything written could not reach the disk.
    bool Close();

private:
    friend class AtomicFile;
    explicit File(int fd) : fd_(fd) {}
    int fd_ = -1;
    bool failed_ = false;
};

// Writes a file under a temporary name beside its target, and only a successful Commit (which
// flushes it to the disk first) puts it in the target's place, so a failed save never destroys
// the previous file.
class AtomicFile {
public:
    static std::unique_ptr<AtomicFile> Create(const std::string& target);
    ~AtomicFile();  // abandons the temporary file unless committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    std::size_t Write(const void* buffer, std::size_t bytes);
    bool Commit();
    void Abandon();

private:
    AtomicFile(std::unique_ptr<File> file, std::string temporary, std::string target);
    std::unique_ptr<File> file_;
    std::string temporary_, target_;
    bool failed_ = false;
};

// Why a file call failed: the errno of the first call on this thread that failed since the last
// ClearFileError, 0 when none did. A call refused by the installed FileFaults reports the error
// they chose; a file that is not a plain one, EISDIR for a folder and EINVAL for the rest; a file
// larger than a reader takes, EFBIG.
int FirstFileError();
void ClearFileError();

// False, with `out` untouched, for a file larger than max_bytes.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                   std::size_t max_bytes = SIZE_MAX);
bool WriteWholeFile(const std::string& path, const void* data, std::size_t bytes);
bool FileExists(const std::string& path);
bool IsDirectory(const std::string& path);
bool MakeDirectories(const std::string& path);
bool RemoveFile(const std::string& path);
// Replaces `to` with `from` in one step (both in one folder). The step is on the disk itself
// only once the folder is synced.
bool RenameFile(const std::string& from, const std::string& to);
// Waits until the folder's list of names (files created, renamed or removed in it) is on the
// disk itself; false when it could not be.
bool SyncFolder(const std::string& path);
// The names in a folder ("." and ".." left out), in no particular order; empty when it cannot
// be read.
std::vector<std::string> FolderEntries(const std::string& path);
// Seconds since the Unix epoch of the last modification.
std::optional<std::int64_t> ModificationTime(const std::string& path);
// The folder of the running executable.
std::string ExecutableFolder();

}  // namespace platform
