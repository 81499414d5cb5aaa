#include "dictionary/file_lock.h"

#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"

#include <algorithm>
#include <string>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace carbonym {

namespace {

constexpr std::chrono::milliseconds kFirstPause{1};
constexpr std::chrono::milliseconds kLongestPause{50};

int64_t Seconds(std::chrono::milliseconds timeout)
{
    return (timeout.count() + 999) / 1000;
}

// Polling rather than a blocking call keeps the timeout portable; the pauses
// grow so that a long wait costs little.
class Wait {
public:
    explicit Wait(std::chrono::milliseconds timeout) : deadline_(std::chrono::steady_clock::now() + timeout) { }
    bool Over() const { return std::chrono::steady_clock::now() >= deadline_; }
    void Pause()
    {
        std::this_thread::sleep_for(pause_);
        pause_ = std::min(pause_ * 2, kLongestPause);
    }

private:
    std::chrono::steady_clock::time_point deadline_;
    std::chrono::milliseconds pause_ = kFirstPause;
};

} // namespace

#ifdef _WIN32

FileLock::FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds timeout) : path_(lockFile)
{
    // A reparse point (a link or junction someone planted at the lock's
    // name) is opened as itself, not followed, and refused below.
    const HANDLE file = CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // A folder that takes no new file takes no work file either: every
        // save there fails on its own, so nothing needs the lock.
        if (error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT || error == ERROR_DISK_FULL)
            return;
        throw DictionaryError(DictionaryFault::LockUnavailable, lockFile);
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &information)
        || (information.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        CloseHandle(file);
        throw DictionaryError(DictionaryFault::LockNotPlainFile, lockFile);
    }
    Wait wait(timeout);
    for (;;) {
        OVERLAPPED whole{};
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &whole))
            break;
        if (wait.Over()) {
            CloseHandle(file);
            throw DictionaryLockTimeout(lockFile, Seconds(timeout));
        }
        wait.Pause();
    }
    handle_ = file;
}

FileLock::~FileLock()
{
    // Closing the handle releases the lock. The lock file stays: Windows
    // cannot remove a file another waiter holds open.
    if (handle_)
        CloseHandle(static_cast<HANDLE>(handle_));
}

#else

FileLock::FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds timeout) : path_(lockFile)
{
    Wait wait(timeout);
    for (;;) {
        // A link planted at the lock's name is not followed (no file is
        // created where it points), and a pipe does not block the open.
        constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
        int file = open(lockFile.c_str(), O_RDWR | O_CREAT | kFlags, 0666);
        if (file < 0 && errno == EACCES)
            file = open(lockFile.c_str(), O_RDONLY | kFlags); // flock needs no write access
        if (file < 0 && (errno == ELOOP || errno == EISDIR || errno == ENXIO))
            throw DictionaryError(DictionaryFault::LockNotPlainFile, lockFile);
        struct stat opened { };
        if (file >= 0 && (fstat(file, &opened) != 0 || !S_ISREG(opened.st_mode))) {
            close(file);
            throw DictionaryError(DictionaryFault::LockNotPlainFile, lockFile);
        }
        if (file < 0) {
            // A folder that takes no new file takes no work file either:
            // every save there fails on its own, so nothing needs the lock.
            if (errno == EACCES || errno == EROFS || errno == EPERM || errno == ENOSPC || errno == EDQUOT)
                return;
            throw DictionaryError(DictionaryFault::LockUnavailable, lockFile);
        }
        while (flock(file, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EINTR && errno != EWOULDBLOCK) {
                close(file);
                throw DictionaryError(DictionaryFault::LockUnavailable, lockFile);
            }
            if (wait.Over()) {
                close(file);
                throw DictionaryLockTimeout(lockFile, Seconds(timeout));
            }
            wait.Pause();
        }
        // The holder before removes the lock file as it lets go; a lock on a
        // removed file locks nothing, so take the one now at the path.
        struct stat locked { };
        struct stat current { };
        if (fstat(file, &locked) == 0 && lstat(lockFile.c_str(), &current) == 0 && locked.st_dev == current.st_dev
            && locked.st_ino == current.st_ino) {
            descriptor_ = file;
            return;
        }
        close(file);
    }
}

FileLock::~FileLock()
{
    if (descriptor_ < 0)
        return;
    // Removed while still held, so that a waiter that then gets the lock on
    // the removed file sees it is gone and takes the next one: no lock file
    // stays behind.
    unlink(path_.c_str());
    close(descriptor_);
}

#endif

bool FileLock::IsFree(const std::filesystem::path& lockFile)
{
    try {
        FileLock probe(lockFile, std::chrono::milliseconds(0));
        return true;
    } catch (const DictionaryLockTimeout&) {
        return false;
    }
}

} // namespace carbonym
