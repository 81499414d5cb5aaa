#pragma once

#include "dictionary/dictionary_problem.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <utility>

namespace carbonym {

// What went wrong with a dictionary or a file beside it. The words for the
// user belong to the program that shows them (the command line, the window).
enum class DictionaryFault {
    Missing, // the dictionary does not exist
    Folder, // the path is a folder
    NotPlainFile, // a device, pipe or socket
    CannotCreate,
    CannotOpen,
    CannotRead,
    RecordOutOfRange, // Detail: the record number
    CannotWrite,
    LinkUnreadable, // a symbolic link that cannot be read
    LinkLoop, // a chain of symbolic links that never ends
    LockUnavailable, // the lock file cannot be opened or locked
    LockNotPlainFile, // the lock file is a link, folder, device or pipe
    LockTimeout, // Detail: the seconds waited; another writer holds the lock
    HardLinked, // Detail: the link count; saving would split the links
    ReadOnly, // the file cannot be written in place
    CannotCreateWorkFile, // the folder takes no new file
    DiskFull,
    CannotKeepOwner, // Detail: the owner's user id
    CannotKeepMode,
    CannotReplace, // the rename over the file failed
    CannotOpenFolder,
    CannotSyncFolder,
    BackupNotPlainFile, // source.dat.bak is not a plain file
    BackupDamaged, // source.dat.bak is damaged where the dictionary is not: Problem
    BackupEmpty, // source.dat.bak holds no record while the dictionary does
    WorkFileUnwritable, // a batch's work file (temp1.txt, temp2.txt)
    WorkFileUnreadable,
};

// A dictionary file that cannot be opened, read or written: the fault, the
// file it concerns and, where it matters, a number (see DictionaryFault).
class DictionaryError : public std::runtime_error {
public:
    DictionaryError(DictionaryFault fault, std::filesystem::path path, int64_t detail = 0);

    DictionaryFault Fault() const { return fault_; }
    const std::filesystem::path& Path() const { return path_; }
    int64_t Detail() const { return detail_; }

    // For BackupDamaged: the first problem of the backup.
    const std::optional<DictionaryProblem>& Problem() const { return problem_; }
    DictionaryError& WithProblem(DictionaryProblem problem);

    // Set when the fault stopped a save: the dictionary as the user named it.
    const std::filesystem::path& Saving() const { return saving_; }
    DictionaryError& WhileSaving(std::filesystem::path dictionary);

private:
    DictionaryFault fault_;
    std::filesystem::path path_;
    int64_t detail_;
    std::optional<DictionaryProblem> problem_;
    std::filesystem::path saving_;
};

// Another writer held the dictionary's lock for longer than the caller
// would wait (LockTimeout). Nothing was changed.
class DictionaryLockTimeout : public DictionaryError {
public:
    DictionaryLockTimeout(std::filesystem::path lockFile, int64_t seconds)
        : DictionaryError(DictionaryFault::LockTimeout, std::move(lockFile), seconds)
    {
    }
};

// The dictionary has more than one hard link (HardLinked): saving would
// split them, so the change is made only when the caller asks for it
// (ChangeOptions::AllowHardLink). Nothing was changed.
class DictionaryHardLinked : public DictionaryError {
public:
    DictionaryHardLinked(std::filesystem::path dictionary, int64_t links)
        : DictionaryError(DictionaryFault::HardLinked, std::move(dictionary), links)
    {
    }
};

} // namespace carbonym
