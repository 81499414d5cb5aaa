#include "test_support.h"
#include "translation/reorder.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

using test::U;

TEST(ReorderName, WorkedExamples)
{
    EXPECT_EQ(ReorderName(u"a b c"), u"cba");
    EXPECT_EQ(ReorderName(u"X, Y-, Z W"), u"Y-XWZ");
    EXPECT_EQ(ReorderName(u"P, Q-"), u"Q-P");
    EXPECT_EQ(ReorderName(u"U-, V-, W"), u"V-U-W");
    EXPECT_EQ(ReorderName(u"A- B- C"), u"B-A-C"); // no piece is lost
    EXPECT_EQ(ReorderName(U("丁二酸, 2,3-二羟基- (2R,3R)-")), U("(2R,3R)-2,3-二羟基-丁二酸"));
    EXPECT_EQ(ReorderName(u"word,"), u"word,");
    EXPECT_EQ(ReorderName(u"x  y"), u"yx");
    EXPECT_EQ(ReorderName(u"x , y"), u"yx");
    EXPECT_EQ(ReorderName(U("苯甲酸, 4-氨基-, 乙酯")), U("4-氨基-苯甲酸乙酯"));
}

TEST(ReorderName, TrimsAndKeepsOtherDashes)
{
    EXPECT_EQ(ReorderName(u"   word   "), u"word");
    EXPECT_EQ(ReorderName(u"    "), u"");
    // Full-width comma and en dash are not separators.
    EXPECT_EQ(ReorderName(U("a， b– c")), U("cb–a，"));
}

TEST(ReorderText, DropsEmptyLinesAndEndsEachLine)
{
    EXPECT_EQ(ReorderText(u""), u"");
    EXPECT_EQ(ReorderText(u"a b\r\n\r\nc d"), u"ba\r\ndc\r\n");
    EXPECT_EQ(ReorderText(u"a b\r\n"), u"ba\r\n");
    EXPECT_EQ(ReorderText(u"  \r\nx"), u"\r\nx\r\n"); // spaces only: an empty line
}

TEST(ReorderText, HandlesMoreThanSixteenBitsOfLines)
{
    std::u16string text;
    for (int i = 0; i < 40000; ++i)
        text += u"b a\r\n";
    const std::u16string result = ReorderText(text);
    EXPECT_EQ(result.size(), 40000u * 4);
    EXPECT_EQ(result.substr(result.size() - 4), u"ab\r\n");
}

} // namespace
} // namespace carbonym
