#pragma once

#include <chrono>
#include <filesystem>

namespace carbonym {

// An exclusive advisory lock on a lock file (flock on POSIX, LockFileEx on
// Windows), held while the object lives. Every writer of a dictionary takes
// it across read, change and rename, so that no writer works from a file
// another is about to replace. On POSIX the holder removes the lock file as
// it lets go, and a waiter checks that the file it locked is still the one
// at the path. Where the folder takes no new file (read-only, full) the
// lock is not taken: no save can succeed there anyway.
class FileLock {
public:
    // Waits up to `timeout` for the lock; throws DictionaryLockTimeout when
    // another holder keeps it longer, DictionaryError when the lock file
    // cannot be opened.
    FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds timeout);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Whether the lock is free at this moment (taken and released at once).
    static bool IsFree(const std::filesystem::path& lockFile);

private:
    std::filesystem::path path_;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int descriptor_ = -1;
#endif
};

} // namespace carbonym
