#pragma once

#include "dictionary/dictionary_image.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <vector>

namespace carbonym {

struct ChangeOptions {
    // Save over a dictionary with several hard links (splitting them);
    // otherwise such a save throws DictionaryHardLinked.
    bool AllowHardLink = false;
    // How long to wait for another writer to finish.
    std::chrono::milliseconds LockTimeout{30000};
    // Create an absent dictionary (the add commands do); otherwise an absent
    // dictionary is an error.
    bool CreateIfAbsent = true;
    // Undo restores a backup even when it is damaged where the dictionary is
    // not (cut short, undecodable bytes, Lengths that do not match), or
    // holds no record in place of a dictionary with records; otherwise that
    // throws DictionaryError (BackupDamaged, BackupEmpty).
    bool RestoreDamagedBackup = false;
};

// The files beside a dictionary. A symbolic link at `dictionary` is
// followed: they lie beside the file it points to.
std::filesystem::path LockPathFor(const std::filesystem::path& dictionary); // source.dat.lock
std::filesystem::path BackupPathFor(const std::filesystem::path& dictionary); // source.dat.bak

// Every file a change keeps beside the dictionary: its backup, the backup
// of a change in progress and the lock. Nothing else may write them.
std::vector<std::filesystem::path> FilesBeside(const std::filesystem::path& dictionary);

// Whether the dictionary (links followed) has other hard links, so that a
// change would be refused unless ChangeOptions::AllowHardLink is set: a
// window asks before it starts.
bool HasOtherHardLinks(const std::filesystem::path& dictionary);

// One change of the dictionary, all or nothing. Under the dictionary's
// lock: reads the file, lets `change` alter the image, and when `change`
// returns true and the bytes differ saves it: the previous file is kept as
// source.dat.bak, then the new one replaces source.dat (written to a work
// file of this process, flushed, renamed, the folder flushed); a change that
// alters no byte writes nothing. A writer killed at any moment leaves the
// dictionary and its backup as before the change or as after it, which the
// next change finishes. A symbolic link is kept and the
// file it points to replaced; the owner and mode stay; anything but a plain
// file is refused. Leftover work files of writers that are gone are cleared.
// Throws DictionaryError (DictionaryLockTimeout, DictionaryHardLinked) and
// whatever `change` throws; then the dictionary is unchanged.
void ChangeDictionary(const std::filesystem::path& dictionary, const ChangeOptions& options,
                      const std::function<bool(DictionaryImage&)>& change);

// Creates the dictionary empty, under the lock, when there is none: the
// window's first start, before its first translation. Throws DictionaryError.
void CreateDictionary(const std::filesystem::path& dictionary, const ChangeOptions& options = {});

enum class UndoStatus {
    Undone, // source.dat holds what source.dat.bak held; the replaced file is the new backup
    NoBackup, // there is no source.dat.bak; nothing changed
    NothingToUndo, // source.dat.bak holds what source.dat holds; nothing changed
};

// Brings back the file before the last change, all or nothing and under the
// lock, as safe against a kill as any change. The file it replaces becomes
// the backup, so a second undo redoes. A backup that would make the
// dictionary worse is refused (see ChangeOptions::RestoreDamagedBackup).
UndoStatus UndoLastChange(const std::filesystem::path& dictionary, const ChangeOptions& options = {});

} // namespace carbonym
