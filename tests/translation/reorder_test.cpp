#include "test_support.h"
#include "text/lines.h"
#include "translation/display_mode.h"
#include "translation/naming_order.h"
#include "translation/pair_table.h"
#include "translation/reorder.h"

#include <gtest/gtest.h>

#include <random>

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

// Sorted lines keep the line they came from: over random texts with blank
// and space-only lines, by both sorts, every sorted line is its own source
// line reordered, and the bilingual display and the two-column table built
// from it pair every English line with its own translation.
TEST(ReorderedLineSources, SortedLinesStayPairedWithTheirSource)
{
    const std::vector<std::u16string> pieces{U("苯甲酸,"),  U("4-氨基-,"), U("乙酯"), U("甲基"),
                                             U("丙二酸酯"), u"x",          u""};
    std::mt19937 random(21);
    for (int round = 0; round < 500; ++round) {
        std::u16string translated;
        std::u16string english;
        const int lines = static_cast<int>(random() % 8);
        for (int i = 0; i < lines; ++i) {
            if (i > 0) {
                translated += kLineBreak;
                english += kLineBreak;
            }
            const int count = static_cast<int>(random() % 4); // 0: a blank line
            for (int p = 0; p < count; ++p)
                translated += (p > 0 ? u" " : u"") + pieces[random() % pieces.size()];
            english += count == 0 ? std::u16string() : u"E" + std::u16string(1, char16_t(u'a' + i));
        }
        if (random() % 3 == 0)
            translated += kLineBreak;
        for (const auto reorder : {&ReorderName, &ReorderByRules}) {
            const std::u16string sorted = ReorderLines(translated, reorder);
            const std::vector<size_t> sources = ReorderedLineSources(translated);
            const auto sortedLines = SplitLines(sorted);
            const auto translatedLines = SplitLines(translated);
            ASSERT_EQ(sources.size(), sorted.empty() ? 0 : sortedLines.size() - 1) << Utf16ToUtf8(translated);
            for (size_t k = 0; k < sources.size(); ++k)
                EXPECT_EQ(sortedLines[k], reorder(translatedLines.at(sources[k])));

            const std::u16string placed = PlaceOnSourceLines(sorted, sources);
            const auto englishLines = SplitLines(english);
            std::u16string bilingual;
            std::u16string table;
            for (size_t i = 0; i < translatedLines.size(); ++i) {
                const std::u16string chinese = translatedLines[i].empty() ? u"" : reorder(translatedLines[i]);
                if (chinese.empty())
                    continue;
                const std::u16string_view source = i < englishLines.size() ? englishLines[i] : u"";
                bilingual += std::u16string(source) + u"\r\n" + chinese + u"\r\n";
                table += std::u16string(source) + u"\t" + chinese + u"\n";
            }
            EXPECT_EQ(ToBilingual(placed, english), bilingual) << Utf16ToUtf8(translated);
            EXPECT_EQ(FormatPairs(placed, english, PairFormat::Tsv), table) << Utf16ToUtf8(translated);
        }
    }
}

} // namespace
} // namespace carbonym
