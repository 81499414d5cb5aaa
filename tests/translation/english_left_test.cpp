#include "test_support.h"
#include "translation/english_left.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

using test::U;

std::vector<std::u16string> Runs(std::u16string_view text)
{
    std::vector<std::u16string> runs;
    for (const auto run : FindEnglishLeft(text))
        runs.emplace_back(text.substr(run.Start, run.Length));
    return runs;
}

TEST(EnglishLeft, FindsRunsButNotLocantsAndDescriptors)
{
    using Runs16 = std::vector<std::u16string>;
    // Locants, descriptors, fusion letters and element symbols are Chinese
    // names' own.
    EXPECT_EQ(Runs(U("N,N-二甲基-1H-吲哚-(2E)-丁烯 DL-丙氨酸 (RS)-[2,3-b]吡啶 Se Si Te SR")), Runs16{});
    EXPECT_EQ(Runs(U("二醇ate乙基 醚glycidyl丁基 DMSO")), (Runs16{u"ate", u"glycidyl", u"DMSO"}));
    // An abbreviation in brackets ending or starting a line is an alias kept
    // as written; inside a line, in lower case or mixed with others, it is
    // English left.
    EXPECT_EQ(Runs(U("二甲基亚砜 (DMSO)\r\n四氢呋喃(THF)  \r\n(DMF)乙醇\r\n乙醇(DMF)乙醇 (Dmso) (DMSO)xy")),
              (Runs16{u"DMF", u"Dmso", u"DMSO", u"xy"}));
    // Stock numbers in brackets are Chinese names' own too; other capitals not.
    EXPECT_EQ(Runs(U("氯化铁(III) 溴化铜(I) 四氧化三铁(II,III) 铁(II 铁II) (VI)x(IVa)")),
              (Runs16{u"II", u"II", u"IVa"}));
    // Protecting groups joined to what they protect stay as written; alone,
    // or spelled in another case, they are English left.
    EXPECT_EQ(Runs(U("Boc-甘氨酸 Fmoc-L-赖氨酸(Boc) N-Cbz-L-脯氨酸 TBS-乙炔 Boc BOC-甘氨酸 Bocx-甘氨酸")),
              (Runs16{u"Boc", u"BOC", u"Bocx"}));
    EXPECT_EQ(FindEnglishLeft(U("Fmoc-L-赖氨酸(Boc)"), ProtectingGroups::English).size(), 2u);
    const std::u16string text = U("乙基 glycolate\r\n苯\r\nglycolate glycidyl\r\nx ab");
    const auto runs = FindEnglishLeft(text);
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].Start, 3u); // positions count the line break twice
    EXPECT_EQ(text.substr(runs[3].Start, runs[3].Length), u"ab");
    EXPECT_EQ(CountLinesWithEnglish(text), 3u);
    EXPECT_TRUE(HasEnglishLeft(text));
    EXPECT_FALSE(HasEnglishLeft(U("4-氨基-苯甲酸乙酯")));

    const auto fragments = CountEnglishFragments(text);
    ASSERT_EQ(fragments.size(), 3u);
    EXPECT_EQ(fragments[0], (std::pair<std::u16string, size_t>{u"glycolate", 2}));
    EXPECT_EQ(fragments[1].first, u"ab"); // equal counts in character order
    EXPECT_EQ(fragments[2].first, u"glycidyl");
}

} // namespace
} // namespace carbonym
