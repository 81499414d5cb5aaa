// A dictionary that cannot be written in full, as on a full disk: the old
// file stays exactly as it was and the failure is reported.

#include "dictionary/add_commands.h"
#include "dictionary/add_terms.h"
#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_path.h"
#include "fault_injection.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

#ifndef _WIN32

class FailingWriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<std::pair<std::string, std::string>> pairs;
        for (int i = 0; i < 200; ++i)
            pairs.emplace_back("term number " + std::to_string(1000 - i), "词");
        test::WriteDictionaryFile(path(), pairs);
        before = test::ReadBytes(path());
    }
    std::filesystem::path path() const { return DictionaryPathIn(dir.Path()); }

    // Only the dictionary is left in its directory, as it was.
    void ExpectUntouched() const
    {
        EXPECT_EQ(test::ReadBytes(path()), before);
        size_t files = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            ++files;
        EXPECT_EQ(files, 1u);
    }

    test::TempDir dir;
    std::string before;
};

TEST_F(FailingWriteTest, SingleAdd)
{
    test::FileSizeLimit full(8192);
    try {
        AddTerm(path(), u"ethyl", u"x");
        ADD_FAILURE() << "the add did not fail";
    } catch (const DictionaryError& error) {
        EXPECT_EQ(error.Fault(), DictionaryFault::DiskFull) << error.what();
    }
    ExpectUntouched();
}

TEST_F(FailingWriteTest, Batch)
{
    test::FileSizeLimit full(8192);
    EXPECT_THROW(AddBatch(path(), {u"ethyl", u"propyl"}, {u"x", u"y"}), DictionaryError);
    ExpectUntouched();
    try {
        RunBatchAdd(dir.Path(), u"ethyl\npropyl", u"x\ny");
        ADD_FAILURE() << "the batch did not fail";
    } catch (const DictionaryError& error) {
        EXPECT_EQ(error.Saving(), path()) << error.what();
    }
    ExpectUntouched(); // the work files are gone too
}

#endif

} // namespace
} // namespace carbonym
