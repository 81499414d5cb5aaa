#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"
#include "test_support.h"
#include "text/trim.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

using test::U;

TEST(DictionaryFile, AbsentFileIsCreatedEmpty)
{
    test::TempDir dir;
    DictionaryFile file(dir / "source.dat");
    EXPECT_EQ(file.RecordCount(), 0);
    file.Close();
    EXPECT_TRUE(std::filesystem::exists(dir / "source.dat"));
    EXPECT_EQ(std::filesystem::file_size(dir / "source.dat"), 0u);
}

TEST(DictionaryFile, WritesAndReadsRecordsInPlace)
{
    test::TempDir dir;
    const auto path = dir / "source.dat";
    test::WriteDictionaryFile(path, {{"ethyl ester", "乙酯"}, {"amino", "氨基"}});
    EXPECT_EQ(std::filesystem::file_size(path), 222u);
    {
        DictionaryFile file(path);
        file.Write(2, MakeRecord(u"nitro", U("硝基")));
        file.Write(3, MakeRecord(u"oxo", U("氧亚基")));
        EXPECT_THROW(file.Write(5, MakeRecord(u"x", u"y")), DictionaryError);
        EXPECT_THROW(file.Read(4), DictionaryError);
    }
    const auto records = ReadDictionary(path);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(Trim(records[0].English), u"ethyl ester");
    EXPECT_EQ(Trim(records[1].Chinese), U("硝基"));
    EXPECT_EQ(records[2].Length, 3);
}

TEST(DictionaryFile, CountRoundsTrailingFragments)
{
    EXPECT_EQ(RecordCountForSize(0), 0);
    EXPECT_EQ(RecordCountForSize(55), 0);
    EXPECT_EQ(RecordCountForSize(56), 1);
    EXPECT_EQ(RecordCountForSize(222 + 55), 2);
    EXPECT_EQ(RecordCountForSize(222 + 56), 3);

    test::TempDir dir;
    const auto path = dir / "source.dat";
    test::WriteDictionaryFile(path, {{"methyl", "甲基"}});
    test::WriteBytes(path, test::ReadBytes(path)
                               + std::string("\x03\x00"
                                             "oxo",
                                             5)
                               + std::string(51, ' '));
    const auto records = ReadDictionary(path);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(Trim(records[1].English), u"oxo");
    // Reading all at once reads each record as reading it alone does.
    DictionaryFile file(path);
    EXPECT_EQ(records, (std::vector<TermRecord>{file.Read(1), file.Read(2)}));
}

TEST(DictionaryFile, UnopenableFileIsAnError)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir / "source.dat");
    EXPECT_THROW(DictionaryFile(dir / "source.dat"), DictionaryError);
    EXPECT_THROW(DictionaryFile(dir / "missing" / "source.dat"), DictionaryError);
}

} // namespace
} // namespace carbonym
