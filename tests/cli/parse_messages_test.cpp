// A wrong command line is refused in Chinese (exit 2), naming what is
// wrong, with a suggestion for a slip of the keyboard; the help is Chinese
// too and shows each option as it is typed.

#include "cli/parse_messages.h"
#include "cli_runner.h"

#include <gtest/gtest.h>

#include <regex>

namespace carbonym {
namespace {

// No sentence of CLI11's own: English words of four letters or more, other
// than those of the command line itself.
bool HasEnglishSentence(const std::string& text)
{
    static const std::regex word("[A-Za-z]{4,}");
    static const std::regex allowed("carbonym|translate|dict|list|show|find|import|export|remove|undo|check|help|"
                                    "sort|rules|plain|format|bilingual|untranslated|output|force|expect|version|"
                                    "source|Carbonym|ENGLISH|CHINESE|TEXT|FILE|LIST|PATH|transalte|sotr|dcit|"
                                    "bogus|wrong|three|names|EXPECT");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), word); it != std::sregex_iterator(); ++it)
        if (!std::regex_match(it->str(), allowed))
            return true;
    return false;
}

TEST(ParseMessages, WrongCommandLinesAreNamedInChinese)
{
    test::TempDir dir;
    test::WriteDictionaryFile(dir / "source.dat", {{"methyl", "甲基"}});
    const std::string dict = " --dict " + test::Quote((dir / "source.dat").string());
    struct Case {
        std::string arguments;
        std::string said; // the first line on standard error
        bool withDictionary = true;
    };
    const std::vector<Case> cases = {
        {"transalte", "没有子命令“transalte”。是不是“translate”？"},
        {"dict lst", "没有子命令“lst”。是不是“list”？"},
        {"dict bogus",
         "没有子命令“bogus”。可用的子命令：list、show、find、add、import、export、set、remove、undo、check"},
        {"", "缺少子命令：“carbonym-cli”之后应是 translate、dict 之一"},
        {"translate --sotr", "“carbonym-cli translate”没有选项“--sotr”。是不是“--sort”？"},
        {"dict list --dcit x", "“carbonym-cli dict list”没有选项“--dcit”。是不是“--dict”？"},
        {"--dict x translate", "选项“--dict”要写在子命令之后：carbonym-cli translate --dict ……"},
        {"translate --format xml", "选项“--format”的值不对：只接受 tsv 或 csv"},
        {"translate --format tsv --bilingual", "选项“--bilingual”不能与选项“--format”同时使用"},
        {"translate --bom", "选项“--bom”只能与选项“--format”一起使用"},
        {"dict import --tsv a.tsv en.txt", "参数 ENGLISH_LIST（英文列表文件）不能与选项“--tsv”同时使用"},
        {"dict show three", "“three”不是参数 N（记录号（从 1 开始））能接受的值：应是整数"},
        {"dict show 三", "“三”不是参数 N（记录号（从 1 开始））能接受的值：应是整数"},
        {"dict show", "缺少参数 N（记录号（从 1 开始））"},
        {"dict show 1 2", "多余的参数“2”：“carbonym-cli dict show”不接受它"},
        {"dict add methyl", "缺少参数 CHINESE（中文）"},
        {"translate -o", "选项“--output”缺少值", false},
        {"translate --bilingual=3", "选项“--bilingual”不带值"},
        {"translate --sort=wrong",
         "“--sort=wrong”不对：--sort 不带值时按中文词序排序，--sort=rules 按命名规则排序（--sort=plain 同不带值）"},
    };
    for (const auto& [arguments, said, withDictionary] : cases) {
        const bool dictionaryFirst = arguments.empty() || arguments.rfind("--dict", 0) == 0;
        const auto result = test::RunCli(dir, arguments + (withDictionary && !dictionaryFirst ? dict : ""), "methyl");
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_EQ(result.out, "") << arguments;
        EXPECT_EQ(result.err.substr(0, result.err.find('\n')), said) << arguments;
        EXPECT_FALSE(HasEnglishSentence(result.err)) << arguments << ": " << result.err;
    }
}

TEST(ParseMessages, HelpIsChineseAndShowsOptionsAsTyped)
{
    test::TempDir dir;
    for (const char* command : {"--help", "translate --help", "dict --help", "dict list --help", "dict show --help",
                                "dict find --help", "dict add --help", "dict import --help", "dict export --help",
                                "dict set --help", "dict remove --help", "dict undo --help", "dict check --help"}) {
        const auto result = test::RunCli(dir, command);
        EXPECT_EQ(result.status, 0) << command;
        EXPECT_EQ(result.out.find("用法: carbonym-cli"), result.out.find('\n') + 1) << command << result.out;
        EXPECT_NE(result.out.find("\n选项:\n"), std::string::npos) << command;
        EXPECT_NE(result.out.find("-h,--help"), std::string::npos) << command;
        EXPECT_FALSE(HasEnglishSentence(result.out)) << command << ":\n" << result.out;
        EXPECT_EQ(result.out.find(" \n"), std::string::npos) << command << ":\n" << result.out;
    }
    const std::string help = test::RunCli(dir, "translate --help").out;
    EXPECT_NE(help.find("  --sort[=plain|rules] "), std::string::npos) << help;
    EXPECT_NE(help.find("  --format tsv|csv "), std::string::npos) << help;
    EXPECT_EQ(help.find("{"), std::string::npos) << help;
}

TEST(ParseMessages, NearestWordIsASlipOfTheKeyboard)
{
    const std::vector<std::string> commands = {"list", "show", "find", "set", "remove", "undo"};
    EXPECT_EQ(cli::NearestWord("lsit", commands), "list"); // a swap
    EXPECT_EQ(cli::NearestWord("SHOW", commands), "show");
    EXPECT_EQ(cli::NearestWord("remve", commands), "remove");
    EXPECT_EQ(cli::NearestWord("st", commands), "set");
    EXPECT_EQ(cli::NearestWord("delete", commands), "");
    EXPECT_EQ(cli::NearestWord("--dictt", {"--dict", "--force"}), "--dict");
}

} // namespace
} // namespace carbonym
