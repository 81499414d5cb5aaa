#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace carbonym {

// The few file-system facts and calls a durable save needs, behind one small
// portable layer. Failures throw DictionaryError naming the file concerned.

struct FileIdentity {
    bool Exists = false;
    bool Regular = false; // a plain file, not a device, pipe, socket or folder
    bool Directory = false;
    uint64_t LinkCount = 0; // hard links; above 1 a replacing save splits them
    uint32_t Owner = 0; // POSIX only
    uint32_t Group = 0; // POSIX only
    uint32_t Mode = 0; // POSIX permission bits
};

// What is at `path`, following symbolic links.
FileIdentity InspectFile(const std::filesystem::path& path);

// Throws DictionaryError (Folder, NotPlainFile) for `path` when what
// `identity` describes exists and is not a plain file.
void RequirePlainFile(const std::filesystem::path& path, const FileIdentity& identity);

// The file a chain of symbolic links at `path` ends in (relative links taken
// from the folder of the link); `path` itself when it is not a link. A
// dangling link gives the path the link points to. Throws on a loop.
std::filesystem::path FollowLinks(const std::filesystem::path& path);

// Creates `path` (which must not exist), writes `bytes`, gives it the owner,
// group and mode of `like` when that exists (throws when it cannot), flushes
// it to disk and closes it. On failure the file is removed.
void WriteNewFileDurably(const std::filesystem::path& path, std::string_view bytes, const FileIdentity& like);

// Renames over `to` in one step; throws on failure.
void RenameOver(const std::filesystem::path& from, const std::filesystem::path& to);

// Flushes the folder's entries to disk, so that a rename survives a power
// cut. Does nothing where the system has no such call.
void SyncDirectory(const std::filesystem::path& directory);

uint64_t CurrentProcessId();

// Whether a process with this id runs (false only when surely gone).
bool ProcessIsRunning(uint64_t id);

} // namespace carbonym
