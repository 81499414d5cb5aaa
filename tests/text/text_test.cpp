#include "test_support.h"
#include "text/case_fold.h"
#include "text/lines.h"
#include "text/trim.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

using test::U;

TEST(Trim, RemovesSpacesOnly)
{
    EXPECT_EQ(Trim(u"  methyl  "), u"methyl");
    EXPECT_EQ(Trim(u"\tmethyl\r\n"), u"\tmethyl\r\n");
    EXPECT_EQ(Trim(U("\u3000甲基 ")), U("\u3000甲基"));
    EXPECT_EQ(Trim(u"   "), u"");
}

TEST(SplitLines, SplitsAtCrLfOnly)
{
    using Lines = std::vector<std::u16string_view>;
    EXPECT_EQ(SplitLines(u""), Lines{});
    EXPECT_EQ(SplitLines(u"a"), (Lines{u"a"}));
    EXPECT_EQ(SplitLines(u"a\r\n"), (Lines{u"a", u""}));
    EXPECT_EQ(SplitLines(u"a\r\n\r\nb"), (Lines{u"a", u"", u"b"}));
    EXPECT_EQ(SplitLines(u"a\rb\nc"), (Lines{u"a\rb\nc"}));
}

TEST(CaseFold, FoldsEachUnit)
{
    EXPECT_EQ(FoldCase(u"METHYL Methyl"), u"methyl methyl");
    EXPECT_EQ(FoldUnit(u'Α'), u'α');
    EXPECT_EQ(FoldUnit(u'甲'), u'甲');
    EXPECT_EQ(FoldUnit(char16_t(0xD800)), char16_t(0xD800));
}

TEST(Utf8, RoundTripsAndRejectsInvalid)
{
    const std::string text = "苯甲酸 α 😀";
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
    EXPECT_THROW(Utf8ToUtf16("\xff\xfe"), std::invalid_argument);
    EXPECT_THROW(Utf8ToUtf16("a\xe4\xb8"), std::invalid_argument);
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xef\xbf\xbd");
}

} // namespace
} // namespace carbonym
