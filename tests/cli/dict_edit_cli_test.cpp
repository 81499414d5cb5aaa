// The dictionary from the command line as a careful user and as a careless
// one meet it: search, correction, removal and undo; commands that only read
// never create a file; output that does not arrive is a failure; imports
// with blank lines and foreign line ends; links and other users' files.

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace carbonym {
namespace {

using test::Quote;
using test::RunCli;
using test::U;
using Strings = std::vector<std::string>;

class DictEditCliTest : public ::testing::Test {
protected:
    std::filesystem::path dictionary() const { return dir / "source.dat"; }
    std::string dict() const { return " --dict " + Quote(dictionary().string()); }
    std::string File(const std::string& name, const std::string& content) const
    {
        test::WriteBytes(dir / name, content);
        return " " + Quote((dir / name).string());
    }
    Strings Names() const
    {
        Strings names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            if (!(test::CliIsWindowsBuild() && entry.path().filename() == "source.dat.lock"))
                names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempDir dir;
};

TEST_F(DictEditCliTest, FindSetRemoveAndUndo)
{
    test::WriteDictionaryFile(dictionary(), {{"Benzoic acid", "苯甲酸"}, {"methyl", "甲基"}, {"ethyl", "乙基"}});
    auto result = RunCli(dir, "dict find" + dict() + " ETHYL");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "2\t6\tmethyl\t甲基\n3\t5\tethyl\t乙基\n"); // the format of dict list
    EXPECT_EQ(RunCli(dir, "dict find" + dict() + " 苯").out, "1\t12\tBenzoic acid\t苯甲酸\n");
    result = RunCli(dir, "dict find" + dict() + " propyl");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err, "");

    result = RunCli(dir, "dict set" + dict() + " ' ethyl ' 乙基团");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(RunCli(dir, "dict show 3" + dict()).out, "5\nethyl\n乙基团\n");
    // The English is matched as dict find matches it, letter case aside.
    result = RunCli(dir, "dict set" + dict() + " ETHYL 乙基团");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "英文为“ethyl”的记录的中文已经是“乙基团”，词典没有改动\n");
    EXPECT_EQ(RunCli(dir, "dict set" + dict() + " ethyl ''").status, 1);

    EXPECT_EQ(RunCli(dir, "dict remove" + dict() + " methyl").status, 0);
    EXPECT_EQ(RunCli(dir, "dict remove" + dict() + " methyl").status, 1);
    EXPECT_EQ(test::Entries(dictionary()), (Strings{"12:Benzoic acid", "5:ethyl"}));

    // Undo takes the removal back, and a second undo the undo.
    EXPECT_EQ(RunCli(dir, "dict undo" + dict()).status, 0);
    EXPECT_EQ(test::Entries(dictionary()), (Strings{"12:Benzoic acid", "6:methyl", "5:ethyl"}));
    EXPECT_EQ(RunCli(dir, "dict undo" + dict()).status, 0);
    EXPECT_EQ(test::Entries(dictionary()), (Strings{"12:Benzoic acid", "5:ethyl"}));

    // A set to what is stored writes nothing, and a set with --expect
    // changes only what it expects.
    const std::string now = test::ReadBytes(dictionary());
    const std::string backup = test::ReadBytes(dir / "source.dat.bak");
    result = RunCli(dir, "dict set" + dict() + " ethyl 乙基团");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("没有改动"), std::string::npos) << result.out;
    EXPECT_EQ(test::ReadBytes(dir / "source.dat.bak"), backup);
    result = RunCli(dir, "dict set --expect 乙基" + dict() + " ethyl 乙基二");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("现在是“乙基团”"), std::string::npos) << result.err;
    EXPECT_EQ(RunCli(dir, "dict remove --expect 乙基" + dict() + " ethyl").status, 1);
    EXPECT_EQ(test::ReadBytes(dictionary()), now);
    EXPECT_EQ(RunCli(dir, "dict set --expect 乙基团" + dict() + " ethyl 乙基二").status, 0);
    EXPECT_EQ(RunCli(dir, "dict undo" + dict()).status, 0);
    EXPECT_EQ(test::ReadBytes(dictionary()), now);

    // A backup that is damaged where the dictionary is not, or empty, is
    // not restored unless asked for with --force.
    const std::string good = test::ReadBytes(dir / "source.dat.bak");
    for (const auto& [damaged, why] :
         std::vector<std::pair<std::string, std::string>>{{good.substr(0, 150), "不是完好的词典"},
                                                          {std::string(222, '\xff'), "不是完好的词典"},
                                                          {"", "没有任何数据"}}) {
        test::WriteBytes(dir / "source.dat.bak", damaged);
        result = RunCli(dir, "dict undo" + dict());
        EXPECT_EQ(result.status, 1) << why;
        EXPECT_NE(result.err.find(why), std::string::npos) << result.err;
        EXPECT_EQ(test::ReadBytes(dictionary()), now);
    }
    EXPECT_EQ(RunCli(dir, "dict undo --force" + dict()).status, 0);
    EXPECT_EQ(test::ReadBytes(dictionary()), "");
    EXPECT_EQ(RunCli(dir, "dict undo" + dict()).status, 0); // and back
    EXPECT_EQ(test::ReadBytes(dictionary()), now);

    std::filesystem::remove(dir / "source.dat.bak");
    EXPECT_EQ(RunCli(dir, "dict undo" + dict()).status, 1);
    EXPECT_EQ(Names(), (Strings{"source.dat"}));

    // An older dictionary holding twins that differ only in letter case:
    // the exact one is changed; any other spelling guesses none, naming them.
    test::WriteDictionaryFile(dictionary(), {{"Methyl", "甲基"}, {"methyl", "甲基"}});
    EXPECT_EQ(RunCli(dir, "dict set" + dict() + " methyl 甲基团").status, 0);
    result = RunCli(dir, "dict remove" + dict() + " METHYL");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "词典中没有英文正好是“METHYL”的记录，只差大小写的有 2 条：“Methyl”、“methyl”。"
                          "请照其中一条的大小写写出英文，没有修改\n");
    EXPECT_EQ(test::Entries(dictionary()), (Strings{"6:Methyl", "6:methyl"}));
}

TEST_F(DictEditCliTest, CommandsThatReadNeverCreateADictionary)
{
    const std::string missing = " --dict " + Quote((dir / "typo.dat").string());
    for (const std::string command : {"translate", "dict list", "dict show 1", "dict export", "dict find x",
                                      "dict check", "dict set a b", "dict remove a", "dict undo"}) {
        const auto result = RunCli(dir, command + missing, "methyl\n");
        EXPECT_EQ(result.status, 2) << command;
        EXPECT_EQ(result.out, "") << command;
        EXPECT_NE(result.err.find("不存在"), std::string::npos) << command << ": " << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "typo.dat"));
}

#ifndef _WIN32

// Runs a command with its standard output on a full device.
int RunIntoFullDevice(const test::TempDir& dir, const std::string& arguments, std::string& err)
{
    const std::string command = Quote(CARBONYM_CLI) + " " + arguments + " < " + Quote((dir / "in.txt").string())
                                + " > /dev/full 2> " + Quote((dir / "err.txt").string());
    const int raw = std::system(command.c_str());
    err = test::ReadBytes(dir / "err.txt");
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

TEST_F(DictEditCliTest, OutputThatCannotBeWrittenIsAFailure)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_FAIL() << "/dev/full is missing";
    test::WriteDictionaryFile(dictionary(), {{"methyl", "甲基"}});
    test::WriteBytes(dir / "in.txt", "methyl\n");
    std::string err;
    for (const std::string command : {"dict export", "dict list", "dict find m", "translate", "dict check"}) {
        EXPECT_EQ(RunIntoFullDevice(dir, command + dict(), err), 2) << command;
        EXPECT_NE(err.find("无法写入标准输出"), std::string::npos) << command << ": " << err;
    }
    EXPECT_EQ(RunIntoFullDevice(dir, "dict add" + dict() + " ethyl 乙基", err), 2);
    EXPECT_EQ(test::Entries(dictionary()), (Strings{"6:methyl", "5:ethyl"})); // the add itself is done

    // A reader that goes away (a closed pipe) is a failure as well: status
    // 2 and a message, not death by a signal.
    std::string names;
    for (int i = 0; i < 100'000; ++i)
        names += "methyl\n";
    test::WriteBytes(dir / "in.txt", names);
    const std::string command = "(" + Quote(CARBONYM_CLI) + " translate" + dict() + " < "
                                + Quote((dir / "in.txt").string()) + " 2> " + Quote((dir / "err.txt").string())
                                + "; echo $? > " + Quote((dir / "status.txt").string()) + ") | head -c 1 > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(test::ReadBytes(dir / "status.txt"), "2\n");
    EXPECT_NE(test::ReadBytes(dir / "err.txt").find("无法写入标准输出"), std::string::npos);
}

#endif

TEST_F(DictEditCliTest, ImportsPassBlankLinesAndNameDuplicates)
{
    test::WriteDictionaryFile(dictionary(), {{"methyl", "甲基"}});
    // "\n\r" line ends, as some old programs write them, and blank lines.
    auto result = RunCli(dir,
                         "dict import" + dict() + " --tsv"
                             + File("t.tsv", "ethyl\t乙基\n\r\n\rmethyl\t别的\n\r   \n\rpropyl\t丙基\n\rethyl\tx\n\r"));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "数据添加完毕：添加了 2 个，2 个已经存在\n");
    EXPECT_EQ(result.err, "已经存在，没有添加：methyl\n已经存在，没有添加：ethyl\n");
    EXPECT_EQ(test::Entries(dictionary()), (Strings{"6:propyl", "6:methyl", "5:ethyl"}));
    const std::string before = test::ReadBytes(dictionary());

    // Nothing to add is no success.
    EXPECT_EQ(RunCli(dir, "dict import" + dict() + " --tsv" + File("blank.tsv", "\n  \n\r\n")).status, 1);
    EXPECT_EQ(RunCli(dir, "dict import" + dict() + File("en.txt", "\nbutyl\n") + File("zh.txt", "x\n丁基\n")).status,
              1);
    result = RunCli(dir, "dict import" + dict() + " --tsv" + File("dup.tsv", "methyl\t甲基\nETHYL\t乙基\n"));
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("没有添加任何数据：2 个数据都已经存在"), std::string::npos) << result.err;
    EXPECT_EQ(test::ReadBytes(dictionary()), before);

    // A line feed in a single add: its first line is added.
    result = RunCli(dir, "dict add" + dict() + " \"$(printf 'butyl\\nsecond')\" \"$(printf '丁基\\r\\n第二')\"");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(test::Entries(dictionary())[2], "5:butyl"); // the newest first among equals
    EXPECT_EQ(RunCli(dir, "dict find" + dict() + " 丁基").out, "3\t5\tbutyl\t丁基\n");

    // What an older program stored with its line break is flagged.
    test::WriteDictionaryFile(dictionary(), {{"butyl\nsecond", "丁基"}});
    result = RunCli(dir, "dict check" + dict());
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find("换行"), std::string::npos) << result.out;
}

#ifndef _WIN32

TEST_F(DictEditCliTest, LinksAndOtherUsersFiles)
{
    if (test::CliIsWindowsBuild())
        GTEST_SKIP() << "POSIX owners, modes and links: not what a Windows build keeps";
    // A hard link is split only when the user repeats the command with --force.
    test::WriteDictionaryFile(dictionary(), {{"methyl", "甲基"}});
    std::filesystem::create_hard_link(dictionary(), dir / "other.dat");
    auto result = RunCli(dir, "dict add" + dict() + " ethyl 乙基");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("--force"), std::string::npos) << result.err;
    EXPECT_EQ(test::Entries(dictionary()), Strings{"6:methyl"});
    EXPECT_EQ(RunCli(dir, "dict add --force" + dict() + " ethyl 乙基").status, 0);
    EXPECT_EQ(test::Entries(dictionary()), (Strings{"6:methyl", "5:ethyl"}));
    EXPECT_EQ(test::Entries(dir / "other.dat"), Strings{"6:methyl"});

    // Another user's file, in a folder everyone may write: an unprivileged
    // user cannot keep root as its owner, so the save is refused. This needs
    // root to hand the command to another user (CI runs as root).
    if (geteuid() != 0)
        GTEST_SKIP() << "not root: cannot run the command as another user";
    std::filesystem::remove(dir / "other.dat");
    ASSERT_EQ(chmod(dir.Path().c_str(), 0777), 0);
    ASSERT_EQ(chmod(dictionary().c_str(), 0666), 0);
    const std::string before = test::ReadBytes(dictionary());
    const std::string asNobody = "setpriv --reuid=65534 --regid=65534 --clear-groups " + Quote(CARBONYM_CLI);
    auto runAsNobody = [&](const std::string& arguments) {
        const std::string command = asNobody + " " + arguments + " > /dev/null 2> " + Quote((dir / "err.txt").string());
        const int raw = std::system(command.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(runAsNobody("dict add" + dict() + " propyl 丙基"), 2);
    EXPECT_NE(test::ReadBytes(dir / "err.txt").find("所有者"), std::string::npos) << test::ReadBytes(dir / "err.txt");
    ASSERT_EQ(chmod(dictionary().c_str(), 0644), 0);
    EXPECT_EQ(runAsNobody("dict remove" + dict() + " methyl"), 2);
    EXPECT_NE(test::ReadBytes(dir / "err.txt").find("只读"), std::string::npos) << test::ReadBytes(dir / "err.txt");
    EXPECT_EQ(test::ReadBytes(dictionary()), before);

    // The user's own file: saved, and still theirs after root changes it.
    ASSERT_EQ(chown(dictionary().c_str(), 65534, 65534), 0);
    EXPECT_EQ(runAsNobody("dict add" + dict() + " propyl 丙基"), 0) << test::ReadBytes(dir / "err.txt");
    EXPECT_EQ(RunCli(dir, "dict add" + dict() + " butyl 丁基").status, 0);
    struct stat info { };
    ASSERT_EQ(stat(dictionary().c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
    EXPECT_EQ(test::Entries(dictionary()), (Strings{"6:propyl", "6:methyl", "5:butyl", "5:ethyl"}));
}

#endif

} // namespace
} // namespace carbonym
