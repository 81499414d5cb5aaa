#include "dictionary/add_terms.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/gbk_codec.h"
#include "test_support.h"
#include "text/trim.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

using test::U;

class AddTermsTest : public ::testing::Test {
protected:
    std::filesystem::path path() const { return dir / "source.dat"; }

    std::vector<std::string> Entries() const { return test::Entries(path()); }

    AddStatus Add(const std::string& english, const std::string& chinese = "中")
    {
        return AddTerm(path(), U(english), U(chinese)).Status;
    }

    test::TempDir dir;
};

using Strings = std::vector<std::string>;

TEST_F(AddTermsTest, OrderedInsertKeepsLongestFirstNewestFirst)
{
    test::WriteDictionaryFile(path(), {{"ethylamine", "x"}, {"methyl", "x"}, {"ethyne", "x"}, {"ethyl", "x"}});
    EXPECT_EQ(Add("propyl"), AddStatus::Inserted); // before every older term of its length
    EXPECT_EQ(Entries(), (Strings{"10:ethylamine", "6:propyl", "6:methyl", "6:ethyne", "5:ethyl"}));
    EXPECT_EQ(Add("oxo"), AddStatus::Inserted); // shortest: appended
    EXPECT_EQ(Add("cyclohexane"), AddStatus::Inserted); // longest: first
    EXPECT_EQ(Entries().front(), "11:cyclohexane");
    EXPECT_EQ(Entries().back(), "3:oxo");
}

TEST_F(AddTermsTest, WorkedExampleNineSixSixFour)
{
    test::WriteDictionaryFile(path(), {{"aminoacyl", "a"}, {"methyl", "b"}, {"ethyne", "c"}, {"oxy-", "d"}});
    EXPECT_EQ(Add("propyl", "  丙基 "), AddStatus::Inserted);
    EXPECT_EQ(Entries(), (Strings{"9:aminoacyl", "6:propyl", "6:methyl", "6:ethyne", "4:oxy-"}));
    const auto records = ReadDictionary(path());
    EXPECT_EQ(Trim(records[1].Chinese), U("丙基"));
    EXPECT_EQ(Trim(records[2].Chinese), u"b"); // moved with its own record
}

TEST_F(AddTermsTest, ReplacedFileKeepsItsPermissions)
{
    namespace fs = std::filesystem;
#ifdef _WIN32
    GTEST_SKIP() << "Windows keeps no owner, group and other permissions";
#endif
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    fs::permissions(path(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Add("ethyl"), AddStatus::Inserted);
    EXPECT_EQ(fs::status(path()).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AddTermsTest, SaveClearsTheTemporaryFilesOfSavesCutShort)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    // Only names of the exact form a save writes, of a process that is gone.
    test::WriteBytes(dir / "source.dat.tmp-99999999-1", "half a save");
    for (const char* name : {"source.dat.tmp", "source.dat.tmp-mine", "source.dat.tmp-99999999-1.keep",
                             "source.dat.tmp-99999999-", "source.dat.tmp-0-1"})
        test::WriteBytes(dir / name, "not ours");
    const std::string running = "source.dat.tmp-" + std::to_string(getpid()) + "-999999";
    test::WriteBytes(dir / running, "a save going on");
    EXPECT_EQ(Add("ethyl"), AddStatus::Inserted);
    EXPECT_FALSE(std::filesystem::exists(dir / "source.dat.tmp-99999999-1"));
    for (const char* name : {"source.dat.tmp", "source.dat.tmp-mine", "source.dat.tmp-99999999-1.keep",
                             "source.dat.tmp-99999999-", "source.dat.tmp-0-1"})
        EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
    EXPECT_TRUE(std::filesystem::exists(dir / running));
}

TEST_F(AddTermsTest, ReadOnlyDictionaryIsNotReplaced)
{
    namespace fs = std::filesystem;
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(path());
    fs::permissions(path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    test::UnprivilegedScope user(dir.Path());
    if (std::ofstream(path(), std::ios::app))
        GTEST_SKIP() << "running with permission to write anywhere";
    EXPECT_THROW(Add("ethyl"), DictionaryError);
    EXPECT_EQ(test::ReadBytes(path()), before);
}

TEST_F(AddTermsTest, DuplicatesAreTrimmedEnglishLetterCaseAside)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(path());
    EXPECT_EQ(Add("  methyl ", "别的"), AddStatus::Duplicate);
    // Translating ignores case: such a record would never be applied.
    const auto outcome = AddTerm(path(), u"Methyl", u"x");
    EXPECT_EQ(outcome.Status, AddStatus::CaseDuplicate);
    EXPECT_EQ(outcome.Stored, u"methyl");
    EXPECT_EQ(test::ReadBytes(path()), before);
}

TEST_F(AddTermsTest, EmptyDictionaryAndBlankTexts)
{
    EXPECT_EQ(Add(""), AddStatus::NoEnglish);
    EXPECT_EQ(Add("x", ""), AddStatus::NoChinese);
    EXPECT_FALSE(std::filesystem::exists(path())); // never opened
    EXPECT_EQ(Add("   "), AddStatus::Refused);
    EXPECT_FALSE(std::filesystem::exists(path()));
    EXPECT_EQ(Add("ethyl\r\nmore", "乙基\r\n更多"), AddStatus::FirstRecord);
    EXPECT_EQ(Entries(), Strings{"5:ethyl"});
    EXPECT_EQ(Trim(ReadDictionary(path())[0].Chinese), U("乙基"));
    EXPECT_EQ(Add("   ", "  "), AddStatus::Refused);
    EXPECT_EQ(Entries(), Strings{"5:ethyl"});
}

TEST_F(AddTermsTest, DuplicateTestSeesTheWholeOutOfOrderFile)
{
    // Out of order, as a batch into an empty dictionary can leave it.
    test::WriteDictionaryFile(path(), {{"oxo", "x"}, {"methyl", "x"}});
    EXPECT_EQ(Add("methyl"), AddStatus::Duplicate);
    // A new term goes before the first record whose length is less or equal.
    EXPECT_EQ(Add("ethyl"), AddStatus::Inserted);
    EXPECT_EQ(Entries(), (Strings{"5:ethyl", "3:oxo", "6:methyl"}));
}

TEST_F(AddTermsTest, LongTermsAreCutAndDuplicatesAsCut)
{
    test::WriteDictionaryFile(path(), {{"a", "x"}});
    const std::string term(70, 'b');
    EXPECT_EQ(Add(term), AddStatus::Inserted);
    EXPECT_EQ(Add(term), AddStatus::Duplicate);
    EXPECT_EQ(Add(std::string(64, 'b') + "other"), AddStatus::Duplicate);
    EXPECT_EQ(Entries(), (Strings{"70:" + std::string(64, 'b'), "1:a"}));
}

TEST_F(AddTermsTest, RefusedPairsLeaveTheFileAlone)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(path());
    EXPECT_THROW(Add("smile", "😀"), GbkError);
    EXPECT_EQ(AddTerm(path(), std::u16string(40000, u'a'), u"x").Fault, TermFault::EnglishTooLong);
    EXPECT_EQ(test::ReadBytes(path()), before);
}

TEST_F(AddTermsTest, UntouchedRecordsKeepTheirBytes)
{
    // Bytes GBK cannot decode, and a trailing fragment that counts as a record.
    std::string odd(111, ' ');
    odd[0] = 9;
    odd[2] = '\xff';
    odd[3] = '\x80';
    test::WriteBytes(path(), odd
                                 + std::string("\x02\x00"
                                               "ab",
                                               4)
                                 + std::string(60, ' '));
    EXPECT_EQ(Add("x"), AddStatus::Inserted);
    const std::string after = test::ReadBytes(path());
    ASSERT_EQ(after.size(), 3 * 111u);
    EXPECT_EQ(after.substr(0, 111), odd);
    EXPECT_EQ(after.substr(111, 64), std::string("\x02\x00"
                                                 "ab",
                                                 4)
                                         + std::string(60, ' '));

    // A fragment too short to count as a record stays as it is, at the end.
    test::WriteBytes(path(), after + "fragment");
    EXPECT_EQ(Add("yy"), AddStatus::Inserted);
    const std::string kept = test::ReadBytes(path());
    ASSERT_EQ(kept.size(), 4 * 111u + 8);
    EXPECT_EQ(kept.substr(4 * 111), "fragment");
}

TEST_F(AddTermsTest, UnwritableDirectoryFailsAndKeepsTheOldFile)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(path());
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    test::UnprivilegedScope user(dir.Path());
    if (std::filesystem::exists(dir / "probe") || std::ofstream(dir / "probe"))
        GTEST_SKIP() << "running with permission to write anywhere";
    EXPECT_THROW(Add("ethyl"), DictionaryError);
    EXPECT_EQ(test::ReadBytes(path()), before);
}

TEST(SplitWorkFileLines, EndsLinesAtCarriageReturns)
{
    using Lines = std::vector<std::u16string>;
    EXPECT_EQ(SplitWorkFileLines(u""), Lines{});
    EXPECT_EQ(SplitWorkFileLines(u"a\r\nb"), (Lines{u"a", u"b"}));
    EXPECT_EQ(SplitWorkFileLines(u"a\r\n"), (Lines{u"a"}));
    EXPECT_EQ(SplitWorkFileLines(u"\r\n"), (Lines{u""}));
    EXPECT_EQ(SplitWorkFileLines(u"a\rb\nc"), (Lines{u"a", u"b\nc"}));
}

class AddBatchTest : public AddTermsTest {
protected:
    BatchOutcome Batch(const std::string& english, const std::string& chinese)
    {
        return AddBatch(path(), SplitWorkFileLines(U(english)), SplitWorkFileLines(U(chinese)));
    }
};

TEST_F(AddBatchTest, IntoEmptyDictionaryKeepsListOrder)
{
    const auto outcome = Batch("oxo\r\nmethyl\r\nMethyl\r\n", "氧代\r\n甲基\r\n甲基\r\n多余");
    EXPECT_EQ(outcome.Added, 2);
    ASSERT_EQ(outcome.Duplicates.size(), 1u);
    EXPECT_EQ(outcome.Duplicates[0].Status, InsertStatus::CaseDuplicate);
    EXPECT_EQ(outcome.Duplicates[0].Stored, u"methyl");
    EXPECT_EQ(Entries(), (Strings{"3:oxo", "6:methyl"}));
}

TEST_F(AddBatchTest, CountsDuplicatesAndSeesEarlierPairs)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}, {"oxo", "氧代"}});
    const auto outcome = Batch("ethyl\r\nmethyl\r\nethyl\r\noxo\r\nbutyl", "1\r\n2\r\n3\r\n4\r\n5");
    EXPECT_EQ(outcome.Added, 2);
    EXPECT_EQ(outcome.DuplicateCount, 3);
    EXPECT_EQ(Entries(), (Strings{"6:methyl", "5:butyl", "5:ethyl", "3:oxo"}));
}

TEST_F(AddBatchTest, BlankLinesInStepArePassedOverAndTabsCut)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    const auto outcome = Batch("ethyl\tcol2\r\n  \r\n\r\nbutyl", "乙基\t别的\r\n\r\n \r\n丁基");
    EXPECT_EQ(outcome.Added, 2);
    EXPECT_EQ(Entries(), (Strings{"6:methyl", "5:butyl", "5:ethyl"}));
    EXPECT_EQ(Trim(ReadDictionary(path())[2].Chinese), U("乙基"));
    EXPECT_EQ(Batch("\r\n", "x").Added, 0); // the English list ends before its Chinese
}

// A line blank in one list only would shift every pair after it, or store
// a blank term: the whole batch is refused, naming the line.
TEST_F(AddBatchTest, LineBlankInOneListRefusesTheBatch)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(path());
    struct Case {
        std::string english, chinese;
        int64_t line;
        TermFault fault;
    };
    for (const auto& [english, chinese, line, fault] : std::vector<Case>{
             {"ethyl\r\n\r\nbutyl", "乙基\r\n丙基\r\n丁基", 2, TermFault::BlankEnglish},
             {"ethyl\r\nbutyl", "乙基\r\n  ", 2, TermFault::BlankChinese},
             {"\tstarts with tab", "x", 1, TermFault::BlankEnglish},
             {"a\x01b", "x", 1, TermFault::ControlInEnglish},
         }) {
        const auto outcome = Batch(english, chinese);
        EXPECT_EQ(outcome.Status, BatchOutcome::Status::LineRefused) << english;
        EXPECT_EQ(outcome.Line, line) << english;
        EXPECT_EQ(outcome.Fault, fault) << english;
        EXPECT_EQ(test::ReadBytes(path()), before);
    }
}

TEST_F(AddBatchTest, ShorterChineseListIsRefusedBeforeWriting)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(path());
    const auto outcome = Batch("ethyl\r\npropyl\r\nbutyl\r\n\r\nmore\r\n\r\n", "乙基\r\n丙基");
    EXPECT_EQ(outcome.Status, BatchOutcome::Status::ChineseListShorter);
    EXPECT_EQ(outcome.EnglishLines, 5);
    EXPECT_EQ(outcome.ChineseLines, 2);
    EXPECT_EQ(test::ReadBytes(path()), before);
}

TEST_F(AddBatchTest, OneUnstorablePairRefusesTheWholeBatch)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(path());
    EXPECT_THROW(Batch("ethyl\r\nsmile", "乙基\r\n😀"), GbkError);
    EXPECT_EQ(test::ReadBytes(path()), before);
}

} // namespace
} // namespace carbonym
