#include "dictionary/atomic_file.h"

#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"

#include <atomic>
#include <charconv>
#include <fstream>
#include <string>

namespace carbonym {

namespace {

constexpr std::string_view kWorkSuffix = ".tmp-";

std::filesystem::path FolderOf(const std::filesystem::path& file)
{
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// The writer's process id in a work file name "NAME.tmp-PID-N", or 0 when the
// name holds none (an older program's "NAME.tmp-RANDOM" reads as a process id
// that is most likely gone).
uint64_t WriterOf(std::string_view rest)
{
    uint64_t id = 0;
    const auto end = rest.data() + rest.size();
    const auto parsed = std::from_chars(rest.data(), end, id);
    if (parsed.ec != std::errc())
        return 0;
    return id;
}

} // namespace

std::string SaveFailurePrefix(const std::filesystem::path& name)
{
    return "无法保存词典文件“" + DisplayPath(name) + "”：";
}

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
        if (ProcessIsRunning(WriterOf(std::string_view(name).substr(prefix.size()))))
            continue;
        std::error_code ignored; // one that cannot go now can go on a later save
        std::filesystem::remove(entry->path(), ignored);
    }
}

void CheckReplaceable(const std::filesystem::path& target, const FileIdentity& identity)
{
    if (!identity.Exists)
        return;
    if (!identity.Regular)
        throw DictionaryError(SaveFailurePrefix(target) + NotPlainFileReason(identity));
    // A file that cannot be written in place is not replaced behind its back
    // either: a read-only dictionary stays as it is.
    if (!std::ofstream(target, std::ios::binary | std::ios::app))
        throw DictionaryError(SaveFailurePrefix(target) + "文件只读或被占用");
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
    } catch (const DictionaryError& error) {
        removeWork();
        throw DictionaryError(SaveFailurePrefix(name) + error.what());
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
