#include "dictionary/dictionary_change.h"

#include "dictionary/atomic_file.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"
#include "dictionary/file_lock.h"
#include "dictionary/file_system.h"

#include <fstream>
#include <iterator>
#include <string>

namespace carbonym {

namespace {

std::filesystem::path Beside(const std::filesystem::path& dictionary, const char* suffix)
{
    auto path = FollowLinks(dictionary);
    path += suffix;
    return path;
}

std::string ReadWholeFile(const std::filesystem::path& path, const std::filesystem::path& name)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw DictionaryError("无法读取词典文件“" + DisplayPath(name) + "”");
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (in.bad())
        throw DictionaryError("读取词典文件“" + DisplayPath(name) + "”失败");
    return bytes;
}

// The checks every locked change makes before it writes.
void CheckSaveAllowed(const std::filesystem::path& dictionary, const std::filesystem::path& target,
                      const FileIdentity& identity, const ChangeOptions& options)
{
    CheckReplaceable(target, identity);
    if (identity.Exists && identity.LinkCount > 1 && !options.AllowHardLink)
        throw DictionaryHardLinked("词典文件“" + DisplayPath(dictionary) + "”有 "
                                   + std::to_string(identity.LinkCount)
                                   + " 个硬链接：保存后它将与其他链接分开，其他链接仍是旧的内容。词典没有任何改动");
}

// The dictionary's file and what it is, read under the lock.
struct LockedDictionary {
    std::filesystem::path Target;
    FileIdentity Identity;
};

LockedDictionary Inspect(const std::filesystem::path& dictionary, bool createIfAbsent)
{
    LockedDictionary locked{FollowLinks(dictionary), {}};
    locked.Identity = InspectFile(locked.Target);
    if (const auto reason = NotPlainFileReason(locked.Identity); !reason.empty())
        throw DictionaryError("无法打开词典文件“" + DisplayPath(dictionary) + "”：" + reason);
    if (!locked.Identity.Exists && !createIfAbsent)
        throw DictionaryError("词典文件“" + DisplayPath(dictionary) + "”不存在");
    return locked;
}

} // namespace

std::filesystem::path LockPathFor(const std::filesystem::path& dictionary)
{
    return Beside(dictionary, ".lock");
}

std::filesystem::path BackupPathFor(const std::filesystem::path& dictionary)
{
    return Beside(dictionary, ".bak");
}

bool HasOtherHardLinks(const std::filesystem::path& dictionary)
{
    const auto identity = InspectFile(FollowLinks(dictionary));
    return identity.Regular && identity.LinkCount > 1;
}

void ChangeDictionary(const std::filesystem::path& dictionary, const ChangeOptions& options,
                      const std::function<bool(DictionaryImage&)>& change)
{
    const FileLock lock(LockPathFor(dictionary), options.LockTimeout);
    const auto [target, identity] = Inspect(dictionary, options.CreateIfAbsent);
    const std::string before = identity.Exists ? ReadWholeFile(target, dictionary) : std::string();
    DictionaryImage image(DictionaryImage::FileBytes{before});
    const bool changed = change(image);
    if (!changed && identity.Exists)
        return;
    CheckSaveAllowed(dictionary, target, identity, options);
    ClearStaleWorkFiles(target);
    if (!changed) {
        // An absent dictionary is created empty, as opening it would.
        ReplaceFilesInOrder({{target, std::string_view()}}, identity, target, dictionary);
        return;
    }
    const std::string after = image.Bytes();
    ReplaceFilesInOrder({{BackupPathFor(dictionary), before}, {target, after}}, identity, target, dictionary);
}

UndoStatus UndoLastChange(const std::filesystem::path& dictionary, const ChangeOptions& options)
{
    const FileLock lock(LockPathFor(dictionary), options.LockTimeout);
    const auto [target, identity] = Inspect(dictionary, false);
    const auto backup = BackupPathFor(dictionary);
    const auto backupIdentity = InspectFile(backup);
    if (!backupIdentity.Exists)
        return UndoStatus::NoBackup;
    if (!backupIdentity.Regular)
        throw DictionaryError("备份文件“" + DisplayPath(backup) + "”不是普通文件，不能用来撤销");
    const std::string previous = ReadWholeFile(backup, backup);
    const std::string current = ReadWholeFile(target, dictionary);
    CheckSaveAllowed(dictionary, target, identity, options);
    ClearStaleWorkFiles(target);
    // The dictionary first: a cut between the two renames leaves the undo
    // done and only the way back to the undone state lost.
    ReplaceFilesInOrder({{target, previous}, {backup, current}}, identity, target, dictionary);
    return UndoStatus::Undone;
}

} // namespace carbonym
