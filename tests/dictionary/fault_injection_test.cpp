// Every write of the dictionary and of the batch's work files against the
// failures a user's machine has: a full disk, no room for one more file, a
// read-only disk or folder, a file that cannot be replaced, a folder where a
// file should be. Afterwards the dictionary is byte for byte as it was,
// nothing else is left behind, and the failure has a clear message.
//
// The conditions are made for real, which on Linux needs root: a small tmpfs
// (mount), the immutable attribute (which binds root too, unlike
// permissions). Where that is impossible the test is skipped and says why.

#include "dictionary/add_commands.h"
#include "dictionary/add_terms.h"
#include "dictionary/dictionary_error.h"
#include "test_support.h"
#include "translation/translate_command.h"

#include <gtest/gtest.h>

#ifdef __linux__

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>

namespace carbonym {
namespace {

using test::U;

std::string ErrorNumberText()
{
    return std::strerror(errno);
}

// A tmpfs of its own, unmounted at the end.
class SmallDisk {
public:
    SmallDisk(const std::filesystem::path& where, const std::string& options) : path_(where)
    {
        std::filesystem::create_directories(path_);
        if (mount("tmpfs", path_.c_str(), "tmpfs", 0, options.c_str()) != 0)
            failure_ = "cannot mount a tmpfs (" + ErrorNumberText() + "): needs root with CAP_SYS_ADMIN";
        else
            mounted_ = true;
    }
    ~SmallDisk()
    {
        if (mounted_)
            umount2(path_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool RemountReadOnly(const std::string& options)
    {
        return mount("tmpfs", path_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, options.c_str()) == 0;
    }

    const std::string& Failure() const { return failure_; }
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
    bool mounted_ = false;
    std::string failure_;
};

// Sets the immutable attribute on a file or folder for the guard's lifetime:
// nothing can replace, rename, delete or (for a folder) add an entry, root
// included.
class Immutable {
public:
    explicit Immutable(const std::filesystem::path& path) : path_(path) { set_ = Change(true); }
    ~Immutable()
    {
        if (set_)
            Change(false);
    }
    Immutable(const Immutable&) = delete;
    Immutable& operator=(const Immutable&) = delete;

    bool IsSet() const { return set_; }

private:
    bool Change(bool on)
    {
        const int fd = open(path_.c_str(), O_RDONLY | O_NONBLOCK);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        close(fd);
        return done;
    }

    std::filesystem::path path_;
    bool set_ = false;
};

std::vector<std::string> Entries(const std::filesystem::path& directory)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A dictionary of `count` distinct terms, longest first.
std::vector<std::pair<std::string, std::string>> Terms(int count)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int i = count; i > 0; --i)
        pairs.emplace_back(std::string(static_cast<size_t>(i % 60 + 3), 'a') + std::to_string(i), "甲基");
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    return pairs;
}

// What every failed write must leave: the old bytes, no stray file, and a
// message that says what happened.
void ExpectUnchanged(const std::filesystem::path& dictionary, const std::string& before,
                     const std::vector<std::string>& entries)
{
    EXPECT_EQ(test::ReadBytes(dictionary), before);
    EXPECT_EQ(Entries(dictionary.parent_path()), entries);
}

template <typename Action>
void ExpectFailure(Action action, DictionaryFault fault)
{
    try {
        action();
        ADD_FAILURE() << "no failure; expected fault " << static_cast<int>(fault);
    } catch (const DictionaryError& error) {
        EXPECT_EQ(error.Fault(), fault) << error.what();
    }
}

class FaultTest : public ::testing::Test {
protected:
    test::TempDir dir;
};

// The batch through its work files, as the window runs it.
void ExpectBatchFails(const std::filesystem::path& directory, std::u16string_view english, std::u16string_view chinese,
                      DictionaryFault fault)
{
    ExpectFailure([&] { RunBatchAdd(directory, english, chinese); }, fault);
}

TEST_F(FaultTest, FullDisk)
{
    // 16 pages: the dictionary takes 9, a second copy does not fit.
    SmallDisk disk(dir / "disk", "size=64k");
    if (!disk.Failure().empty())
        GTEST_SKIP() << disk.Failure();
    const auto dictionary = disk / "source.dat";
    test::WriteDictionaryFile(dictionary, Terms(300));
    const std::string before = test::ReadBytes(dictionary);
    const std::vector<std::string> entries{"source.dat"};

    ExpectFailure([&] { AddTerm(dictionary, u"propyl", u"丙基"); }, DictionaryFault::DiskFull);
    ExpectUnchanged(dictionary, before, entries);
    ExpectBatchFails(disk.Path(), u"propyl\r\nbutyl", u"丙基\r\n丁基", DictionaryFault::DiskFull);
    ExpectUnchanged(dictionary, before, entries);

    // The English work file fits in the 7 free pages, the Chinese one does
    // not: neither stays.
    ExpectBatchFails(disk.Path(), std::u16string(20'000, u'x'), std::u16string(12'000, u'y'),
                     DictionaryFault::WorkFileUnwritable);
    ExpectUnchanged(dictionary, before, entries);

    // With the disk full to the last page, a record appended in place fails
    // loudly too (36 records end 100 bytes before a page's end).
    test::WriteDictionaryFile(dictionary, Terms(36));
    test::WriteBytes(disk / "filler", std::string(15 * 4096, 'x'));
    ExpectFailure([&] { AddTerm(dictionary, u"propyl", u"丙基"); }, DictionaryFault::DiskFull);
    DictionaryFile file(dictionary);
    ExpectFailure([&] { file.Write(file.RecordCount() + 1, MakeRecord(u"propyl", u"丙基")); },
                  DictionaryFault::CannotWrite);
}

TEST_F(FaultTest, NoRoomForAnotherFile)
{
    // Two inodes: the root folder and the dictionary.
    SmallDisk disk(dir / "disk", "size=1m,nr_inodes=2");
    if (!disk.Failure().empty())
        GTEST_SKIP() << disk.Failure();
    const auto dictionary = disk / "source.dat";
    test::WriteDictionaryFile(dictionary, Terms(20));
    const std::string before = test::ReadBytes(dictionary);

    ExpectFailure([&] { AddTerm(dictionary, u"propyl", u"丙基"); }, DictionaryFault::CannotCreateWorkFile);
    ExpectBatchFails(disk.Path(), u"propyl", u"丙基", DictionaryFault::WorkFileUnwritable);
    ExpectUnchanged(dictionary, before, {"source.dat"});

    std::filesystem::remove(dictionary);
    test::WriteBytes(disk / "other", "x");
    const auto outcome = TranslateCommand(u"methyl", dictionary);
    EXPECT_EQ(outcome.Status, TranslateStatus::Failed);
    ASSERT_TRUE(outcome.Error);
    EXPECT_EQ(outcome.Error->Fault(), DictionaryFault::Missing); // translating never creates one
}

TEST_F(FaultTest, ReadOnlyDiskReadsButRefusesWrites)
{
    SmallDisk disk(dir / "disk", "size=1m");
    if (!disk.Failure().empty())
        GTEST_SKIP() << disk.Failure();
    const auto dictionary = disk / "source.dat";
    test::WriteDictionaryFile(dictionary, {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(dictionary);
    if (!disk.RemountReadOnly("size=1m"))
        GTEST_SKIP() << "cannot remount the tmpfs read-only: " << ErrorNumberText();

    ExpectFailure([&] { AddTerm(dictionary, u"propyl", u"丙基"); }, DictionaryFault::ReadOnly);
    ExpectFailure([&] { AddBatch(dictionary, {u"propyl"}, {u"丙基"}); }, DictionaryFault::ReadOnly);
    ExpectBatchFails(disk.Path(), u"propyl", u"丙基", DictionaryFault::WorkFileUnwritable);
    ExpectUnchanged(dictionary, before, {"source.dat"});
    EXPECT_EQ(TranslateCommand(u"methyl", dictionary).Result.Text, U("甲基"));

    const auto absent = TranslateCommand(u"methyl", disk / "absent.dat");
    EXPECT_EQ(absent.Status, TranslateStatus::Failed);
    ASSERT_TRUE(absent.Error);
    EXPECT_EQ(absent.Error->Fault(), DictionaryFault::Missing);
}

TEST_F(FaultTest, ImmutableFolderRefusesWrites)
{
    const auto dictionary = dir / "source.dat";
    test::WriteDictionaryFile(dictionary, {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(dictionary);
    const Immutable guard(dir.Path());
    if (!guard.IsSet())
        GTEST_SKIP() << "cannot set the immutable attribute here: " << ErrorNumberText();

    ExpectFailure([&] { AddTerm(dictionary, u"propyl", u"丙基"); }, DictionaryFault::CannotCreateWorkFile);
    ExpectBatchFails(dir.Path(), u"propyl", u"丙基", DictionaryFault::WorkFileUnwritable);
    ExpectUnchanged(dictionary, before, {"source.dat"});
    EXPECT_EQ(TranslateCommand(u"methyl", dictionary).Result.Text, U("甲基"));
}

TEST_F(FaultTest, FilesThatCannotBeReplaced)
{
    // Like files another program holds open on Windows: they read, but
    // cannot be written or replaced.
    const auto dictionary = dir / "source.dat";
    test::WriteDictionaryFile(dictionary, {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(dictionary);
    {
        const Immutable guard(dictionary);
        if (!guard.IsSet())
            GTEST_SKIP() << "cannot set the immutable attribute here: " << ErrorNumberText();
        ExpectFailure([&] { AddTerm(dictionary, u"propyl", u"丙基"); }, DictionaryFault::ReadOnly);
        ExpectBatchFails(dir.Path(), u"propyl", u"丙基", DictionaryFault::ReadOnly);
        ExpectUnchanged(dictionary, before, {"source.dat"});
        DictionaryFile file(dictionary);
        ExpectFailure([&] { file.Write(2, MakeRecord(u"propyl", u"丙基")); }, DictionaryFault::CannotWrite);
        EXPECT_EQ(TranslateCommand(u"methyl", dictionary).Result.Text, U("甲基"));
    }

    // A work file of the same name that cannot be replaced stays as it was.
    test::WriteBytes(dir / "temp2.txt", "old");
    const Immutable guard(dir / "temp2.txt");
    ExpectBatchFails(dir.Path(), u"propyl", u"丙基", DictionaryFault::WorkFileUnwritable);
    ExpectUnchanged(dictionary, before, {"source.dat", "temp2.txt"});
    EXPECT_EQ(test::ReadBytes(dir / "temp2.txt"), "old");
}

TEST_F(FaultTest, FoldersWhereFilesShouldBe)
{
    const auto dictionary = dir / "source.dat";
    std::filesystem::create_directory(dictionary);
    test::WriteBytes(dictionary / "inside", "x");

    ExpectFailure([&] { AddTerm(dictionary, u"propyl", u"丙基"); }, DictionaryFault::Folder);
    ExpectBatchFails(dir.Path(), u"propyl", u"丙基", DictionaryFault::Folder);
    const auto outcome = TranslateCommand(u"methyl", dictionary);
    EXPECT_EQ(outcome.Status, TranslateStatus::Failed);
    ASSERT_TRUE(outcome.Error);
    EXPECT_EQ(outcome.Error->Fault(), DictionaryFault::Folder);
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"source.dat"});
    EXPECT_EQ(Entries(dictionary), std::vector<std::string>{"inside"});

    // A folder in the place of a work file is left alone.
    std::filesystem::remove_all(dictionary);
    test::WriteDictionaryFile(dictionary, {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(dictionary);
    std::filesystem::create_directory(dir / "temp1.txt");
    test::WriteBytes(dir / "temp1.txt" / "inside", "x");
    ExpectBatchFails(dir.Path(), u"propyl", u"丙基", DictionaryFault::WorkFileUnwritable);
    ExpectUnchanged(dictionary, before, {"source.dat", "temp1.txt"});
    EXPECT_EQ(Entries(dir / "temp1.txt"), std::vector<std::string>{"inside"});
}

} // namespace
} // namespace carbonym

#endif
