#include "dictionary/atomic_file.h"

#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <fstream>
#include <optional>
#include <string>

namespace carbonym {

namespace {

constexpr std::string_view kWorkSuffix = ".tmp-";

std::filesystem::path FolderOf(const std::filesystem::path& file)
{
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// The writer's process id in a work file name "NAME.tmp-PID-N" (`rest` is
// "PID-N"), or nothing when the name is not of that exact form: a file the
// user or another program put there is not ours to remove.
std::optional<uint64_t> WriterOf(std::string_view rest)
{
    const auto dash = rest.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == rest.size())
        return std::nullopt;
    const auto digits = [](std::string_view text) {
        return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(rest.substr(0, dash)) || !digits(rest.substr(dash + 1)) || rest.size() > 41)
        return std::nullopt;
    uint64_t id = 0;
    const auto parsed = std::from_chars(rest.data(), rest.data() + dash, id);
    if (parsed.ec != std::errc() || id == 0)
        return std::nullopt;
    return id;
}

} // namespace

std::filesystem::path WorkFilePathFor(const std::filesystem::path& target)
{
    static std::atomic<uint64_t> counter{0};
    auto name = target.filename();
    name += std::string(kWorkSuffix) + std::to_string(CurrentProcessId()) + "-" + std::to_string(++counter);
    return FolderOf(target) / name;
}

void ClearStaleWorkFiles(const std::filesystem::path& target)
{
    const std::string prefix = target.filename().string() + std::string(kWorkSuffix);
    std::error_code error;
    std::filesystem::directory_iterator entry(FolderOf(target), error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const auto writer = WriterOf(std::string_view(name).substr(prefix.size()));
        if (!writer || ProcessIsRunning(*writer))
            continue;
        std::error_code notFile;
        if (!entry->is_regular_file(notFile))
            continue;
        std::error_code ignored; // one that cannot go now can go on a later save
        std::filesystem::remove(entry->path(), ignored);
    }
}

void CheckReplaceable(const std::filesystem::path& target, const FileIdentity& identity)
{
    if (!identity.Exists)
        return;
    RequirePlainFile(target, identity);
    // A file that cannot be written in place is not replaced behind its back
    // either: a read-only dictionary stays as it is.
    if (!std::ofstream(target, std::ios::binary | std::ios::app))
        throw DictionaryError(DictionaryFault::ReadOnly, target);
}

void ReplaceFilesInOrder(const std::vector<std::pair<std::filesystem::path, std::string_view>>& files,
                         const FileIdentity& like, const std::filesystem::path& target,
                         const std::filesystem::path& name)
{
    std::vector<std::filesystem::path> work;
    auto removeWork = [&] {
        std::error_code ignored;
        for (const auto& file : work)
            std::filesystem::remove(file, ignored);
    };
    try {
        for (const auto& file : files) {
            work.push_back(WorkFilePathFor(target));
            WriteNewFileDurably(work.back(), file.second, like);
        }
        for (size_t i = 0; i < files.size(); ++i) {
            RenameOver(work[i], files[i].first);
            work[i].clear();
            SyncDirectory(FolderOf(files[i].first));
        }
    } catch (DictionaryError& error) {
        removeWork();
        error.WhileSaving(name);
        throw;
    }
}

void ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    const auto target = FollowLinks(path);
    const auto identity = InspectFile(target);
    CheckReplaceable(target, identity);
    ClearStaleWorkFiles(target);
    ReplaceFilesInOrder({{target, bytes}}, identity, target, path);
}

} // namespace carbonym
