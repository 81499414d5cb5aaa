#include "dictionary/dictionary_check.h"
#include "dictionary/dictionary_error.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace carbonym {
namespace {

using test::U;

std::vector<ProblemKind> Kinds(const std::vector<DictionaryProblem>& problems)
{
    std::vector<ProblemKind> kinds;
    for (const auto& problem : problems)
        kinds.push_back(problem.Kind);
    return kinds;
}

// A record as a reader sees it, the ASCII English filled to its field, with a
// Length of our choosing.
TermRecord Record(int16_t length, const std::string& english, const std::string& chinese)
{
    auto field = U(english);
    field.resize(std::max(field.size(), kEnglishWidth), u' ');
    return TermRecord{length, field, U(chinese)};
}

TEST(DictionaryCheck, CleanDictionaryHasNoProblems)
{
    test::TempDir dir;
    test::WriteDictionaryFile(
        dir / "source.dat",
        {{"Benzoic acid", "苯甲酸"}, {"ethyl ester", "乙酯"}, {"ethyl", "乙基"}, {"amino", "氨基"}});
    const auto check = CheckDictionary(dir / "source.dat");
    EXPECT_EQ(check.RecordCount, 4);
    EXPECT_TRUE(check.Problems.empty());
}

TEST(DictionaryCheck, OrderRepeatsAndBlanksNameTheirRecords)
{
    const std::vector<TermRecord> records{
        Record(5, "ethyl", "乙基"), Record(6, "methyl", "甲基"), // longer than the record before it
        Record(5, "ethyl", "别的"), // repeats record 1
        Record(5, "ETHYL", "乙基"), // differs in case only
        Record(3, "oxo", ""), // blank Chinese
        Record(0, "", "空"), // blank English
    };
    const auto problems = CheckRecords(records, records.size() * kRecordSize);
    using K = ProblemKind;
    ASSERT_EQ(Kinds(problems),
              (std::vector<K>{K::OutOfOrder, K::Repeated, K::CaseRepeated, K::BlankChinese, K::BlankEnglish}));
    EXPECT_EQ(problems[0].Record, 2);
    EXPECT_EQ(problems[0].Earlier, 1);
    EXPECT_EQ(problems[1].Record, 3);
    EXPECT_EQ(problems[1].Earlier, 1);
    EXPECT_EQ(problems[2].Earlier, 1);
    EXPECT_EQ(problems[4].Record, 6);
}

TEST(DictionaryCheck, LengthMustMatchUnlessTheTermWasCut)
{
    const std::string long70(70, 'x');
    const std::vector<TermRecord> records{
        // Written through the record layer: cut at 64 bytes, Length 70.
        Record(70, long70.substr(0, 64), "长"), Record(9, "methyl", "甲基"), // Length does not match
    };
    const auto problems = CheckRecords(records, records.size() * kRecordSize);
    ASSERT_EQ(Kinds(problems), (std::vector<ProblemKind>{ProblemKind::LengthMismatch}));
    EXPECT_EQ(problems[0].Record, 2);

    // The same long term read back from a file is not a fault either.
    test::TempDir dir;
    test::WriteDictionaryFile(dir / "source.dat", {{long70, "长"}, {"ethyl", "乙基"}});
    EXPECT_TRUE(CheckDictionary(dir / "source.dat").Problems.empty());
}

TEST(DictionaryCheck, UndecodableBytesAndTrailingFragment)
{
    test::TempDir dir;
    const auto path = dir / "source.dat";
    test::WriteDictionaryFile(path, {{"methyl", "甲基"}, {"ethyl", "乙基"}});
    std::string bytes = test::ReadBytes(path);
    bytes[2 + 66] = '\x81'; // a lead byte followed by a space: not GBK
    bytes[2 + 67] = ' ';
    bytes += std::string(60, ' '); // rounds in as a third record, its Length read from spaces
    test::WriteBytes(path, bytes);

    const auto check = CheckDictionary(path);
    EXPECT_EQ(check.RecordCount, 3);
    using K = ProblemKind;
    EXPECT_EQ(Kinds(check.Problems),
              (std::vector<K>{K::Undecodable, K::OutOfOrder, K::BlankEnglish, K::LengthMismatch, K::TrailingBytes}));
    EXPECT_EQ(check.Problems.front().Record, 1);
    EXPECT_EQ(check.Problems.back().Record, 3);

    test::WriteBytes(path, test::ReadBytes(path).substr(0, 2 * kRecordSize + 10)); // ignored when read
    const auto shortTail = CheckDictionary(path);
    EXPECT_EQ(Kinds(shortTail.Problems), (std::vector<K>{K::Undecodable, K::TrailingBytes}));
    EXPECT_EQ(shortTail.Problems.back().Record, 0);
}

TEST(DictionaryCheck, MissingFileIsAnErrorAndIsNotCreated)
{
    test::TempDir dir;
    EXPECT_THROW(CheckDictionary(dir / "source.dat"), DictionaryError);
    EXPECT_FALSE(std::filesystem::exists(dir / "source.dat"));
    EXPECT_THROW(CheckDictionary(dir.Path()), DictionaryError);
}

} // namespace
} // namespace carbonym
