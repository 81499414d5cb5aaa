#include "dictionary/dictionary_change.h"

#include "dictionary/atomic_file.h"
#include "dictionary/dictionary_check.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"
#include "dictionary/file_lock.h"
#include "dictionary/file_system.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace carbonym {

namespace {

std::filesystem::path Beside(const std::filesystem::path& dictionary, const char* suffix)
{
    auto path = FollowLinks(dictionary);
    path += suffix;
    return path;
}

std::string ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw DictionaryError(DictionaryFault::CannotRead, path);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (in.bad())
        throw DictionaryError(DictionaryFault::CannotRead, path);
    return bytes;
}

// The checks every locked change makes before it writes.
void CheckSaveAllowed(const std::filesystem::path& dictionary, const std::filesystem::path& target,
                      const FileIdentity& identity, const ChangeOptions& options)
{
    CheckReplaceable(target, identity);
    if (identity.Exists && identity.LinkCount > 1 && !options.AllowHardLink)
        throw DictionaryHardLinked(dictionary, static_cast<int64_t>(identity.LinkCount));
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
    RequirePlainFile(dictionary, locked.Identity);
    if (!locked.Identity.Exists && !createIfAbsent)
        throw DictionaryError(DictionaryFault::Missing, dictionary);
    return locked;
}

// A change replaces two files, the backup and the dictionary, and no rename
// does both at once. So the backup to be is first put beside them under a
// name of its own, then the dictionary is replaced, then that file becomes
// the backup. A writer killed in between leaves the pending backup; the next
// change finishes the job when the dictionary was replaced (it differs from
// the pending backup, since every change alters it), or forgets it when the
// dictionary is still the one the pending backup holds. So undo always finds
// the backup of the last change that took place.
std::filesystem::path PendingBackupPathFor(const std::filesystem::path& dictionary)
{
    return Beside(dictionary, ".bak-new");
}

void SaveWithBackup(const std::filesystem::path& dictionary, const LockedDictionary& locked, std::string_view backup,
                    std::string_view replacement)
{
    const auto pending = PendingBackupPathFor(dictionary);
    ReplaceFilesInOrder({{pending, backup}, {locked.Target, replacement}}, locked.Identity, locked.Target, dictionary);
    try {
        RenameOver(pending, BackupPathFor(dictionary));
        SyncDirectory(pending.parent_path());
    } catch (DictionaryError& error) {
        error.WhileSaving(dictionary);
        throw;
    }
}

void FinishInterruptedSave(const std::filesystem::path& dictionary, const LockedDictionary& locked)
{
    const auto pending = PendingBackupPathFor(dictionary);
    const auto identity = InspectFile(pending);
    if (!identity.Exists || !identity.Regular || !locked.Identity.Exists)
        return;
    if (ReadWholeFile(pending) == ReadWholeFile(locked.Target)) {
        std::error_code ignored; // the change never took place
        std::filesystem::remove(pending, ignored);
        return;
    }
    RenameOver(pending, BackupPathFor(dictionary));
    SyncDirectory(pending.parent_path());
}

// Refuses a backup that would make the dictionary worse: one that is not a
// sound file of records where the dictionary is (cut short, bytes that do
// not decode, Lengths that do not match their terms: what garbage or a
// damaged disk gives), or one with no record at all in place of a
// dictionary with records. What an earlier state may rightly have held (a
// repeated term, records out of order) does not stand in the way.
void CheckBackup(const std::filesystem::path& backup, const std::string& previous, const std::string& current)
{
    const auto problemsOf = [](const std::string& bytes) {
        DictionaryImage image(DictionaryImage::FileBytes{bytes});
        std::vector<TermRecord> records;
        records.reserve(static_cast<size_t>(image.RecordCount()));
        for (int64_t n = 1; n <= image.RecordCount(); ++n)
            records.push_back(image.Record(n));
        return CheckRecords(records, bytes.size());
    };
    if (previous.size() < kRecordSize && current.size() >= kRecordSize)
        throw DictionaryError(DictionaryFault::BackupEmpty, backup);
    const auto damage = [](ProblemKind kind) {
        return kind == ProblemKind::TrailingBytes || kind == ProblemKind::Undecodable
               || kind == ProblemKind::LengthMismatch;
    };
    std::set<ProblemKind> known;
    for (const auto& problem : problemsOf(current))
        known.insert(problem.Kind);
    for (const auto& problem : problemsOf(previous)) {
        if (damage(problem.Kind) && !known.count(problem.Kind))
            throw DictionaryError(DictionaryFault::BackupDamaged, backup).WithProblem(problem);
    }
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

std::vector<std::filesystem::path> FilesBeside(const std::filesystem::path& dictionary)
{
    return {BackupPathFor(dictionary), PendingBackupPathFor(dictionary), LockPathFor(dictionary)};
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
    const LockedDictionary locked = Inspect(dictionary, options.CreateIfAbsent);
    FinishInterruptedSave(dictionary, locked);
    const std::string before = locked.Identity.Exists ? ReadWholeFile(locked.Target) : std::string();
    DictionaryImage image(DictionaryImage::FileBytes{before});
    const bool changed = change(image);
    if (!changed && locked.Identity.Exists)
        return;
    const std::string after = changed ? image.Bytes() : std::string();
    // A change that leaves every byte as it was writes nothing and keeps the
    // backup, so that undo still goes back to the change before.
    if (locked.Identity.Exists && after == before)
        return;
    CheckSaveAllowed(dictionary, locked.Target, locked.Identity, options);
    ClearStaleWorkFiles(locked.Target);
    if (!changed) {
        // An absent dictionary is created empty, as opening it would.
        ReplaceFilesInOrder({{locked.Target, std::string_view()}}, locked.Identity, locked.Target, dictionary);
        return;
    }
    SaveWithBackup(dictionary, locked, before, after);
}

void CreateDictionary(const std::filesystem::path& dictionary, const ChangeOptions& options)
{
    if (InspectFile(FollowLinks(dictionary)).Exists)
        return;
    ChangeDictionary(dictionary, options, [](DictionaryImage&) { return false; });
}

UndoStatus UndoLastChange(const std::filesystem::path& dictionary, const ChangeOptions& options)
{
    const FileLock lock(LockPathFor(dictionary), options.LockTimeout);
    const LockedDictionary locked = Inspect(dictionary, false);
    FinishInterruptedSave(dictionary, locked);
    const auto backup = BackupPathFor(dictionary);
    const auto backupIdentity = InspectFile(backup);
    if (!backupIdentity.Exists)
        return UndoStatus::NoBackup;
    if (!backupIdentity.Regular)
        throw DictionaryError(DictionaryFault::BackupNotPlainFile, backup);
    const std::string previous = ReadWholeFile(backup);
    const std::string current = ReadWholeFile(locked.Target);
    if (previous == current)
        return UndoStatus::NothingToUndo;
    if (!options.RestoreDamagedBackup)
        CheckBackup(backup, previous, current);
    CheckSaveAllowed(dictionary, locked.Target, locked.Identity, options);
    ClearStaleWorkFiles(locked.Target);
    // The file it replaces becomes the backup, so that a second undo redoes.
    SaveWithBackup(dictionary, locked, current, previous);
    return UndoStatus::Undone;
}

} // namespace carbonym
