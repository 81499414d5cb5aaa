#include "test_support.h"
#include "text/case_fold.h"
#include "text/lines.h"
#include "text/trim.h"

#include <gtest/gtest.h>

#include <random>

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

// A text past what one conversion call can count is converted in pieces:
// converting in pieces of any size gives what one piece gives, and an
// invalid byte anywhere still fails.
TEST(Utf8, PiecesJoinAtCharacterStarts)
{
    std::mt19937 random(3);
    const std::string characters[] = {"a", "\xce\xb1", "\xe8\x8b\xaf", "\xf0\x9f\x98\x80"};
    for (int round = 0; round < 200; ++round) {
        std::string text;
        for (int i = random() % 40; i > 0; --i)
            text += characters[random() % 4];
        const auto whole = Utf8ToUtf16(text);
        for (size_t piece = 1; piece <= 9; ++piece)
            ASSERT_EQ(Utf8ToUtf16(text, piece), whole) << text << " in pieces of " << piece;
        if (!text.empty()) {
            std::string broken = text;
            broken[random() % broken.size()] = '\xff';
            for (size_t piece = 1; piece <= 9; ++piece)
                EXPECT_THROW(Utf8ToUtf16(broken, piece), std::invalid_argument);
        }
    }
}

} // namespace
} // namespace carbonym
