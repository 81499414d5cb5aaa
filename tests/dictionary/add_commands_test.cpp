#include "dictionary/add_commands.h"
#include "dictionary/dictionary_path.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

using test::U;
using Strings = std::vector<std::string>;

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

class AddCommandsTest : public ::testing::Test {
protected:
    std::filesystem::path path() const { return DictionaryPathIn(dir.Path()); }
    bool WorkFilesExist() const
    {
        return std::filesystem::exists(dir / kEnglishWorkFile) || std::filesystem::exists(dir / kChineseWorkFile);
    }

    test::TempDir dir;
};

TEST_F(AddCommandsTest, FailedSingleAddSaysSoAndChangesNothing)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(path());

    auto messages = RunAddTerm(path(), u"smile", U("笑😀"));
    ASSERT_EQ(messages.size(), 1u); // and no done message
    EXPECT_EQ(messages[0], "数据添加失败，词典没有任何改动：字符“😀”(U+1F600)无法用 GBK 编码保存");

    messages = RunAddTerm(path(), std::u16string(32768, u'a'), u"x");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("超过 32767 个字符"), std::string::npos) << messages[0];
    EXPECT_EQ(test::ReadBytes(path()), before);

    std::filesystem::remove(path());
    std::filesystem::create_directory(path());
    messages = RunAddTerm(path(), u"ethyl", u"x");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(StartsWith(messages[0], "数据添加失败，词典没有任何改动：无法打开词典文件")) << messages[0];
}

TEST_F(AddCommandsTest, BatchGoesThroughWorkFilesAndRemovesThem)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    // Files of the same names are replaced, and removed like the batch's own.
    test::WriteBytes(dir / kEnglishWorkFile, "old");
    test::WriteBytes(dir / kChineseWorkFile, "old");
    const auto message = RunBatchAdd(dir.Path(), u"ethyl\nbutyl\r\nmethyl\n", U("乙基\n丁基\n甲基\n"));
    EXPECT_EQ(message, "数据添加完毕，已经有  1  个数据存在");
    EXPECT_EQ(test::Entries(path()), (Strings{"6:methyl", "5:butyl", "5:ethyl"}));
    EXPECT_EQ(Trim(ReadDictionary(path())[1].Chinese), U("丁基")); // GBK there and back
    EXPECT_FALSE(WorkFilesExist());

    EXPECT_EQ(RunBatchAdd(dir.Path(), u"\n", u"x"), "数据添加完毕     ");
    EXPECT_FALSE(WorkFilesExist());
}

TEST_F(AddCommandsTest, EmptyListsWriteNoWorkFile)
{
    EXPECT_EQ(RunBatchAdd(dir.Path(), u"", u""), "没有要添加的英文  ");
    EXPECT_EQ(RunBatchAdd(dir.Path(), u"x", u""), "没有要添加的中文  ");
    EXPECT_FALSE(WorkFilesExist());
    EXPECT_FALSE(std::filesystem::exists(path()));
}

TEST_F(AddCommandsTest, UnstorableTextIsRefusedBeforeAnythingIsWritten)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(path());
    test::WriteBytes(dir / kEnglishWorkFile, "someone else's");
    // Even past the blank line that would end the batch.
    const auto message = RunBatchAdd(dir.Path(), u"ethyl\n\nα—€", U("乙基\n\n𝔸"));
    EXPECT_EQ(message, "数据添加失败，词典没有任何改动：字符“𝔸”(U+1D538)无法用 GBK 编码保存");
    EXPECT_EQ(test::ReadBytes(path()), before);
    EXPECT_EQ(test::ReadBytes(dir / kEnglishWorkFile), "someone else's");
    EXPECT_FALSE(std::filesystem::exists(dir / kChineseWorkFile));
}

TEST_F(AddCommandsTest, FailedBatchesRemoveTheWorkFiles)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(path());
    EXPECT_EQ(RunBatchAdd(dir.Path(), u"ethyl\npropyl", U("乙基")),
              "中文列表的行数少于英文列表：英文 2 行，中文 1 行。没有添加任何数据。");
    EXPECT_FALSE(WorkFilesExist());

    const auto message = RunBatchAdd(dir.Path(), u"ethyl\n" + std::u16string(40000, u'a'), U("乙基\nx"));
    EXPECT_TRUE(StartsWith(message, "数据添加失败，词典没有任何改动：英文词条超过 32767 个字符")) << message;
    EXPECT_FALSE(WorkFilesExist());
    EXPECT_EQ(test::ReadBytes(path()), before);

    std::filesystem::remove(path());
    std::filesystem::create_directory(path());
    EXPECT_TRUE(StartsWith(RunBatchAdd(dir.Path(), u"ethyl", u"x"), "数据添加失败"));
    EXPECT_FALSE(WorkFilesExist());
}

TEST_F(AddCommandsTest, WorkFileThatCannotBeWritten)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}});
    const std::string before = test::ReadBytes(path());
    std::filesystem::create_directory(dir / kChineseWorkFile);
    const auto message = RunBatchAdd(dir.Path(), u"ethyl", U("乙基"));
    EXPECT_TRUE(StartsWith(message, "数据添加失败，词典没有任何改动：无法写入临时文件")) << message;
    EXPECT_FALSE(std::filesystem::exists(dir / kEnglishWorkFile));
    EXPECT_TRUE(std::filesystem::is_directory(dir / kChineseWorkFile)); // not the batch's to remove
    EXPECT_EQ(test::ReadBytes(path()), before);
}

} // namespace
} // namespace carbonym
