#include "test_support.h"
#include "translation/literal_translator.h"
#include "translation/translate_command.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

using test::U;

using Pairs = std::vector<std::pair<std::string, std::string>>;

std::vector<Term> Terms(const Pairs& pairs)
{
    std::vector<TermRecord> records;
    for (const auto& [english, chinese] : pairs)
        records.push_back(MakeRecord(U(english), U(chinese)));
    return PrepareTerms(records);
}

// Runs the literal reference and the program's engine; both must agree.
Translation RunBoth(const Pairs& pairs, const std::string& text)
{
    const auto terms = Terms(pairs);
    const Translation literal = TranslateLiteral(U(text), terms);
    EXPECT_EQ(Translate(U(text), terms), literal) << text;
    return literal;
}

std::u16string Text(const Pairs& pairs, const std::string& text)
{
    return RunBoth(pairs, text).Text;
}

TEST(Translate, OverviewExample)
{
    const Pairs dictionary{{"Benzoic acid", "苯甲酸"}, {"ethyl ester", "乙酯"}, {"amino", "氨基"}};
    const Translation result = RunBoth(dictionary, "Benzoic acid, 4-amino-, ethyl ester");
    EXPECT_EQ(result.Text, U("苯甲酸, 4-氨基-, 乙酯"));
    EXPECT_EQ(result.Caret, U("苯甲酸, 4-氨基").size()); // after the last inserted term
}

TEST(Translate, CaseWordBoundariesAndTextEnds)
{
    EXPECT_EQ(Text({{"methyl", "甲基"}}, "Methyl METHYL methyl"), U("甲基 甲基 甲基"));
    EXPECT_EQ(Text({{"ethyl", "乙基"}}, "methyl"), U("m乙基"));
    EXPECT_EQ(Text({{"methane", "甲烷"}}, "methane"), U("甲烷"));
    EXPECT_EQ(Text({{"methane", "甲烷"}}, "\r\nmethane\r\n"), U("\r\n甲烷\r\n"));
}

TEST(Translate, RecordOrderDecidesOverlaps)
{
    EXPECT_EQ(Text({{"methylene", "亚甲基"}, {"methyl", "甲基"}}, "methylene"), U("亚甲基"));
    EXPECT_EQ(Text({{"methyl", "甲基"}, {"methylene", "亚甲基"}}, "methylene"), U("甲基ene"));
}

TEST(Translate, LaterRecordsSeeEarlierChinese)
{
    // A Latin letter inside an earlier Chinese term is hit by a later record.
    EXPECT_EQ(Text({{"nitrogen", "N氮"}, {"n", "正"}}, "nitrogen"), U("正氮"));
    // A replacement can join its neighbours into a new occurrence.
    EXPECT_EQ(Text({{"xy", "b"}, {"ab", "Z"}}, "axy"), U("Z"));
    // The search of one record resumes after its own insertion.
    EXPECT_EQ(Text({{"a", "aa"}}, "aXa"), U("aaXaa"));
}

TEST(Translate, ChineseFieldRules)
{
    // Cut at the first NUL, then trimmed.
    std::vector<TermRecord> records{TermRecord{3, u"oxo", U("氧代") + std::u16string(1, u'\0') + u"junk"}};
    EXPECT_EQ(TranslateLiteral(u"oxo", PrepareTerms(records)).Text, U("氧代"));
    // A blank Chinese term deletes every occurrence.
    EXPECT_EQ(Text({{"n-", ""}}, "n-butyl n-hexyl"), u"butyl hexyl");
    // A blank English term is skipped, and the command ends.
    EXPECT_EQ(Text({{"   ", "x"}, {"a", "b"}}, "aa"), u"bb");
}

TEST(Translate, NothingReplacedLeavesCaretAtStart)
{
    const Translation result = RunBoth({{"zzz", "z"}}, "methane");
    EXPECT_EQ(result.Text, u"methane");
    EXPECT_EQ(result.Caret, 0u);
}

TEST(Translate, TextsOverSixteenBitsAreTranslatedInFull)
{
    std::string text;
    for (int i = 0; i < 4000; ++i)
        text += "2-methylbutane\r\n"; // 64,000 characters
    const std::u16string result = Text({{"methyl", "甲基"}, {"butane", "丁烷"}}, text);
    EXPECT_EQ(result.find(u"methyl"), std::u16string::npos);
    EXPECT_EQ(result.substr(result.size() - 8), U("2-甲基丁烷\r\n"));
}

TEST(TranslateCommand, EmptySourceIsReported)
{
    test::TempDir dir;
    const auto outcome = TranslateCommand(u"", dir / "source.dat");
    EXPECT_EQ(outcome.Status, TranslateStatus::EmptySource);
    EXPECT_FALSE(std::filesystem::exists(dir / "source.dat")); // never opened
}

TEST(TranslateCommand, MissingDictionaryIsAFailureAndIsNotCreated)
{
    test::TempDir dir;
    const auto outcome = TranslateCommand(u"  \r\n", dir / "source.dat");
    EXPECT_EQ(outcome.Status, TranslateStatus::Failed);
    ASSERT_TRUE(outcome.Error);
    EXPECT_EQ(outcome.Error->Fault(), DictionaryFault::Missing);
    EXPECT_FALSE(std::filesystem::exists(dir / "source.dat"));
}

TEST(TranslateCommand, ReadsTheDictionaryFile)
{
    test::TempDir dir;
    test::WriteDictionaryFile(dir / "source.dat", {{"Benzoic acid", "苯甲酸"}, {"amino", "氨基"}});
    const auto outcome = TranslateCommand(u"benzoic acid, 4-AMINO-", dir / "source.dat");
    EXPECT_EQ(outcome.Result.Text, U("苯甲酸, 4-氨基-"));
}

TEST(TranslateCommand, UnreadableDictionaryIsAFailureWithAMessage)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir / "source.dat");
    const auto outcome = TranslateCommand(u"methane", dir / "source.dat");
    EXPECT_EQ(outcome.Status, TranslateStatus::Failed);
    ASSERT_TRUE(outcome.Error);
    EXPECT_EQ(outcome.Error->Fault(), DictionaryFault::Folder);
}

} // namespace
} // namespace carbonym
