#include "term_table.h"

#include "dictionary/dictionary_file.h"
#include "test_support.h"
#include "text/trim.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

TermTable Parse(const std::string& rows)
{
    return ParseTermTable(std::string(kTermTableHeader) + "\n" + rows, "t.tsv");
}

TEST(TermTable, ReadsRowsAndSkipsCommentsAndBlankLines)
{
    const auto table = Parse("# a comment\nethyl\t乙基\tsubstituent\n\nBenzoic acid, 4-amino-\t4-氨基苯甲酸\tcas\n");
    EXPECT_TRUE(table.Errors.empty());
    ASSERT_EQ(table.Rows.size(), 2u);
    EXPECT_EQ(table.Rows[1].English, u"Benzoic acid, 4-amino-");
    EXPECT_EQ(table.Rows[1].Chinese, test::U("4-氨基苯甲酸"));
    EXPECT_EQ(table.Rows[1].Category, "cas");
    EXPECT_EQ(table.Rows[1].Line, 5);
}

TEST(TermTable, RefusesEveryBadLineWithItsNumber)
{
    std::string tooLongChinese;
    for (int i = 0; i < 23; ++i)
        tooLongChinese += "氯";
    const auto table = Parse("methyl\t甲基\tsubstituent\n" // 2: fine
                             "ethyl\t乙基\n" // 3: two fields
                             "propyl\t丙基\tsubstituent\textra\n" // 4: four fields
                             "Methyl\t甲基\tsubstituent\n" // 5: repeats line 2 (case aside)
                             "chloro\t"
                             + tooLongChinese + "\tx\n" // 6: 46 GBK bytes
                             + std::string(65, 'a')
                             + "\t长\tx\n" // 7: 65 characters
                               "oxo\t氧亚基 \tx\n" // 8: trailing blank
                               "thing\t\U0001F600\tx\n" // 9: not GBK
                               "butyl\t\tx\n" // 10: empty Chinese
                               "bad\xff\t坏\tx\n" // 11: not UTF-8
                               "crlf\t回车\tx\r\n"); // 12: carriage return
    ASSERT_EQ(table.Rows.size(), 1u);
    std::vector<std::string> lines;
    for (const auto& error : table.Errors)
        lines.push_back(error.substr(0, error.find(": ")));
    EXPECT_EQ(lines, (std::vector<std::string>{"t.tsv:3", "t.tsv:4", "t.tsv:5", "t.tsv:6", "t.tsv:7", "t.tsv:8",
                                               "t.tsv:9", "t.tsv:10", "t.tsv:11", "t.tsv:12"}));
    EXPECT_NE(table.Errors[2].find("第 2 行"), std::string::npos);
    EXPECT_NE(table.Errors[3].find("46"), std::string::npos);
    EXPECT_NE(table.Errors[6].find("U+1F600"), std::string::npos);

    // 22 Chinese characters fill 44 of the 45 bytes: accepted.
    EXPECT_TRUE(
        Parse("chloro\t" + tooLongChinese.substr(3) + "\tx\n" + std::string(64, 'a') + "\tx\tx\n").Errors.empty());
    EXPECT_FALSE(ParseTermTable("english\tchinese\n", "t.tsv").Errors.empty()); // wrong header
}

TEST(TermTable, AnEnglishTermStandsOnceAcrossAllTables)
{
    const std::string header = std::string(kTermTableHeader) + "\n";
    const auto table = ParseTermTables({{"a.tsv", header + "sodium\t钠\tx\nchloride\t氯化物\tx\n"},
                                        {"b.tsv", header + "iron(II)\t亚铁\tx\nSODIUM\t钠\tx\n"},
                                        {"c.tsv", "no header\n"}});
    ASSERT_EQ(table.Rows.size(), 3u);
    EXPECT_EQ(table.Rows[2].Table, "b.tsv");
    ASSERT_EQ(table.Errors.size(), 2u);
    EXPECT_EQ(table.Errors[0].substr(0, table.Errors[0].find(": ")), "b.tsv:3");
    EXPECT_NE(table.Errors[0].find("a.tsv 第 2 行"), std::string::npos);
    EXPECT_EQ(table.Errors[1].substr(0, table.Errors[1].find(": ")), "c.tsv:1");

    const auto missing = ReadTermTables({std::filesystem::path("/nonexistent/table.tsv")});
    ASSERT_EQ(missing.Errors.size(), 1u);
    EXPECT_NE(missing.Errors[0].find("/nonexistent/table.tsv"), std::string::npos);
}

TEST(TermTable, CompilesLongestFirstThroughTheOrderedInsert)
{
    test::TempDir dir;
    const auto table = Parse("amino\t氨基\tx\nBenzoic acid\t苯甲酸\tx\nethyl ester\t乙酯\tx\nethyl\t乙基\tx\n"
                             "methyl\t甲基\tx\n");
    ASSERT_TRUE(table.Errors.empty());
    CompileTermTable(table.Rows, dir / "out.dat");
    std::vector<std::u16string> order;
    for (const auto& record : ReadDictionary(dir / "out.dat"))
        order.push_back(std::u16string(Trim(record.English)));
    // Among equal lengths the newest insert stands first, as in the program.
    EXPECT_EQ(order, (std::vector<std::u16string>{u"Benzoic acid", u"ethyl ester", u"methyl", u"ethyl", u"amino"}));
    EXPECT_FALSE(std::filesystem::exists(dir / "out.dat.work"));
}

} // namespace
} // namespace carbonym
