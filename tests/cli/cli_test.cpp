#include "cli_runner.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

using test::Quote;
using test::RunCli;

class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::WriteDictionaryFile(dictionary(),
                                  {{"Benzoic acid", "苯甲酸"}, {"ethyl ester", "乙酯"}, {"amino", "氨基"}});
    }
    std::filesystem::path dictionary() const { return dir / "source.dat"; }
    std::string dict() const { return " --dict " + Quote(dictionary().string()); }

    test::TempDir dir;
};

TEST_F(CliTest, TranslateSortAndBilingual)
{
    const std::string input = "Benzoic acid, 4-amino-, ethyl ester\nbenzoic acid\r\n";
    auto result = RunCli(dir, "translate" + dict(), input);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "苯甲酸, 4-氨基-, 乙酯\n苯甲酸\n");

    result = RunCli(dir, "translate --sort" + dict(), input);
    EXPECT_EQ(result.out, "4-氨基-苯甲酸乙酯\n苯甲酸\n");

    result = RunCli(dir, "translate --sort --bilingual" + dict(), input);
    EXPECT_EQ(result.out, "Benzoic acid, 4-amino-, ethyl ester\n4-氨基-苯甲酸乙酯\nbenzoic acid\n苯甲酸\n");

    // A byte order mark an editor put first is no part of the first name.
    const std::string marked = "\xEF\xBB\xBF" + input;
    EXPECT_EQ(RunCli(dir, "translate --sort=rules" + dict(), marked).out.substr(0, 3), "4-\xE6");
    result = RunCli(dir, "translate --format csv --bom" + dict(), marked);
    EXPECT_EQ(result.out.rfind("\xEF\xBB\xBF\"Benzoic acid", 0), 0u) << result.out;
}

// Plain --sort keeps its order; --sort=rules names functional-class lines
// and CAS names the Chinese way; lines left with English are counted on
// standard error, and --untranslated lists what is left.
TEST_F(CliTest, TranslateSortByRulesAndEnglishLeft)
{
    test::WriteDictionaryFile(dictionary(), {{"Benzoic acid", "苯甲酸"},
                                             {"ethyl ester", "乙酯"},
                                             {"benzoate", "苯甲酸酯"},
                                             {"chloride", "氯化物"},
                                             {"sodium", "钠"},
                                             {"methyl", "甲基"},
                                             {"ethyl", "乙基"},
                                             {"amino", "氨基"}});
    const std::string input = "Benzoic acid, 4-amino-, ethyl ester\nmethyl benzoate\nsodium chloride\n"
                              "glycidyl benzoate\nmethyl glycolate\nethyl glycolate\n";
    auto result = RunCli(dir, "translate --sort" + dict(), input);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out,
              "4-氨基-苯甲酸乙酯\n苯甲酸酯甲基\n氯化物钠\n苯甲酸酯glycidyl\nglycolate甲基\nglycolate乙基\n");
    EXPECT_NE(result.err.find("3 行仍含英文"), std::string::npos) << result.err;

    result = RunCli(dir, "translate --sort=rules" + dict(), input);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "4-氨基苯甲酸乙酯\n苯甲酸甲酯\n氯化钠\n苯甲酸酯glycidyl\nglycolate甲基\nglycolate乙基\n");

    result = RunCli(dir, "translate --sort=rules --bilingual" + dict(), "methyl benzoate\n");
    EXPECT_EQ(result.out, "methyl benzoate\n苯甲酸甲酯\n");
    EXPECT_EQ(result.err, "");

    result = RunCli(dir, "translate --untranslated" + dict(), input);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "2\tglycolate\n1\tglycidyl\n");

    result = RunCli(dir, "translate --sort=reverse" + dict(), input);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("--sort"), std::string::npos);
}

TEST_F(CliTest, TranslateReadsAFile)
{
    test::WriteBytes(dir / "names.txt", "ethyl ester");
    const auto result = RunCli(dir, "translate" + dict() + " " + Quote((dir / "names.txt").string()));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "乙酯");
}

TEST_F(CliTest, TranslateFailures)
{
    auto result = RunCli(dir, "translate" + dict(), "");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("没有要翻译的英文内容！"), std::string::npos);

    result = RunCli(dir, "translate" + dict(), "bad \xff utf-8");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("UTF-8"), std::string::npos);

    result = RunCli(dir, "translate" + dict() + " " + Quote((dir / "missing.txt").string()));
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");

    std::filesystem::create_directory(dir / "folder.dat");
    result = RunCli(dir, "translate --dict " + Quote((dir / "folder.dat").string()), "amino");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("词典"), std::string::npos);
}

TEST_F(CliTest, TranslateSeveralFilesIntoTablesAndFiles)
{
    test::WriteBytes(dir / "a.txt", "Benzoic acid, 4-amino-, ethyl ester\n\"amino\", x\r\n");
    test::WriteBytes(dir / "b.txt", "ethyl ester");
    test::WriteBytes(dir / "c.txt", "amino\n");
    const std::string files = " " + Quote((dir / "a.txt").string()) + " " + Quote((dir / "b.txt").string()) + " "
                              + Quote((dir / "c.txt").string());

    // One after another, each starting on a line of its own.
    auto result = RunCli(dir, "translate --sort" + dict() + files);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "4-氨基-苯甲酸乙酯\n\"氨基\"x\n乙酯\n氨基\n");

    // The table holds the pairs the bilingual output shows, after the sort
    // asked for.
    for (const std::string sort : {"", " --sort", " --sort=rules"}) {
        result = RunCli(dir, "translate --bilingual" + sort + dict() + files);
        const std::string bilingual = result.out;
        result = RunCli(dir, "translate --format tsv" + sort + dict() + files);
        EXPECT_EQ(result.status, 0) << result.err;
        std::string pairs;
        for (size_t start = 0, line = 0; start < bilingual.size(); ++line) {
            const size_t end = bilingual.find('\n', start);
            pairs += bilingual.substr(start, end - start) + (line % 2 == 0 ? "\t" : "\n");
            start = end + 1;
        }
        EXPECT_EQ(result.out, pairs) << sort;
    }

    // CSV with a byte order mark into a file; nothing on standard output.
    result = RunCli(dir,
                    "translate --sort --format=CSV --bom -o " + Quote((dir / "out.csv").string()) + dict() + files);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(test::ReadBytes(dir / "out.csv"),
              "\xEF\xBB\xBF\"Benzoic acid, 4-amino-, ethyl ester\",\"4-氨基-苯甲酸乙酯\"\r\n"
              "\"\"\"amino\"\", x\",\"\"\"氨基\"\"x\"\r\n\"ethyl ester\",\"乙酯\"\r\n\"amino\",\"氨基\"\r\n");
}

TEST_F(CliTest, TranslateRefusesBeforeWritingAnything)
{
    test::WriteBytes(dir / "a.txt", "amino");
    test::WriteBytes(dir / "empty.txt", "");
    const std::string before = test::ReadBytes(dictionary());
    const std::string out = " -o " + Quote((dir / "out.txt").string());

    // A missing or empty input among several: no output at all.
    auto result = RunCli(dir, "translate" + dict() + out + " " + Quote((dir / "a.txt").string()) + " "
                                  + Quote((dir / "missing.txt").string()));
    EXPECT_EQ(result.status, 2);
    result = RunCli(dir, "translate" + dict() + out + " " + Quote((dir / "a.txt").string()) + " "
                             + Quote((dir / "empty.txt").string()));
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("empty.txt"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "out.txt"));

    // The output file is never the dictionary, nor a file kept beside it:
    // the backup that undo restores, the lock, a save's work files.
    test::WriteBytes(dir / "source.dat.bak", before);
#ifndef _WIN32
    std::filesystem::create_symlink(dir / "source.dat.bak", dir / "link-to-backup");
#endif
    for (const char* name : {"source.dat", "source.dat.bak", "source.dat.lock", "source.dat.bak-new",
                             "source.dat.tmp-1-1", "link-to-backup"}) {
        // A Windows build is not asked to see through a link Linux made.
        if (std::string(name) == "link-to-backup"
            && (test::CliIsWindowsBuild() || !std::filesystem::is_symlink(dir / name)))
            continue;
        result = RunCli(dir, "translate" + dict() + " -o " + Quote((dir / name).string()), "amino");
        EXPECT_EQ(result.status, 1) << name;
        EXPECT_NE(result.err.find("已拒绝写入"), std::string::npos) << result.err;
    }
    EXPECT_EQ(test::ReadBytes(dictionary()), before);
    EXPECT_EQ(test::ReadBytes(dir / "source.dat.bak"), before);
    EXPECT_FALSE(std::filesystem::exists(dir / "source.dat.lock"));

    // An output that cannot be written is a failure, not a success.
    result = RunCli(dir, "translate" + dict() + " -o " + Quote((dir / "no" / "out.txt").string()), "amino");
    EXPECT_EQ(result.status, 2);
    EXPECT_FALSE(result.err.empty());

    for (const char* wrong : {"--bom", "--format xml", "--format tsv --bilingual"}) {
        result = RunCli(dir, std::string("translate ") + wrong + dict(), "amino");
        EXPECT_NE(result.status, 0) << wrong;
        EXPECT_EQ(result.out, "") << wrong;
    }
}

TEST_F(CliTest, VersionIsShown)
{
    const auto version = RunCli(dir, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("carbonym-cli ", 0), 0u) << version.out;
    const std::string number = version.out.substr(13, version.out.find('\n') - 13);
    EXPECT_FALSE(number.empty());
    EXPECT_NE(RunCli(dir, "--help").out.find(number), std::string::npos);
}

TEST_F(CliTest, DictListAndShow)
{
    auto result = RunCli(dir, "dict list" + dict());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "1\t12\tBenzoic acid\t苯甲酸\n2\t11\tethyl ester\t乙酯\n3\t5\tamino\t氨基\n");

    result = RunCli(dir, "dict show 2" + dict());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "11\nethyl ester\n乙酯\n");

    for (const char* number : {"0", "4", "-1"}) {
        result = RunCli(dir, std::string("dict show ") + number + dict());
        EXPECT_EQ(result.status, 1) << number; // no such record: refused
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(result.err.empty());
    }
}

TEST_F(CliTest, DictCheckReportsProblemsWithRecordNumbers)
{
    auto result = RunCli(dir, "dict check" + dict());
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "共 3 条记录，没有发现问题。\n");

    // What a batch into an empty dictionary can leave: a short term before a longer one.
    test::WriteDictionaryFile(dictionary(), {{"amino", "氨基"}, {"ethyl ester", "乙酯"}, {"amino", "氨基"}});
    result = RunCli(dir, "dict check" + dict());
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find("第 2 条（长度 11）排在第 1 条（长度 5）之后"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("第 3 条的英文“amino”与第 1 条重复"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("发现 2 个问题"), std::string::npos);

    // What is wrong is said as it is: missing, a folder, not a file.
    for (const auto& [path, why] : std::vector<std::pair<std::filesystem::path, std::string>>{
             {dir / "missing.dat", "不存在"}, {dir.Path(), "这是一个文件夹"}, {"/dev/zero", "不是普通文件"}}) {
        if (path == "/dev/zero" && test::CliIsWindowsBuild())
            continue;
        result = RunCli(dir, "dict check --dict " + Quote(path.string()));
        EXPECT_EQ(result.status, 2) << path;
        EXPECT_NE(result.err.find(why), std::string::npos) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.dat"));
}

// Folder and file names, and terms, with characters outside every ANSI code
// page: on Windows the arguments must be read as Unicode and the files
// opened by their wide names.
TEST_F(CliTest, NamesOutsideAnyCodePage)
{
    const auto folder = dir.Path() / std::filesystem::u8path("Ωmega ü 😀");
    std::filesystem::create_directory(folder);
    const auto dictionary = folder / "source.dat";
    const std::string dict = " --dict " + Quote(dictionary.string());
    auto result = RunCli(dir, "dict add" + dict + " 'ethyl ester' 乙酯");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(test::Entries(dictionary), (std::vector<std::string>{"11:ethyl ester"}));

    const auto names = folder / std::filesystem::u8path("名称 ü😀.txt");
    test::WriteBytes(names, "Ethyl ester\r\n");
    result = RunCli(dir, "translate" + dict + " " + Quote(names.string()));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "乙酯\n");

    // A term GBK cannot hold is refused by name and nothing is stored.
    result = RunCli(dir, "dict add" + dict + " 'x😀yl' 基");
    EXPECT_NE(result.status, 0);
    EXPECT_NE(result.err.find("U+1F600"), std::string::npos) << result.err;
    EXPECT_EQ(test::Entries(dictionary), (std::vector<std::string>{"11:ethyl ester"}));
}

} // namespace
} // namespace carbonym
