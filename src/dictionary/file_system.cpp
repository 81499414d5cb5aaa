#include "dictionary/file_system.h"

#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#include <io.h>
#include <fcntl.h>
#include <sys/stat.h>
#else
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace carbonym {

namespace {

// The test of interrupted saves sets CARBONYM_KILL_AFTER_RENAME=N to have
// the program killed right after its Nth rename, so that every moment
// between two renames is tried, not only those a random kill happens to hit.
void KillPointAfterRename()
{
    static const long killAt = [] {
        const char* text = std::getenv("CARBONYM_KILL_AFTER_RENAME");
        return text ? std::strtol(text, nullptr, 10) : 0L;
    }();
    static long renames = 0;
    if (killAt <= 0 || ++renames != killAt)
        return;
#ifdef _WIN32
    TerminateProcess(GetCurrentProcess(), 128 + 9); // what a shell reports for SIGKILL
#else
    kill(getpid(), SIGKILL);
#endif
}

} // namespace

void RequirePlainFile(const std::filesystem::path& path, const FileIdentity& identity)
{
    if (!identity.Exists || identity.Regular)
        return;
    throw DictionaryError(identity.Directory ? DictionaryFault::Folder : DictionaryFault::NotPlainFile, path);
}

std::filesystem::path FollowLinks(const std::filesystem::path& path)
{
    std::filesystem::path current = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error)))
            return current;
        const auto target = std::filesystem::read_symlink(current, error);
        if (error)
            throw DictionaryError(DictionaryFault::LinkUnreadable, current);
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    throw DictionaryError(DictionaryFault::LinkLoop, path);
}

#ifdef _WIN32

FileIdentity InspectFile(const std::filesystem::path& path)
{
    FileIdentity identity;
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    identity.Exists = std::filesystem::exists(status);
    identity.Regular = std::filesystem::is_regular_file(status);
    identity.Directory = std::filesystem::is_directory(status);
    if (identity.Regular) {
        identity.LinkCount = std::filesystem::hard_link_count(path, error);
        if (error)
            identity.LinkCount = 1;
    }
    return identity;
}

void WriteNewFileDurably(const std::filesystem::path& path, std::string_view bytes, const FileIdentity&)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                    nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw DictionaryError(DictionaryFault::CannotCreateWorkFile, path);
    bool ok = true;
    size_t done = 0;
    while (ok && done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written == chunk;
        done += written;
    }
    ok = ok && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    if (!ok) {
        DeleteFileW(path.c_str());
        throw DictionaryError(DictionaryFault::DiskFull, path);
    }
}

void RenameOver(const std::filesystem::path& from, const std::filesystem::path& to)
{
    // Windows refuses to replace a file another program has open, and
    // readers (a translation) take no lock: they hold the file only while
    // they read it, so the save waits for them a little while.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    auto pause = std::chrono::milliseconds(1);
    while (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)
            || std::chrono::steady_clock::now() >= deadline)
            throw DictionaryError(DictionaryFault::CannotReplace, to);
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
    KillPointAfterRename();
}

void SyncDirectory(const std::filesystem::path&) { } // MOVEFILE_WRITE_THROUGH did it

uint64_t CurrentProcessId()
{
    return GetCurrentProcessId();
}

bool ProcessIsRunning(uint64_t id)
{
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

#else

FileIdentity InspectFile(const std::filesystem::path& path)
{
    FileIdentity identity;
    struct stat info { };
    if (stat(path.c_str(), &info) != 0)
        return identity;
    identity.Exists = true;
    identity.Regular = S_ISREG(info.st_mode);
    identity.Directory = S_ISDIR(info.st_mode);
    identity.LinkCount = info.st_nlink;
    identity.Owner = info.st_uid;
    identity.Group = info.st_gid;
    identity.Mode = info.st_mode & 07777;
    return identity;
}

void WriteNewFileDurably(const std::filesystem::path& path, std::string_view bytes, const FileIdentity& like)
{
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file < 0)
        throw DictionaryError(DictionaryFault::CannotCreateWorkFile, path);
    auto fail = [&](DictionaryFault fault, int64_t detail = 0) {
        close(file);
        unlink(path.c_str());
        throw DictionaryError(fault, path, detail);
    };
    if (like.Exists) {
        struct stat own { };
        fstat(file, &own);
        if ((own.st_uid != like.Owner || own.st_gid != like.Group) && fchown(file, like.Owner, like.Group) != 0)
            fail(DictionaryFault::CannotKeepOwner, like.Owner);
        if (fchmod(file, like.Mode) != 0)
            fail(DictionaryFault::CannotKeepMode);
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write(file, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            fail(DictionaryFault::DiskFull);
        done += static_cast<size_t>(written);
    }
    if (fsync(file) != 0)
        fail(DictionaryFault::DiskFull);
    if (close(file) != 0) {
        unlink(path.c_str());
        throw DictionaryError(DictionaryFault::DiskFull, path);
    }
}

void RenameOver(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (rename(from.c_str(), to.c_str()) != 0)
        throw DictionaryError(DictionaryFault::CannotReplace, to);
    KillPointAfterRename();
}

void SyncDirectory(const std::filesystem::path& directory)
{
    const auto folder = directory.empty() ? std::filesystem::path(".") : directory;
    const int file = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (file < 0)
        throw DictionaryError(DictionaryFault::CannotOpenFolder, folder);
    const bool synced = fsync(file) == 0 || errno == EINVAL; // some file systems cannot sync a folder
    close(file);
    if (!synced)
        throw DictionaryError(DictionaryFault::CannotSyncFolder, folder);
}

uint64_t CurrentProcessId()
{
    return static_cast<uint64_t>(getpid());
}

bool ProcessIsRunning(uint64_t id)
{
    if (id == 0 || id > static_cast<uint64_t>(INT32_MAX))
        return false;
    return kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

#endif

} // namespace carbonym
