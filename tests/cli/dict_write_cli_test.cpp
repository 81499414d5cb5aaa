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
    EXPECT_EQ(result.out, "数据添加完毕：“methyl”\n");
    EXPECT_EQ(RunCli(dir, "dict add" + dict() + " ' ethyl' 乙基").status, 0);

    result = RunCli(dir, "dict add" + dict() + " ethyl 别的");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "英文“ethyl”已经存在，没有添加\n");
    EXPECT_EQ(RunCli(dir, "dict add" + dict() + " '' 乙基").err, "没有要添加的英文\n");
    EXPECT_EQ(RunCli(dir, "dict add" + dict() + " propyl ''").err, "英文“propyl”的中文为空，词典没有改动\n");
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
    EXPECT_EQ(result.out, "数据添加完毕：添加了 2 个，1 个已经存在\n");
    EXPECT_EQ(test::Entries(dictionary()), (Strings{"6:methyl", "5:butyl", "5:ethyl"}));
    EXPECT_EQ(Trim(ReadDictionary(dictionary())[2].Chinese), U("乙基")); // no byte-order mark
    const std::string before = test::ReadBytes(dictionary());

    result = RunCli(dir, "dict import" + dict() + File("en.txt", "oxo\npropyl\n") + File("zh.txt", "氧代\n"));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "中文列表的行数少于英文列表：英文 2 行，中文 1 行。没有添加任何数据。\n");
    EXPECT_EQ(RunCli(dir, "dict import" + dict() + File("en.txt", "") + File("zh.txt", "x")).err, "没有要添加的英文\n");
    EXPECT_EQ(RunCli(dir, "dict import" + dict() + File("en.txt", "x") + File("zh.txt", "")).err, "没有要添加的中文\n");
    EXPECT_EQ(RunCli(dir, "dict import" + dict() + File("en.txt", "x")).status, 2); // one list only
    EXPECT_EQ(test::ReadBytes(dictionary()), before);
}

TEST_F(DictWriteCliTest, ImportTabSeparated)
{
    // A blank line is passed over: the rows after it are added too.
    auto result = RunCli(dir, "dict import" + dict() + " --tsv"
                                  + File("t.tsv", "\xEF\xBB\xBFoxo\t氧代\tnote\nethyl\t乙基\n\nrow\t行\n"));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "数据添加完毕：添加了 3 个\n");
    EXPECT_EQ(test::Entries(dictionary()),
              (Strings{"3:oxo", "5:ethyl", "3:row"})); // list order into an empty dictionary
    EXPECT_EQ(Trim(ReadDictionary(dictionary())[0].Chinese), U("氧代"));
    const std::string before = test::ReadBytes(dictionary());

    // A row without its Chinese column refuses the whole file.
    result = RunCli(dir, "dict import" + dict() + " --tsv" + File("t.tsv", "propyl\t丙基\nbutyl\n"));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "第 2 行没有中文：英文和中文之间应以制表符分隔。没有添加任何数据。\n");
    EXPECT_EQ(test::ReadBytes(dictionary()), before);
}

// Every door refuses a pair that would be a fault of the dictionary, names
// the term (and the line of a list), exits 1 and changes nothing.
TEST_F(DictWriteCliTest, BadTermsAreRefusedWithTheTermNamed)
{
    test::WriteDictionaryFile(dictionary(), {{"ethanol", "乙醇"}, {"methyl", "甲基"}});
    const std::string before = test::ReadBytes(dictionary());
    struct Case {
        std::string arguments;
        std::string named; // in the message on standard error
    };
    const std::vector<Case> cases = {
        {"dict add '   ' 空", "英文只有空格"},
        {"dict add \"$(printf '\\t')\" 制表", "英文“\\t”含有制表符"},
        {"dict add propyl '  '", "英文“propyl”的中文只有空格"},
        {"dict add Ethanol 乙醇", "已有只差大小写的“ethanol”"},
        {"dict set methyl '  '", "的中文只有空格"},
        {"dict set methyl \"$(printf '甲\\t基')\"", "中文“甲\\t基”含有制表符"},
        {"dict import --tsv" + File("a.tsv", "ethyl\t乙基\n\t甲\n"), "第 2 行：英文为空，中文却是“甲”"},
        {"dict import --tsv" + File("b.tsv", "ethyl\t乙基\nx\t\n"), "第 2 行：英文“x”的中文为空"},
        {"dict import --tsv" + File("c.tsv", std::string("ethyl\t乙基\na") + '\0' + "b\t甲\n"),
         "第 2 行：英文“a\\0b”含有"},
        {"dict import --tsv" + File("d.tsv", "ETHANOL\t乙醇\nMETHYL\t甲基\n"), "已有只差大小写的“methyl”"},
        {"dict import" + File("e.txt", "ethyl\n\npropyl\n") + File("z.txt", "乙基\n丙基\n丙基\n"), "第 2 行：英文为空"},
        {"dict import" + File("f.txt", "ethyl\npropyl\n") + File("y.txt", "乙基\n\n"),
         "第 2 行：英文“propyl”的中文为空"},
    };
    for (const auto& [arguments, named] : cases) {
        const auto result = RunCli(dir, arguments + dict());
        EXPECT_EQ(result.status, 1) << arguments << "\n" << result.err;
        EXPECT_NE(result.err.find(named), std::string::npos) << arguments << "\n" << result.err;
    }
    EXPECT_EQ(test::ReadBytes(dictionary()), before);
    // Case twins within one file: the first is added, the other named.
    const auto twins = RunCli(dir, "dict import --tsv" + File("g.tsv", "Ethyl\t乙基\nETHYL\t乙基\n") + dict());
    EXPECT_EQ(twins.status, 0) << twins.err;
    EXPECT_NE(twins.err.find("已有只差大小写的“Ethyl”"), std::string::npos) << twins.err;
    EXPECT_EQ(test::Entries(dictionary()), (Strings{"7:ethanol", "6:methyl", "5:Ethyl"}));
    // The 64-byte cut twin of a stored term.
    EXPECT_EQ(RunCli(dir, "dict add " + std::string(64, 'm') + "b 长" + dict()).status, 0);
    const auto twin = RunCli(dir, "dict add " + std::string(64, 'm') + "c 长" + dict());
    EXPECT_EQ(twin.status, 1);
    EXPECT_NE(twin.err.find("截为 64 字节"), std::string::npos) << twin.err;
}

TEST_F(DictWriteCliTest, ExportThenImportGivesTheSameFile)
{
    const auto path = dictionary();
    for (const auto& [english, chinese] : std::vector<std::pair<std::string, std::string>>{
             {"methyl", "甲基"},
             {"Methyl", "甲基"},
             {"ethyl", ""},
             {"α-amino acid", "α-氨基酸"},
             {"cyclopentanoperhydrophenanthrene",
              "环戊烷并全氢菲环戊烷并全氢菲环戊烷并全氢菲环戊烷"}, // cut at 45 bytes
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
    // A tab in a term, as an older program could store it.
    test::WriteDictionaryFile(dictionary(), {{std::string(70, 'x'), "长"}, {"methyl", "甲基"}, {"a\tb", "制表"}});
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
        std::stable_sort(stored.begin(), stored.end(),
                         [](const auto& a, const auto& b) { return a.size() > b.size(); });
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

// Starts carbonym-cli with `arguments`, its output thrown away, with
// `setting` ("NAME=VALUE") added to its environment when given.
pid_t SpawnCli(const std::vector<std::string>& arguments, const std::string& setting = "")
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
    std::vector<char*> environment;
    for (char** variable = environ; *variable; ++variable)
        environment.push_back(*variable);
    std::string extra = setting;
    if (!extra.empty())
        environment.push_back(extra.data());
    environment.push_back(nullptr);
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, all.front().c_str(), &actions, nullptr, argv.data(), environment.data());
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

// A change killed at any moment (an import, an add, a set, a remove) leaves
// the dictionary exactly as it was or exactly as the whole change makes it,
// and what the killed writers leave behind never stands in the way of the
// next save. CARBONYM_KILL_RUNS sets the number of kills (20 by default),
// spread over the four kinds. Then a set and an undo are killed right after
// each of their renames in turn, and undo and redo still go back and forth
// between the right files.
TEST_F(DictWriteCliTest, ImportKilledAtAnyMomentLeavesOldOrNewFile)
{
    const LargeImport data(20'000, 5'000);
    test::WriteBytes(dir / "en.txt", data.english);
    test::WriteBytes(dir / "zh.txt", data.chinese);
    test::WriteBytes(dictionary(), data.dictionary);
    const std::string stored = Utf16ToUtf8(Trim(ReadDictionary(dictionary())[4321].English));
    const std::string path = dictionary().string();

    struct Change {
        std::vector<std::string> arguments;
        std::string after{};
        int64_t microseconds = 0;
        int old = 0;
        int complete = 0;
    };
    std::vector<Change> changes = {
        {{"dict", "import", "--dict", path, (dir / "en.txt").string(), (dir / "zh.txt").string()}},
        {{"dict", "add", "--dict", path, "killed while adding", "新"}},
        {{"dict", "set", "--dict", path, stored, "新"}},
        {{"dict", "remove", "--dict", path, stored}},
    };
    int status = 0;
    for (auto& change : changes) {
        test::WriteBytes(dictionary(), data.dictionary);
        const auto start = std::chrono::steady_clock::now();
        const pid_t whole = SpawnCli(change.arguments);
        ASSERT_GT(whole, 0);
        waitpid(whole, &status, 0);
        change.microseconds =
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << change.arguments[1];
        change.after = test::ReadBytes(dictionary());
        ASSERT_NE(change.after, data.dictionary) << change.arguments[1];
    }

    const char* runsText = std::getenv("CARBONYM_KILL_RUNS");
    const int runs = runsText ? std::atoi(runsText) : 20;
    std::mt19937 random(std::random_device{}());
    for (int run = 0; run < runs; ++run) {
        Change& change = changes[static_cast<size_t>(run) % changes.size()];
        // Some kills come after the end, so that both outcomes are seen.
        std::uniform_int_distribution<int64_t> moment(0, change.microseconds + change.microseconds / 2);
        test::WriteBytes(dictionary(), data.dictionary);
        const pid_t pid = SpawnCli(change.arguments);
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        const std::string bytes = test::ReadBytes(dictionary());
        ASSERT_TRUE(bytes == data.dictionary || bytes == change.after)
            << "run " << run << " (" << change.arguments[1] << "): " << bytes.size() << " bytes";
        ++(bytes == change.after ? change.complete : change.old);
    }
    // The killed writers' work files and lock file are left as they were;
    // the next save clears them and goes through.
    int leftovers = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        leftovers += entry.path().filename().string().find(".tmp-") != std::string::npos;
    const pid_t last = SpawnCli({"dict", "add", "--dict", path, "after the kills", "后"});
    ASSERT_GT(last, 0);
    waitpid(last, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name.find(".tmp-") == std::string::npos && (name != "source.dat.lock" || test::CliIsWindowsBuild()))
            << name;
    }
    for (const auto& change : changes) {
        RecordProperty(change.arguments[1] + "_old", change.old);
        RecordProperty(change.arguments[1] + "_new", change.complete);
    }
    RecordProperty("interrupted_saves", leftovers);

    // Before: the dictionary `first`, whose backup `original` is the file
    // before the last change. A set would make `second`.
    auto run = [&](const std::vector<std::string>& arguments, const std::string& setting = "") {
        const pid_t pid = SpawnCli(arguments, setting);
        EXPECT_GT(pid, 0);
        waitpid(pid, &status, 0);
        return status;
    };
    const std::string original = data.dictionary;
    auto start = [&](const std::string& bytes, const std::string& backup) {
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            if (entry.path().filename().string().rfind("source.dat", 0) == 0)
                std::filesystem::remove(entry.path());
        test::WriteBytes(dictionary(), bytes);
        test::WriteBytes(dir / "source.dat.bak", backup);
    };
    const std::vector<std::string> set = {"dict", "set", "--dict", path, stored, "第二"};
    const std::vector<std::string> undo = {"dict", "undo", "--dict", path};
    start(original, original);
    ASSERT_EQ(run({"dict", "set", "--dict", path, stored, "第一"}), 0);
    const std::string first = test::ReadBytes(dictionary());
    ASSERT_EQ(run(set), 0);
    const std::string second = test::ReadBytes(dictionary());
    ASSERT_NE(first, second);
    for (const auto* change : {&set, &undo}) {
        for (int rename = 1; rename <= 3; ++rename) {
            start(first, original);
            const int killed = run(*change, "CARBONYM_KILL_AFTER_RENAME=" + std::to_string(rename));
            // Under Wine a Windows build's kill is an exit with status 137.
            ASSERT_TRUE(WIFSIGNALED(killed) || (WIFEXITED(killed) && WEXITSTATUS(killed) == 137))
                << (*change)[1] << " " << rename;
            // The change took place or not; undo goes back one step from
            // there, and a second undo comes back.
            const std::string now = test::ReadBytes(dictionary());
            const std::string& done = change == &set ? second : original;
            ASSERT_TRUE(now == first || now == done) << (*change)[1] << " killed after rename " << rename;
            // Undone, a set gives `first` back; a finished undo is redone to it.
            const std::string& back = now == first ? original : first;
            EXPECT_EQ(run(undo), 0) << (*change)[1] << " " << rename;
            EXPECT_EQ(test::ReadBytes(dictionary()), back) << (*change)[1] << " killed after rename " << rename;
            EXPECT_EQ(run(undo), 0);
            EXPECT_EQ(test::ReadBytes(dictionary()), now) << (*change)[1] << " killed after rename " << rename;
        }
    }
}

// 20 writers at once, 60 adds among them, and an import running beside
// them: every change that says it is done is kept.
TEST_F(DictWriteCliTest, ConcurrentWritersKeepEveryChange)
{
    const LargeImport data(2'000, 3'000);
    test::WriteBytes(dir / "en.txt", data.english);
    test::WriteBytes(dir / "zh.txt", data.chinese);
    test::WriteBytes(dictionary(), data.dictionary);
    std::string cli;
    for (const auto& word : test::CliCommand())
        cli += Quote(word) + " ";
    cli += "dict add --dict " + Quote(dictionary().string());
    std::vector<pid_t> writers;
    Strings added;
    for (int process = 0; process < 20; ++process) {
        std::string script;
        for (int add = 0; add < 3; ++add) {
            const std::string term = std::string(static_cast<size_t>(1 + (process * 3 + add) % 7), 'q') + "-"
                                     + std::to_string(process) + "-" + std::to_string(add);
            added.push_back(term);
            script += (add ? " && " : "") + cli + " " + term + " 加 > /dev/null";
        }
        std::vector<std::string> arguments = {"/bin/sh", "-c", script};
        std::vector<char*> argv;
        for (auto& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        pid_t pid = -1;
        ASSERT_EQ(posix_spawn(&pid, "/bin/sh", nullptr, nullptr, argv.data(), environ), 0);
        writers.push_back(pid);
        if (process == 10)
            writers.push_back(SpawnCli({"dict", "import", "--dict", dictionary().string(), (dir / "en.txt").string(),
                                        (dir / "zh.txt").string()}));
    }
    for (const pid_t pid : writers) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    Strings stored;
    for (const auto& record : ReadDictionary(dictionary()))
        stored.push_back(Utf16ToUtf8(Trim(record.English)));
    std::sort(stored.begin(), stored.end());
    for (const auto& term : added)
        EXPECT_TRUE(std::binary_search(stored.begin(), stored.end(), term)) << term;
    // Every pair of the import is there too: new ones added, stored ones refused.
    for (size_t begin = 0; begin < data.english.size();) {
        const size_t end = data.english.find('\n', begin);
        EXPECT_TRUE(std::binary_search(stored.begin(), stored.end(), data.english.substr(begin, end - begin)));
        begin = end + 1;
    }
    EXPECT_EQ(RunCli(dir, "dict check --dict " + Quote(dictionary().string())).status, 0);
}

#endif

} // namespace
} // namespace carbonym
