#pragma once

#include "dictionary/dictionary_image.h"

#include <chrono>
#include <filesystem>
#include <functional>

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
};

// The files beside a dictionary. A symbolic link at `dictionary` is
// followed: they lie beside the file it points to.
std::filesystem::path LockPathFor(const std::filesystem::path& dictionary); // source.dat.lock
std::filesystem::path BackupPathFor(const std::filesystem::path& dictionary); // source.dat.bak

// Whether the dictionary (links followed) has other hard links, so that a
// change would be refused unless ChangeOptions::AllowHardLink is set: a
// window asks before it starts.
bool HasOtherHardLinks(const std::filesystem::path& dictionary);

// One change of the dictionary, all or nothing. Under the dictionary's
// lock: reads the file, lets `change` alter the image, and when `change`
// returns true saves it: the previous file is kept as source.dat.bak, then
// the new one replaces source.dat (written to a work file of this process,
// flushed, renamed, the folder flushed). A symbolic link is kept and the
// file it points to replaced; the owner and mode stay; anything but a plain
// file is refused. Leftover work files of writers that are gone are cleared.
// Throws DictionaryError (DictionaryLockTimeout, DictionaryHardLinked) and
// whatever `change` throws; then the dictionary is unchanged.
void ChangeDictionary(const std::filesystem::path& dictionary, const ChangeOptions& options,
                      const std::function<bool(DictionaryImage&)>& change);

enum class UndoStatus {
    Undone, // source.dat holds what source.dat.bak held; the replaced file is the new backup
    NoBackup, // there is no source.dat.bak; nothing changed
};

// Brings back the file before the last change, all or nothing and under the
// lock. The file it replaces becomes the backup, so a second undo redoes.
UndoStatus UndoLastChange(const std::filesystem::path& dictionary, const ChangeOptions& options = {});

} // namespace carbonym
