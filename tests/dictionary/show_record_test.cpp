#include "dictionary/dictionary_path.h"
#include "dictionary/record_number.h"
#include "dictionary/show_record.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

using test::U;

TEST(ParseRecordNumber, LeadingNumberRoundedHalfToEven)
{
    const std::vector<std::pair<std::u16string, int32_t>> cases = {
        {u"12", 12},
        {u" 7", 7},
        {u"7abc", 7},
        {u"2.5", 2},
        {u"3.5", 4},
        {u"-2.5", -2},
        {u"0.51", 1},
        {u"", 0},
        {u"abc", 0},
        {u"-", 0},
        {u".", 0},
        {u".5", 0},
        {u"+5", 5},
        {u"\t\n3", 3},
        {u"1 2", 12},
        {u"3,5", 3},
        {u"1e3", 1000},
        {u"1D2", 100},
        {u"2e-1", 0},
        {u"1e", 1},
        {u"1e+", 1},
        {u"1e-400", 0},
        {u"2147483647", INT32_MAX},
        {u"-2147483648", INT32_MIN},
        {u"１", 0}, // a full-width digit is not a number
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(ParseRecordNumber(text), number) << Utf16ToUtf8(text);
    for (const auto* text : {u"2147483648", u"-2147483649", u"1e400", u"99999999999"})
        EXPECT_EQ(ParseRecordNumber(text), std::nullopt) << Utf16ToUtf8(text);
}

class ShowRecordTest : public ::testing::Test {
protected:
    std::filesystem::path path() const { return DictionaryPathIn(dir.Path()); }
    test::TempDir dir;
};

TEST_F(ShowRecordTest, ShowsTheNumberedRecordTrimmed)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int i = 1; i <= 12; ++i)
        pairs.emplace_back("term" + std::to_string(i), "词" + std::to_string(i));
    pairs[11] = {std::string(70, 'x'), "长"};
    test::WriteDictionaryFile(path(), pairs);

    auto shown = ShowRecord(path(), u"3.5");
    EXPECT_EQ(shown.Status, ShownRecord::Status::Found);
    EXPECT_EQ(shown.Length, u"5");
    EXPECT_EQ(shown.English, u"term4");
    EXPECT_EQ(shown.Chinese, U("词4"));

    // Cut to its field, with the full count in Length.
    shown = ShowRecord(path(), u" 12");
    EXPECT_EQ(shown.Length, u"70");
    EXPECT_EQ(shown.English, std::u16string(64, u'x'));
}

TEST_F(ShowRecordTest, NumbersOutsideTheDictionaryAreNamed)
{
    test::WriteDictionaryFile(path(), {{"methyl", "甲基"}, {"ethyl", "乙基"}});
    const std::string before = test::ReadBytes(path());
    for (const auto* text : {u"", u"0", u"-1", u"3", u"abc", u"99999999999"}) {
        const auto shown = ShowRecord(path(), text);
        EXPECT_EQ(shown.Status, ShownRecord::Status::OutOfRange);
        EXPECT_EQ(shown.Count, 2);
    }
    EXPECT_EQ(ShowRecord(path(), u"99999999999").Number, std::nullopt);
    EXPECT_EQ(ShowRecord(path(), u"99999999999").NumberText, u"99999999999");
    EXPECT_EQ(test::ReadBytes(path()), before);

    // Showing never creates a dictionary: an absent one has no records.
    std::filesystem::remove(path());
    EXPECT_EQ(ShowRecord(path(), u"1").Count, 0);
    EXPECT_FALSE(std::filesystem::exists(path()));
}

TEST_F(ShowRecordTest, UnreadableDictionaryGivesItsFault)
{
    std::filesystem::create_directory(path());
    const auto shown = ShowRecord(path(), u"1");
    EXPECT_EQ(shown.Status, ShownRecord::Status::Failed);
    ASSERT_TRUE(shown.Error);
    EXPECT_EQ(shown.Error->Fault(), DictionaryFault::Folder);
}

} // namespace
} // namespace carbonym
