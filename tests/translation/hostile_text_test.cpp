// Whatever a user pastes reaches these functions: megabytes of it, lines of a
// megabyte, every plane of Unicode, unpaired surrogates, NUL characters and
// carriage returns without line feeds. They must finish and be right.

#include "test_support.h"
#include "text/lines.h"
#include "translation/display_mode.h"
#include "translation/find_term.h"
#include "translation/reorder.h"
#include "translation/translate_command.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

using test::HostileLine;
using test::Repeat;

TEST(HostileText, OneMegabyteLineOfPiecesReorders)
{
    // 500,000 pieces: a reorder that moved its whole output for each piece
    // would never end.
    constexpr size_t kCount = 125'000;
    const std::u16string line = Repeat(u"s-, p, r r ", kCount) + u"\r\n";
    ASSERT_GT(line.size(), 1'000'000u);
    const std::u16string expected = Repeat(u"s-", kCount) + Repeat(u"p", kCount) + Repeat(u"rr", kCount);
    EXPECT_EQ(ReorderName(line.substr(0, line.size() - 2)), expected);
    EXPECT_EQ(ReorderText(line + line), expected + u"\r\n" + expected + u"\r\n");
}

TEST(HostileText, TenMegabytesOfOddLinesTranslateReorderAndDisplay)
{
    const std::u16string odd = HostileLine();
    const std::u16string name = u"Benzoic acid, 4-amino-, ethyl ester";
    // Names are rare among the odd lines, as in a pasted file of anything.
    std::u16string block = Repeat(odd + u"\r\n", 2000) + name + u"\r\n";
    const std::u16string source = Repeat(block, 80);
    ASSERT_GT(source.size() * 2, 10'000'000u);

    const std::vector<Term> terms{{u"Benzoic acid", u"苯甲酸"}, {u"ethyl ester", u"乙酯"}, {u"amino", u"氨基"}};
    const Translation translated = Translate(source, terms);
    const std::u16string chineseName = u"苯甲酸, 4-氨基-, 乙酯";
    EXPECT_EQ(translated.Text, Repeat(Repeat(odd + u"\r\n", 2000) + chineseName + u"\r\n", 80));
    EXPECT_EQ(FindTerm(source, u"ETHYL ESTER", 0), static_cast<int64_t>(block.size() - 13));

    // The odd line is one piece and stays as it is; its lone CR and LF do
    // not split it.
    const std::u16string reordered = ReorderText(translated.Text);
    const std::u16string reorderedBlock = Repeat(odd + u"\r\n", 2000) + u"4-氨基-苯甲酸乙酯\r\n";
    EXPECT_EQ(reordered, Repeat(reorderedBlock, 80));

    const std::u16string bilingual = ToBilingual(reordered, source);
    EXPECT_EQ(SplitLines(bilingual).size(), 2 * 80 * 2001 + 1);
    EXPECT_EQ(ToChineseOnly(bilingual), reordered);
}

TEST(HostileText, ManyMatchesOnLongLines)
{
    // Every character of the lines is replaced, one term after the other.
    const std::u16string line = Repeat(u"Ethyl", 5'000);
    const std::vector<Term> terms{{u"ethyl", u"乙基"}, {u"基", u"\xD800"}};
    const std::u16string expected = Repeat(u"乙\xD800", 5'000);
    EXPECT_EQ(Translate(line + u"\r\n" + line, terms).Text, expected + u"\r\n" + expected);
}

} // namespace
} // namespace carbonym
