#include "cli_runner.h"
#include "dictionary/add_terms.h"
#include "dictionary/gbk_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>
extern char** environ;
#endif

namespace carbonym {
namespace {

using test::Quote;
using test::RunCli;
using test::U;
using Strings = std::vector<std::string>;

class DictWriteCliTest : public ::testing::Test {
protected:
    std::filesystem::path dictionary() const { return dir / "source.dat"; }
    std::string dict() const { return " --dict " + Quote(dictionary().string()); }
    std::string File(const std::string& name, const std::string& content) const
    {
        test::WriteBytes(dir / name, content);
        return " " + Quote((dir / name).string());
    }

    test::TempDir dir;
};

TEST_F(DictWriteCliTest, AddStatusesAndMessages)
{
    auto result = RunCli(dir, "dict add" + dict() + " methyl 甲基");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "数据添加完毕    \n");
    EXPECT_EQ(RunCli(dir, "dict add" + dict() + " ' ethyl' 乙基").status, 0);

    result = RunCli(dir, "dict add" + dict() + " ethyl 别的");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "数据已经存在     \n");
    EXPECT_EQ(RunCli(dir, "dict add" + dict() + " '' 乙基").err, "没有要添加的英文  \n");
    EXPECT_EQ(RunCli(dir, "dict add" + dict() + " propyl ''").err, "没有要添加的中文  \n");
    EXPECT_EQ(RunCli(dir, "dict add" + dict() + " '' ''").status, 1);
    const std::string before = test::ReadBytes(dictionary());

    result = RunCli(dir, "dict add" + dict() + " smile 😀");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "数据添加失败，词典没有任何改动：字符“😀”(U+1F600)无法用 GBK 编码保存\n");
    EXPECT_EQ(RunCli(dir, "dict add" + dict() + " \"$(printf 'bad\\377')\" x").status, 2);
    EXPECT_EQ(test::ReadBytes(dictionary()), before);
    EXPECT_EQ(test::Entries(dictionary()), (Strings{"6:methyl", "5:ethyl"}));

    // A blank term into an empty dictionary adds nothing.
    std::filesystem::remove(dictionary());
    EXPECT_EQ(RunCli(dir, "dict add" + dict() + " '  ' x").status, 1);
    EXPECT_EQ(test::Entries(dictionary()), Strings{});
}

TEST_F(DictWriteCliTest, ImportTwoLists)
{
    test::WriteDictionaryFile(dictionary(), {{"methyl", "甲基"}});
    auto result = RunCli(dir, "dict import" + dict() + File("en.txt", "ethyl\r\nmethyl\nbutyl\n")
                                  + File("zh.txt", "\xEF\xBB\xBF乙基\n甲基\n丁基\n多余\n"));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "数据添加完毕，已经有  1  个数据存在\n");
    EXPECT_EQ(test::Entries(dictionary()), (Strings{"6:methyl", "5:butyl", "5:ethyl"}));
    EXPECT_EQ(Trim(ReadDictionary(dictionary())[2].Chinese), U("乙基")); // no byte-order mark
    const std::string before = test::ReadBytes(dictionary());

    result = RunCli(dir, "dict import" + dict() + File("en.txt", "oxo\npropyl\n") + File("zh.txt", "氧代\n"));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "中文列表的行数少于英文列表：英文 2 行，中文 1 行。没有添加任何数据。\n");
    EXPECT_EQ(RunCli(dir, "dict import" + dict() + File("en.txt", "") + File("zh.txt", "x")).err,
              "没有要添加的英文  \n");
    EXPECT_EQ(RunCli(dir, "dict import" + dict() + File("en.txt", "x") + File("zh.txt", "")).err,
              "没有要添加的中文  \n");
    EXPECT_EQ(RunCli(dir, "dict import" + dict() + File("en.txt", "x")).status, 2); // one list only
    EXPECT_EQ(test::ReadBytes(dictionary()), before);
}

TEST_F(DictWriteCliTest, ImportTabSeparated)
{
    auto result = RunCli(dir, "dict import" + dict() + " --tsv" + File("t.tsv", "oxo\t氧代\tnote\nethyl\t\n\nrow\n"));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "数据添加完毕     \n");
    EXPECT_EQ(test::Entries(dictionary()), (Strings{"3:oxo", "5:ethyl"})); // list order into an empty dictionary
    EXPECT_EQ(Trim(ReadDictionary(dictionary())[0].Chinese), U("氧代"));
    const std::string before = test::ReadBytes(dictionary());

    // A row without its Chinese column refuses the whole file.
    result = RunCli(dir, "dict import" + dict() + " --tsv" + File("t.tsv", "propyl\t丙基\nbutyl\n"));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "第 2 行没有中文：英文和中文之间应以制表符分隔。没有添加任何数据。\n");
    EXPECT_EQ(test::ReadBytes(dictionary()), before);
}

TEST_F(DictWriteCliTest, ExportThenImportGivesTheSameFile)
{
    const auto path = dictionary();
    for (const auto& [english, chinese] : std::vector<std::pair<std::string, std::string>>{
             {"methyl", "甲基"},
             {"Methyl", "甲基"},
             {"ethyl", ""},
             {"α-amino acid", "α-氨基酸"},
             {"cyclopentanoperhydrophenanthrene", "环戊烷并全氢菲环戊烷并全氢菲环戊烷并全氢菲环戊烷"}, // cut at 45 bytes
             {"  ", "空"}}) {
        AddTerm(path, U(english), U(chinese));
    }
    const std::string original = test::ReadBytes(path);
    const auto exported = RunCli(dir, "dict export" + dict());
    EXPECT_EQ(exported.status, 0);
    EXPECT_EQ(exported.err, "");
    EXPECT_EQ(exported.out.substr(0, 25), "cyclopentanoperhydrophena");

    std::filesystem::remove(path);
    const auto imported = RunCli(dir, "dict import" + dict() + " --tsv" + File("all.tsv", exported.out));
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(test::ReadBytes(path), original);
}

TEST_F(DictWriteCliTest, ExportNamesRecordsThatWouldNotComeBackTheSame)
{
    AddTerm(dictionary(), U("methyl"), U("甲基"));
    AddTerm(dictionary(), std::u16string(70, u'x'), U("长"));
    AddTerm(dictionary(), U("a\tb"), U("制表"));
    const auto result = RunCli(dir, "dict export" + dict());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, std::string(64, 'x') + "\t长\nmethyl\t甲基\na\tb\t制表\n");
    EXPECT_NE(result.err.find("以下 2 条记录"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("：1、3\n"), std::string::npos) << result.err;
}

#ifndef _WIN32

// A made-up dictionary of `records` terms, longest first, and a batch of
// `pairs` new and stored terms.
struct LargeImport {
    std::string dictionary;
    std::string english;
    std::string chinese;

    LargeImport(int records, int pairs)
    {
        std::mt19937 random(7);
        auto word = [&random] {
            std::string text(std::uniform_int_distribution<size_t>(3, 40)(random), 'a');
            for (auto& c : text)
                c = static_cast<char>('a' + random() % 26);
            return text;
        };
        std::vector<std::string> stored(static_cast<size_t>(records));
        std::generate(stored.begin(), stored.end(), word);
        std::stable_sort(stored.begin(), stored.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
        GbkCodec codec;
        for (const auto& term : stored) {
            const auto bytes = EncodeRecord(MakeRecord(U(term), U("甲基")), codec);
            dictionary.append(bytes.data(), bytes.size());
        }
        for (int i = 0; i < pairs; ++i) {
            english += (i % 10 == 0 ? stored[random() % stored.size()] : word()) + "\n";
            chinese += "乙基\n";
        }
    }
};

// Starts carbonym-cli with `arguments`, its output thrown away.
pid_t SpawnCli(const std::vector<std::string>& arguments)
{
    std::vector<std::string> all = test::CliCommand();
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : all)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, all.front().c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

// An import killed at any moment leaves the dictionary exactly as it was or
// exactly as the whole import makes it. CARBONYM_KILL_RUNS sets the number
// of kills (20 by default).
TEST_F(DictWriteCliTest, ImportKilledAtAnyMomentLeavesOldOrNewFile)
{
    const LargeImport data(20'000, 5'000);
    test::WriteBytes(dir / "en.txt", data.english);
    test::WriteBytes(dir / "zh.txt", data.chinese);
    const std::vector<std::string> import = {"dict", "import", "--dict", dictionary().string(),
                                             (dir / "en.txt").string(), (dir / "zh.txt").string()};

    test::WriteBytes(dictionary(), data.dictionary);
    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    const pid_t whole = SpawnCli(import);
    ASSERT_GT(whole, 0);
    waitpid(whole, &status, 0);
    const auto duration = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::string after = test::ReadBytes(dictionary());
    ASSERT_GT(after.size(), data.dictionary.size());

    const char* runsText = std::getenv("CARBONYM_KILL_RUNS");
    const int runs = runsText ? std::atoi(runsText) : 20;
    std::mt19937 random(std::random_device{}());
    // Some kills come after the end, so that both outcomes are seen.
    const auto microseconds = std::chrono::duration_cast<std::chrono::microseconds>(duration).count();
    std::uniform_int_distribution<int64_t> moment(0, microseconds + microseconds / 2);
    int old = 0;
    int complete = 0;
    int interruptedSaves = 0;
    for (int run = 0; run < runs; ++run) {
        test::WriteBytes(dictionary(), data.dictionary);
        const pid_t pid = SpawnCli(import);
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        const std::string bytes = test::ReadBytes(dictionary());
        ASSERT_TRUE(bytes == data.dictionary || bytes == after) << "run " << run << ": " << bytes.size() << " bytes";
        ++(bytes == after ? complete : old);
        // A killed import may leave its unfinished temporary file behind.
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
            if (entry.path().filename().string().rfind("source.dat.tmp-", 0) == 0)
                interruptedSaves += std::filesystem::remove(entry.path());
        }
    }
    RecordProperty("old", old);
    RecordProperty("new", complete);
    RecordProperty("interrupted_saves", interruptedSaves);
}

#endif

} // namespace
} // namespace carbonym
