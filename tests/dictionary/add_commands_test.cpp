#include "dictionary/add_commands.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_path.h"
#include "dictionary/gbk_codec.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

using test::U;
using Strings = std::vector<std::string>;

class AddCommandsTest : public ::testing::Test {
protected:
    std::filesystem::path path() const { return DictionaryPathIn(dir.Path()); }
    bool WorkFilesExist() const
    {
        return std::filesystem::exists(dir / kEnglishWorkFile) || std::filesystem::exists(dir / kChineseWorkFile);
    }

    test::TempDir dir;
};

// The fault of a batch that threw, with the work files gone.
template <typename Run>
DictionaryFault FaultOf(Run run)
{
    try {
        run();
    } catch (const DictionaryError& error) {
        return error.Fault();
    }
    ADD_FAILURE() << "no DictionaryError";
    return DictionaryFault::Missing;
}

TEST_F(AddCommandsTest, BatchGoesThroughWorkFilesAndRemovesThem)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    // Files of the same names are replaced, and removed like the batch's own.
    test::WriteBytes(dir / kEnglishWorkFile, "old");
    test::WriteBytes(dir / kChineseWorkFile, "old");
    const auto outcome = RunBatchAdd(dir.Path(), u"ethyl\nbutyl\r\nmethyl\n", U("乙基\n丁基\n甲基\n"));
    EXPECT_EQ(outcome.Batch.Added, 2);
    EXPECT_EQ(outcome.Batch.DuplicateCount, 1);
    EXPECT_EQ(test::Entries(path()), (Strings{"6:methyl", "5:butyl", "5:ethyl"}));
    EXPECT_EQ(Trim(ReadDictionary(path())[1].Chinese), U("丁基")); // GBK there and back
    EXPECT_FALSE(WorkFilesExist());

    EXPECT_EQ(RunBatchAdd(dir.Path(), u"\n", u"x").Batch.Added, 0);
    EXPECT_FALSE(WorkFilesExist());
}

TEST_F(AddCommandsTest, EmptyListsWriteNoWorkFile)
{
    EXPECT_EQ(RunBatchAdd(dir.Path(), u"", u"").Status, BoxBatchOutcome::Status::NoEnglish);
    EXPECT_EQ(RunBatchAdd(dir.Path(), u"x", u"").Status, BoxBatchOutcome::Status::NoChinese);
    EXPECT_FALSE(WorkFilesExist());
    EXPECT_FALSE(std::filesystem::exists(path()));
}

TEST_F(AddCommandsTest, UnstorableTextIsRefusedBeforeAnythingIsWritten)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(path());
    test::WriteBytes(dir / kEnglishWorkFile, "someone else's");
    try {
        RunBatchAdd(dir.Path(), u"ethyl\n\nα—€", U("乙基\n\n𝔸"));
        ADD_FAILURE() << "no GbkError";
    } catch (const GbkError& error) {
        EXPECT_EQ(error.Character(), U'\U0001D538');
    }
    EXPECT_EQ(test::ReadBytes(path()), before);
    EXPECT_EQ(test::ReadBytes(dir / kEnglishWorkFile), "someone else's");
    EXPECT_FALSE(std::filesystem::exists(dir / kChineseWorkFile));
}

TEST_F(AddCommandsTest, FailedBatchesRemoveTheWorkFiles)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(path());
    EXPECT_EQ(RunBatchAdd(dir.Path(), u"ethyl\npropyl", U("乙基")).Batch.Status,
              BatchOutcome::Status::ChineseListShorter);
    EXPECT_FALSE(WorkFilesExist());

    const auto outcome = RunBatchAdd(dir.Path(), u"ethyl\n" + std::u16string(40000, u'a'), U("乙基\nx"));
    EXPECT_EQ(outcome.Batch.Fault, TermFault::EnglishTooLong);
    EXPECT_EQ(outcome.Batch.Line, 2);
    EXPECT_FALSE(WorkFilesExist());
    EXPECT_EQ(test::ReadBytes(path()), before);

    std::filesystem::remove(path());
    std::filesystem::create_directory(path());
    EXPECT_EQ(FaultOf([&] { RunBatchAdd(dir.Path(), u"ethyl", u"x"); }), DictionaryFault::Folder);
    EXPECT_FALSE(WorkFilesExist());
}

TEST_F(AddCommandsTest, WorkFileThatCannotBeWritten)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(path());
    std::filesystem::create_directory(dir / kChineseWorkFile);
    EXPECT_EQ(FaultOf([&] { RunBatchAdd(dir.Path(), u"ethyl", U("乙基")); }), DictionaryFault::WorkFileUnwritable);
    EXPECT_FALSE(std::filesystem::exists(dir / kEnglishWorkFile));
    EXPECT_TRUE(std::filesystem::is_directory(dir / kChineseWorkFile)); // not the batch's to remove
    EXPECT_EQ(test::ReadBytes(path()), before);
}

} // namespace
} // namespace carbonym
