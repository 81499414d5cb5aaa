#include "sample_report.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

using test::U;

TEST(SampleReport, NormalizingDropsOnlyTheHyphenBeforeTheParent)
{
    EXPECT_EQ(NormalizeChinese(U("4-氨基-苯甲酸乙酯")), U("4-氨基苯甲酸乙酯"));
    EXPECT_EQ(NormalizeChinese(U("2-(乙酰氧基)-苯甲酸")), U("2-(乙酰氧基)苯甲酸"));
    EXPECT_EQ(NormalizeChinese(U("丙-2-醇")), U("丙-2-醇"));
    EXPECT_EQ(NormalizeChinese(U("N,N-二甲基苯胺")), U("N,N-二甲基苯胺"));
    EXPECT_EQ(NormalizeChinese(U("(αR)-α-甲基苯甲醇")), U("(αR)-α-甲基苯甲醇"));
}

TEST(SampleReport, LatinLettersLeftAreLocantsAndDescriptorsOnly)
{
    for (const char* kept : {"1H-吲哚", "N,N-二甲基苯胺", "(2E)-丁-2-烯酸", "(αR)-α-甲基苯甲醇", "L-丙氨酸",
                             "噻吩并[2,3-b]吡啶", "DL-丙氨酸", "2,4(1H,3H)-嘧啶二酮",
                             "六氰合铁(III)酸钾", "四氧化三铁(II,III)", "氯化铁(VIII)"})
        EXPECT_FALSE(HasUntranslatedLatin(U(kept))) << kept;
    for (const char* left : {"2-Propen-1-醇", "萘-2-基 acetate", "di苯酚", "2-环hexen-1-酮", "VI", "(VIII", "(IVa)酸",
                             "铁(Ia)"})
        EXPECT_TRUE(HasUntranslatedLatin(U(left))) << left;
}

TEST(SampleReport, EvaluatesCasFormsAfterReordering)
{
    const std::vector<Term> terms{{u"Benzoic acid", U("苯甲酸")}, {u"ethyl ester", U("乙酯")}, {u"amino", U("氨基")}};
    const auto names = ParseSampleTable("english\tchinese\tform\n"
                                        "Benzoic acid, 4-amino-, ethyl ester\t4-氨基苯甲酸乙酯\tCAS\n"
                                        "# the same name, not reordered\n"
                                        "Benzoic acid, 4-amino-, ethyl ester\t4-氨基苯甲酸乙酯\tIUPAC\n"
                                        "aminobenzene\t氨基苯\tIUPAC\n");
    const auto report = EvaluateSamples(names, terms);
    ASSERT_EQ(report.Results.size(), 3u);
    EXPECT_TRUE(report.Results[0].Exact);
    EXPECT_EQ(report.Results[0].Output, U("4-氨基-苯甲酸乙酯"));
    EXPECT_FALSE(report.Results[1].Exact);
    EXPECT_FALSE(report.Results[1].LatinLeft);
    EXPECT_TRUE(report.Results[2].LatinLeft);
    EXPECT_EQ(report.Exact, 1u);
    EXPECT_EQ(report.CasExact, 1u);
    EXPECT_NEAR(report.ExactShare(), 100.0 / 3, 1e-9);

    EXPECT_THROW(ParseSampleTable("english\tchinese\tform\nx\ty\tOTHER\n"), std::runtime_error);
    EXPECT_THROW(ParseSampleTable("wrong header\n"), std::runtime_error);
}

} // namespace
} // namespace carbonym
