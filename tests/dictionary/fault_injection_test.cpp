// Every write of the dictionary against the failures a user's machine has: a
// full disk, a read-only folder, a file that cannot be replaced, a folder
// where the file should be, and the program killed in the middle of a large
// batch. Afterwards the dictionary is byte for byte the old file or the new
// one, nothing else is left behind, and the failure has a clear message.
//
// The conditions are made for real, which on Linux needs root: a small tmpfs
// (mount), the immutable attribute (which binds root too, unlike
// permissions). Where that is impossible the test is skipped and says why.

#include "dictionary/add_terms.h"
#include "dictionary/dictionary_error.h"
#include "test_support.h"
#include "translation/translate_command.h"

#include <gtest/gtest.h>

#ifdef __linux__

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <optional>
#include <random>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

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
void ExpectFailure(Action action, const std::string& message)
{
    try {
        action();
        ADD_FAILURE() << "no failure; expected: " << message;
    } catch (const DictionaryError& error) {
        EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
    }
}

class FaultTest : public ::testing::Test {
protected:
    test::TempDir dir;
};

TEST_F(FaultTest, FullDiskKeepsTheOldFile)
{
    // 16 pages: the dictionary takes 9, a second copy does not fit.
    SmallDisk disk(dir / "disk", "size=64k");
    if (!disk.Failure().empty())
        GTEST_SKIP() << disk.Failure();
    const auto dictionary = disk / "source.dat";
    test::WriteDictionaryFile(dictionary, Terms(300));
    const std::string before = test::ReadBytes(dictionary);
    const std::vector<std::string> entries{"source.dat"};

    ExpectFailure([&] { AddTerm(dictionary, u"propyl", u"丙基"); }, "写入失败（磁盘可能已满）");
    ExpectUnchanged(dictionary, before, entries);
    ExpectFailure([&] { AddBatch(dictionary, {u"propyl", u"butyl"}, {u"丙基", u"丁基"}); }, "磁盘可能已满");
    ExpectUnchanged(dictionary, before, entries);

    // With the disk full to the last page, a record appended in place fails
    // loudly too (36 records end 100 bytes before a page's end).
    test::WriteDictionaryFile(dictionary, Terms(36));
    test::WriteBytes(disk / "filler", std::string(15 * 4096, 'x'));
    ExpectFailure([&] { AddTerm(dictionary, u"propyl", u"丙基"); }, "磁盘可能已满");
    DictionaryFile file(dictionary);
    ExpectFailure([&] { file.Write(file.RecordCount() + 1, MakeRecord(u"propyl", u"丙基")); }, "写入词典文件");
}

TEST_F(FaultTest, NoFileCanBeCreated)
{
    // Two inodes: the root folder and the dictionary.
    SmallDisk disk(dir / "disk", "size=1m,nr_inodes=2");
    if (!disk.Failure().empty())
        GTEST_SKIP() << disk.Failure();
    const auto dictionary = disk / "source.dat";
    test::WriteDictionaryFile(dictionary, Terms(20));
    const std::string before = test::ReadBytes(dictionary);

    ExpectFailure([&] { AddTerm(dictionary, u"propyl", u"丙基"); }, "无法在其所在的文件夹中写入文件");
    ExpectUnchanged(dictionary, before, {"source.dat"});

    std::filesystem::remove(dictionary);
    test::WriteBytes(disk / "other", "x");
    const auto outcome = TranslateCommand(u"methyl", dictionary);
    EXPECT_EQ(outcome.Status, TranslateStatus::Failed);
    EXPECT_NE(outcome.Message.find("翻译失败：无法创建词典文件"), std::string::npos) << outcome.Message;
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

    ExpectFailure([&] { AddTerm(dictionary, u"propyl", u"丙基"); }, "无法在其所在的文件夹中写入文件");
    ExpectFailure([&] { AddBatch(dictionary, {u"propyl"}, {u"丙基"}); }, "无法在其所在的文件夹中写入文件");
    ExpectUnchanged(dictionary, before, {"source.dat"});
    EXPECT_EQ(TranslateCommand(u"methyl", dictionary).Result.Text, U("甲基"));

    const auto absent = TranslateCommand(u"methyl", disk / "absent.dat");
    EXPECT_EQ(absent.Status, TranslateStatus::Failed);
    EXPECT_NE(absent.Message.find("无法创建词典文件"), std::string::npos) << absent.Message;
}

TEST_F(FaultTest, ImmutableFolderRefusesWrites)
{
    const auto dictionary = dir / "source.dat";
    test::WriteDictionaryFile(dictionary, {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(dictionary);
    const Immutable guard(dir.Path());
    if (!guard.IsSet())
        GTEST_SKIP() << "cannot set the immutable attribute here: " << ErrorNumberText();

    ExpectFailure([&] { AddTerm(dictionary, u"propyl", u"丙基"); }, "无法在其所在的文件夹中写入文件");
    ExpectUnchanged(dictionary, before, {"source.dat"});
    EXPECT_EQ(TranslateCommand(u"methyl", dictionary).Result.Text, U("甲基"));
}

TEST_F(FaultTest, FileThatCannotBeReplaced)
{
    // Like a file another program holds open on Windows: it reads, but
    // cannot be written or replaced.
    const auto dictionary = dir / "source.dat";
    test::WriteDictionaryFile(dictionary, {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(dictionary);
    const Immutable guard(dictionary);
    if (!guard.IsSet())
        GTEST_SKIP() << "cannot set the immutable attribute here: " << ErrorNumberText();

    ExpectFailure([&] { AddTerm(dictionary, u"propyl", u"丙基"); }, "无法替换原文件（文件可能被占用或只读）");
    ExpectFailure([&] { AddBatch(dictionary, {u"propyl"}, {u"丙基"}); }, "无法替换原文件");
    ExpectUnchanged(dictionary, before, {"source.dat"});
    DictionaryFile file(dictionary);
    ExpectFailure([&] { file.Write(2, MakeRecord(u"propyl", u"丙基")); }, "写入词典文件");
    EXPECT_EQ(TranslateCommand(u"methyl", dictionary).Result.Text, U("甲基"));
}

TEST_F(FaultTest, FolderWhereTheFileShouldBe)
{
    const auto dictionary = dir / "source.dat";
    std::filesystem::create_directory(dictionary);
    test::WriteBytes(dictionary / "inside", "x");

    ExpectFailure([&] { AddTerm(dictionary, u"propyl", u"丙基"); }, "这是一个文件夹");
    ExpectFailure([&] { AddBatch(dictionary, {u"propyl"}, {u"丙基"}); }, "这是一个文件夹");
    const auto outcome = TranslateCommand(u"methyl", dictionary);
    EXPECT_EQ(outcome.Status, TranslateStatus::Failed);
    EXPECT_NE(outcome.Message.find("这是一个文件夹"), std::string::npos) << outcome.Message;
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"source.dat"});
    EXPECT_EQ(Entries(dictionary), std::vector<std::string>{"inside"});
}

pid_t StartBatch(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const auto& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(error, 0) << "cannot start " << argv[0] << ": " << std::strerror(error);
    return error == 0 ? pid : -1;
}

// Waits for the batch, killing it after `killAfter` if it is still running;
// true when it ended by itself, successfully.
bool EndBatch(pid_t pid, std::optional<std::chrono::microseconds> killAfter)
{
    if (pid < 0)
        return false;
    if (killAfter) {
        std::this_thread::sleep_for(*killAfter);
        kill(pid, SIGKILL);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status))
        return false;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    return true;
}

TEST_F(FaultTest, BatchKilledAtRandomPoints)
{
    const auto dictionary = dir / "source.dat";
    test::WriteDictionaryFile(dictionary, Terms(4000));
    const std::string before = test::ReadBytes(dictionary);
    std::string english;
    std::string chinese;
    for (int i = 0; i < 4000; ++i) {
        english += "b" + std::to_string(i * 7919 % 4001) + std::string(static_cast<size_t>(i % 50), 'c') + "\r\n";
        chinese += "丁基\r\n";
    }
    test::WriteBytes(dir / "english.txt", english);
    test::WriteBytes(dir / "chinese.txt", chinese);
    const std::vector<std::string> arguments{BATCH_DRIVER, dictionary.string(), (dir / "english.txt").string(),
                                             (dir / "chinese.txt").string()};

    // One whole run gives the new file and how long a run takes.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(EndBatch(StartBatch(arguments), std::nullopt));
    const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    const std::string after = test::ReadBytes(dictionary);
    ASSERT_NE(after, before);

    std::mt19937 random(7);
    std::uniform_int_distribution<int64_t> delay(0, whole.count() * 6 / 5);
    int finished = 0;
    int oldFiles = 0;
    constexpr int kRuns = 120;
    for (int run = 0; run < kRuns; ++run) {
        test::WriteBytes(dictionary, before);
        finished += EndBatch(StartBatch(arguments), std::chrono::microseconds(delay(random)));
        const std::string now = test::ReadBytes(dictionary);
        ASSERT_TRUE(now == before || now == after) << "run " << run << ": a dictionary of " << now.size() << " bytes";
        oldFiles += now == before;
    }
    // A save cut short leaves at most its own temporary file, which nothing
    // reads: the runs after it went on as if it were not there.
    int leftovers = 0;
    for (const auto& name : Entries(dir.Path())) {
        if (name.rfind("source.dat.tmp-", 0) == 0)
            ++leftovers;
        else
            EXPECT_TRUE(name == "source.dat" || name == "english.txt" || name == "chinese.txt") << name;
    }
    std::printf("batch of %d ms killed %d times (the old file stayed %d times), finished %d times; "
                "%d temporary files left\n",
                static_cast<int>(whole.count() / 1000), kRuns - finished, oldFiles, finished, leftovers);
    // The next save that succeeds clears them away.
    test::WriteBytes(dictionary, before);
    ASSERT_TRUE(EndBatch(StartBatch(arguments), std::nullopt));
    EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"chinese.txt", "english.txt", "source.dat"}));
    EXPECT_LT(finished, kRuns);
}

} // namespace
} // namespace carbonym

#endif
