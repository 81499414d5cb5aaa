// Changes of the dictionary as a whole: the batch merge against the inserts
// one by one, the edits with their backup and undo, and what a save keeps of
// the file it replaces (link, owner, mode) or refuses to replace.

#include "dictionary/add_terms.h"
#include "dictionary/dictionary_change.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_image.h"
#include "dictionary/file_lock.h"
#include "dictionary/gbk_codec.h"
#include "dictionary/record_edits.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace carbonym {
namespace {

using test::U;
using Strings = std::vector<std::string>;
using Pairs = std::vector<std::pair<std::u16string, std::u16string>>;

// A text from a small alphabet, so that repeats and case twins are common;
// now and then one past the 64-byte field.
std::u16string RandomTerm(std::mt19937& random)
{
    static constexpr char16_t kLetters[] = u"abA ";
    const size_t size = random() % 12 == 0 ? 60 + random() % 10 : random() % 6;
    std::u16string text;
    for (size_t i = 0; i < size; ++i)
        text += kLetters[random() % 4];
    return text;
}

// Records written as a file would hold them: in longest-first order (mostly),
// with Length fields that now and then disagree with their text.
std::string RandomFile(std::mt19937& random, bool ordered)
{
    GbkCodec codec;
    std::vector<TermRecord> records(random() % 40);
    for (auto& record : records) {
        record = MakeRecord(RandomTerm(random), u"甲");
        if (random() % 8 == 0)
            record.Length = static_cast<int16_t>(static_cast<int>(random() % 9) - 2);
    }
    if (ordered)
        std::stable_sort(records.begin(), records.end(),
                         [](const auto& a, const auto& b) { return a.Length > b.Length; });
    std::string bytes;
    for (const auto& record : records) {
        const auto encoded = EncodeRecord(record, codec);
        bytes.append(encoded.data(), encoded.size());
    }
    return bytes;
}

TEST(InsertAll, GivesWhatInsertingOneByOneGives)
{
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
        const std::string file = RandomFile(random, round % 2 == 0);
        Pairs pairs;
        for (auto count = random() % 30; count > 0; --count)
            pairs.emplace_back(RandomTerm(random) + u"a", u"乙"); // a blank term is refused before any insert
        DictionaryImage oneByOne(DictionaryImage::FileBytes{file});
        std::vector<InsertResult> expected;
        for (const auto& [english, chinese] : pairs)
            expected.push_back(oneByOne.Insert(english, chinese));
        DictionaryImage merged(DictionaryImage::FileBytes{file});
        ASSERT_EQ(merged.InsertAll(pairs), expected) << "round " << round;
        ASSERT_EQ(merged.Bytes(), oneByOne.Bytes()) << "round " << round;
    }
}

TEST(InsertAll, RefusesTheWholeBatchForOneUnstorablePair)
{
    DictionaryImage image;
    image.Append(u"methyl", u"甲基");
    const std::string before = image.Bytes();
    EXPECT_THROW(image.InsertAll({{u"ethyl", u"乙基"}, {u"smile", U("😀")}}), GbkError);
    EXPECT_EQ(image.Bytes(), before);
}

class RecordEditsTest : public ::testing::Test {
protected:
    std::filesystem::path path() const { return dir / "source.dat"; }
    test::TempDir dir;
};

TEST_F(RecordEditsTest, FindSetRemoveAndUndo)
{
    const std::string longTerm(70, 'x');
    test::WriteDictionaryFile(path(), {{longTerm, "长"}, {"Methyl", "甲基"}, {"ethyl", "乙基"}, {"ethyl", "重复"}});
    const std::string original = test::ReadBytes(path());

    // English letter case aside, Chinese as it stands.
    auto found = FindRecords(path(), u"ETHYL");
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].Number, 2);
    EXPECT_EQ(FindRecords(path(), U("乙")).size(), 1u);
    EXPECT_EQ(FindRecords(path(), u"").size(), 4u);
    EXPECT_TRUE(FindRecords(path(), u"propyl").empty());

    // The Chinese changes; Length and the cut English stay byte for byte.
    auto outcome = SetChinese(path(), U(" " + longTerm + " "), U("新的\n第二行"));
    EXPECT_EQ(outcome.Status, EditStatus::Done);
    const std::string changed = test::ReadBytes(path());
    EXPECT_EQ(changed.substr(0, 66), original.substr(0, 66));
    EXPECT_EQ(changed.substr(111), original.substr(111));
    EXPECT_EQ(Trim(ReadDictionary(path())[0].Chinese), U("新的"));
    EXPECT_EQ(test::ReadBytes(BackupPathFor(path())), original);

    // Every record of the term goes; a miss changes nothing, not even the backup.
    outcome = RemoveRecord(path(), u"ethyl");
    EXPECT_EQ(outcome.Status, EditStatus::Done);
    EXPECT_EQ(outcome.Records, 2);
    EXPECT_EQ(test::Entries(path()), (Strings{"70:" + std::string(64, 'x'), "6:Methyl"}));
    const std::string removed = test::ReadBytes(path());
    EXPECT_EQ(RemoveRecord(path(), u"methyl").Status, EditStatus::NotFound);
    EXPECT_EQ(SetChinese(path(), u"propyl", u"丙基").Status, EditStatus::NotFound);
    EXPECT_EQ(SetChinese(path(), u"Methyl", u"").Status, EditStatus::NoChinese);
    EXPECT_EQ(test::ReadBytes(path()), removed);
    EXPECT_EQ(test::ReadBytes(BackupPathFor(path())), changed);

    // Undo brings the file before the last change back; a second undo redoes.
    EXPECT_EQ(UndoLastChange(path()), UndoStatus::Undone);
    EXPECT_EQ(test::ReadBytes(path()), changed);
    EXPECT_EQ(UndoLastChange(path()), UndoStatus::Undone);
    EXPECT_EQ(test::ReadBytes(path()), removed);

    // Changes by record number refuse a record that is no longer there, or
    // whose Chinese another program changed since it was listed.
    EXPECT_EQ(SetChineseAt(path(), {2, u"ethyl", U("乙基")}, u"x").Status, EditStatus::Stale);
    EXPECT_EQ(RemoveRecordsAt(path(), {{2, u"Methyl", U("甲基")}, {3, u"ethyl", U("乙基")}}).Status, EditStatus::Stale);
    EXPECT_EQ(test::ReadBytes(path()), removed);
    EXPECT_EQ(SetChineseAt(path(), {2, u" Methyl", U("甲基")}, U("甲基团")).Status, EditStatus::Done);
    EXPECT_EQ(SetChineseAt(path(), {2, u"Methyl", U("甲基")}, U("别的")).Status, EditStatus::Stale);
    EXPECT_EQ(RemoveRecordsAt(path(), {{2, u"Methyl", U("甲基")}}).Status, EditStatus::Stale);
    EXPECT_EQ(SetChinese(path(), u"Methyl", U("别的"), {}, U("甲基")).Status, EditStatus::Stale);
    EXPECT_EQ(RemoveRecord(path(), u"Methyl", {}, U("甲基")).Status, EditStatus::Stale);
    const std::string backup = test::ReadBytes(BackupPathFor(path()));
    EXPECT_EQ(SetChinese(path(), u"Methyl", U("甲基团"), {}, U("甲基团")).Status, EditStatus::Unchanged);
    EXPECT_EQ(test::ReadBytes(BackupPathFor(path())), backup); // the undo point stays
    EXPECT_EQ(RemoveRecordsAt(
                  path(),
                  {{2, u"Methyl", U("甲基团")}, {1, U(longTerm.substr(0, 64)), U("新的")}, {2, u"Methyl", U("甲基团")}})
                  .Records,
              2);
    EXPECT_EQ(test::ReadBytes(path()), "");

    // Nothing to undo, nothing to edit: no file is made.
    std::filesystem::remove(BackupPathFor(path()));
    EXPECT_EQ(UndoLastChange(path()), UndoStatus::NoBackup);
    const auto absent = dir / "absent.dat";
    EXPECT_THROW(SetChinese(absent, u"x", u"y"), DictionaryError);
    EXPECT_THROW(RemoveRecord(absent, u"x"), DictionaryError);
    EXPECT_THROW(UndoLastChange(absent), DictionaryError);
    EXPECT_THROW(FindRecords(absent, u"x"), DictionaryError);
    EXPECT_FALSE(std::filesystem::exists(absent));
}

#ifndef _WIN32

TEST_F(RecordEditsTest, SavesKeepTheLinkOwnerAndModeAndRefuseOtherFiles)
{
    // A symbolic link stays a link; the file it points to changes, and the
    // backup lies beside that file.
    std::filesystem::create_directory(dir / "real");
    test::WriteDictionaryFile(dir / "real" / "source.dat", {{"methyl", "甲基"}});
    std::filesystem::create_symlink("real/source.dat", path());
    EXPECT_EQ(AddTerm(path(), u"ethyl", U("乙基")).Status, AddStatus::Inserted);
    EXPECT_TRUE(std::filesystem::is_symlink(path()));
    EXPECT_EQ(test::Entries(dir / "real" / "source.dat"), (Strings{"6:methyl", "5:ethyl"}));
    auto names = [](const std::filesystem::path& folder) {
        Strings all;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            all.push_back(entry.path().filename().string());
        std::sort(all.begin(), all.end());
        return all;
    };
    EXPECT_EQ(names(dir / "real"), (Strings{"source.dat", "source.dat.bak"}));

    // A hard link is reported, and split only when asked.
    std::filesystem::create_hard_link(dir / "real" / "source.dat", dir / "second.dat");
    const std::string linked = test::ReadBytes(path());
    EXPECT_THROW(AddTerm(path(), u"propyl", U("丙基")), DictionaryHardLinked);
    EXPECT_THROW(RemoveRecord(dir / "second.dat", u"ethyl"), DictionaryHardLinked);
    EXPECT_EQ(test::ReadBytes(path()), linked);
    EXPECT_EQ(AddTerm(path(), u"propyl", U("丙基"), {.AllowHardLink = true}).Status, AddStatus::Inserted);
    EXPECT_EQ(test::ReadBytes(dir / "second.dat"), linked);
    EXPECT_EQ(std::filesystem::hard_link_count(dir / "real" / "source.dat"), 1u);

    // Owner and mode stay, on the dictionary and on its backup (root gives
    // the file away first; others check the mode alone).
    const auto real = dir / "real" / "source.dat";
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(real.c_str(), 65534, 65534), 0);
    }
    EXPECT_EQ(RemoveRecord(path(), u"propyl").Status, EditStatus::Done);
    for (const auto& file : {real, BackupPathFor(path())}) {
        struct stat info { };
        ASSERT_EQ(stat(file.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0640u) << file;
        if (root) {
            EXPECT_EQ(info.st_uid, 65534u) << file;
        }
    }

    // A pipe (like a device) is never replaced, nor read by a change.
    const auto pipe = dir / "pipe.dat";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    EXPECT_THROW(AddTerm(pipe, u"ethyl", u"x"), DictionaryError);
    EXPECT_THROW(AddBatch(pipe, {u"ethyl"}, {u"x"}), DictionaryError);
    EXPECT_THROW(ReadExistingDictionary(pipe), DictionaryError);
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}

// The id of a process that has ended.
uint64_t EndedProcess()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return static_cast<uint64_t>(child);
}

TEST_F(RecordEditsTest, WaitsForTheLockAndClearsOnlyLeftoversOfEndedWriters)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(path());
    {
        const FileLock held(LockPathFor(path()), std::chrono::milliseconds(0));
        EXPECT_FALSE(FileLock::IsFree(LockPathFor(path())));
        EXPECT_THROW(AddTerm(path(), u"ethyl", u"x", {.LockTimeout = std::chrono::milliseconds(100)}),
                     DictionaryLockTimeout);
        EXPECT_EQ(test::ReadBytes(path()), before);
    }
    // A writer that waits goes on once the holder lets go.
    auto held = std::make_unique<FileLock>(LockPathFor(path()), std::chrono::milliseconds(0));
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        held.reset();
    });
    EXPECT_EQ(AddTerm(path(), u"ethyl", U("乙基")).Status, AddStatus::Inserted);
    release.join();

    const std::string ended = "source.dat.tmp-" + std::to_string(EndedProcess()) + "-1";
    const std::string older = "source.dat.tmp-1234567890"; // not a name a save writes: not ours
    const std::string running = "source.dat.tmp-" + std::to_string(getppid()) + "-1";
    for (const auto& name : {ended, older, running})
        test::WriteBytes(dir / name, std::string(1000, 'x'));
    EXPECT_EQ(AddTerm(path(), u"propyl", U("丙基")).Status, AddStatus::Inserted);
    EXPECT_FALSE(std::filesystem::exists(dir / ended));
    EXPECT_TRUE(std::filesystem::exists(dir / older));
    EXPECT_TRUE(std::filesystem::exists(dir / running));
    EXPECT_FALSE(std::filesystem::exists(LockPathFor(path()))); // the lock leaves no file behind

    // A link planted at the lock's name is not followed: no file appears
    // where it points, and the change is refused. Nor is a pipe a lock.
    const std::string before2 = test::ReadBytes(path());
    std::filesystem::create_symlink(dir / "planted", LockPathFor(path()));
    auto refusal = [&] {
        try {
            AddTerm(path(), u"butyl", U("丁基"));
        } catch (const DictionaryError& error) {
            return error.Fault();
        }
        return DictionaryFault::Missing;
    };
    EXPECT_EQ(refusal(), DictionaryFault::LockNotPlainFile);
    EXPECT_FALSE(std::filesystem::exists(dir / "planted"));
    std::filesystem::remove(LockPathFor(path()));
    ASSERT_EQ(mkfifo(LockPathFor(path()).c_str(), 0644), 0);
    EXPECT_EQ(refusal(), DictionaryFault::LockNotPlainFile);
    EXPECT_EQ(test::ReadBytes(path()), before2);
}

#endif

} // namespace
} // namespace carbonym
