#include "test_support.h"
#include "translation/display_mode.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

TEST(DisplayMode, TogglesBetweenDisplays)
{
    const std::u16string bilingual = ToBilingual(u"a\r\nb\r\n", u"A\r\nB");
    EXPECT_EQ(bilingual, u"A\r\na\r\nB\r\nb\r\n");
    EXPECT_EQ(ToChineseOnly(bilingual), u"a\r\nb\r\n");
}

TEST(DisplayMode, PairsByIndex)
{
    // The reorder dropped the empty line; the source kept it.
    EXPECT_EQ(ToBilingual(u"a\r\nb\r\n", u"A\r\n\r\nB"), u"A\r\na\r\n\r\nb\r\n");
    // An empty result line is skipped with its source line.
    EXPECT_EQ(ToBilingual(u"a\r\n\r\nc", u"A\r\nB\r\nC"), u"A\r\na\r\nC\r\nc\r\n");
    // A result line without a source line gets an empty one.
    EXPECT_EQ(ToBilingual(u"a\r\nb", u"A"), u"A\r\na\r\n\r\nb\r\n");
    EXPECT_EQ(ToBilingual(u"a", u""), u"\r\na\r\n");
}

TEST(DisplayMode, EmptyResultStaysEmpty)
{
    EXPECT_EQ(ToBilingual(u"", u"A"), u"");
    EXPECT_EQ(ToChineseOnly(u""), u"");
}

TEST(DisplayMode, DeletedLineShiftsTheAlternation)
{
    EXPECT_EQ(ToChineseOnly(u"A\r\na\r\nb\r\nB\r\nc\r\n"), u"a\r\nB\r\n");
}

} // namespace
} // namespace carbonym
