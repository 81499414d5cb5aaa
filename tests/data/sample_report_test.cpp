#include "sample_report.h"

#include "test_support.h"
#include "translation/naming_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

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
    for (const char* kept :
         {"1H-吲哚", "N,N-二甲基苯胺", "(2E)-丁-2-烯酸", "(αR)-α-甲基苯甲醇", "L-丙氨酸", "噻吩并[2,3-b]吡啶",
          "DL-丙氨酸", "2,4(1H,3H)-嘧啶二酮", "六氰合铁(III)酸钾", "四氧化三铁(II,III)", "氯化铁(VIII)"})
        EXPECT_FALSE(HasUntranslatedLatin(U(kept))) << kept;
    for (const char* left :
         {"2-Propen-1-醇", "萘-2-基 acetate", "di苯酚", "2-环hexen-1-酮", "VI", "(VIII", "(IVa)酸", "铁(Ia)"})
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

// The same compound in the 2017 spelling and in the older one that puts the
// first locants in front of the parent (CAS index names are rendered so).
TEST(SampleReport, LocantPlacementAndCommonVariantsAreOneName)
{
    const std::pair<const char*, const char*> same[] = {
        {"丙-2-醇", "2-丙醇"},
        {"2-甲基丙-1-醇", "2-甲基-1-丙醇"},
        {"1,3-二氯丙-2-醇", "1,3-二氯-2-丙醇"},
        {"丙-2-烯-1-醇", "2-丙烯-1-醇"},
        {"环己-2,5-二烯-1,4-二酮", "2,5-环己二烯-1,4-二酮"},
        {"2-氨基-2-(羟甲基)丙-1,3-二醇", "2-氨基-2-(羟甲基)-1,3-丙二醇"},
        {"(9Z)-十八碳-9-烯酸", "(9Z)-9-十八碳烯酸"},
        {"N,N-二甲基吡啶-4-胺", "N,N-二甲基-4-吡啶胺"},
        {"苯-1,2-二酚", "1,2-苯二酚"},
        {"3,7-二甲基辛-1,6-二烯-3-醇", "3,7-二甲基-1,6-辛二烯-3-醇"},
        {"2-甲氧基-4-(丙-2-烯-1-基)苯酚", "2-甲氧基-4-(2-丙烯-1-基)苯酚"},
        {"4-氨基-苯甲酸乙酯", "4-氨基苯甲酸乙酯"},
        {"2-(二乙胺基)乙醇", "2-(二乙氨基)乙醇"},
        {"二甲基亚砜 (DMSO)", "二甲基亚砜(DMSO)"},
    };
    for (const auto& [modern, older] : same)
        EXPECT_EQ(CanonicalChinese(U(modern)), CanonicalChinese(U(older))) << modern << " / " << older;

    const std::pair<const char*, const char*> different[] = {
        {"丁-1-烯", "丁-2-烯"},
        {"丁-1-烯", "2-丁烯"},
        {"2-甲基丁-2-醇", "3-甲基丁-2-醇"},
        {"2-甲基丁-2-醇", "3-甲基-2-丁醇"},
        {"1,3-二氯丙-2-醇", "1,3-二氯-2-丙酮"},
        {"苯-1,2-二酚", "1,3-苯二酚"},
        {"乙酸 酐", "乙酸酐"},
        {"4-氯乙酸苯酯", "乙酸4-氯苯酯"},
    };
    for (const auto& [one, other] : different)
        EXPECT_NE(CanonicalChinese(U(one)), CanonicalChinese(U(other))) << one << " / " << other;
}

TEST(SampleReport, ReadsClassTablesWithSeveralAcceptedNames)
{
    const auto names = ParseSampleTable("english\tchinese\tclass\n"
                                        "# comment\n"
                                        "Metformin hydrochloride\t盐酸二甲双胍|二甲双胍盐酸盐\torganic\n"
                                        "Sodium chloride\t氯化钠\tsalt\n"
                                        "Acetic acid, sodium salt (1:1)\t乙酸钠\tCAS\n");
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0].Accepted, (std::vector<std::u16string>{U("盐酸二甲双胍"), U("二甲双胍盐酸盐")}));
    EXPECT_EQ(names[0].Chinese, U("盐酸二甲双胍"));
    EXPECT_EQ(names[0].Line, 3);
    EXPECT_TRUE(names[0].Ordered && names[1].Ordered && names[2].Ordered);
    EXPECT_TRUE(names[2].Cas);
    EXPECT_EQ(names[1].Class, "salt");

    // Every line goes through the word order, and any accepted name counts.
    const std::vector<Term> terms{{u"sodium salt (1:1)", U("钠")}, {u"hydrochloride", U("盐酸盐")},
                                  {u"Acetic acid", U("乙酸")},     {u"Metformin", U("二甲双胍")},
                                  {u"chloride", U("氯化物")},      {u"Sodium", U("钠")}};
    const auto report = EvaluateSamples(names, terms);
    EXPECT_EQ(report.Results[0].Output, U("盐酸盐二甲双胍"));
    EXPECT_EQ(report.Results[2].Output, U("乙酸钠"));
    EXPECT_EQ(report.Exact, 1u);
    EXPECT_EQ(report.ByClass.at("organic").Names, 1u);
    EXPECT_EQ(report.ByClass.at("CAS").Exact, 1u);
    EXPECT_EQ(report.ByClass.at("salt").Exact, 0u);

    // By naming rules the salts come out in Chinese order.
    const auto byRules = EvaluateSamples(names, terms, NameOrder::Rules);
    EXPECT_EQ(byRules.Results[0].Output, U("二甲双胍盐酸盐"));
    EXPECT_EQ(byRules.Results[1].Output, U("氯化钠"));
    EXPECT_EQ(byRules.Exact, 3u);

    for (const char* bad : {"english\tchinese\tclass\nx\ty|\torganic\n", "english\tchinese\tclass\nx\t|y\tsalt\n",
                            "english\tchinese\tclass\nx\ty\tIUPAC\n", "english\tchinese\tform\nx\ty\torganic\n"})
        EXPECT_THROW(ParseSampleTable(bad), std::runtime_error) << bad;
}

TEST(SampleReport, EnglishTheAcceptedNameHoldsIsNotLeft)
{
    EXPECT_FALSE(HasUntranslatedLatin(U("二甲基亚砜 (DMSO)"), U("二甲基亚砜 (DMSO)")));
    EXPECT_FALSE(HasUntranslatedLatin(U("Boc-L-丙氨酸"), U("Boc-L-丙氨酸")));
    EXPECT_TRUE(HasUntranslatedLatin(U("Boc-L-丙氨酸"), U("叔丁氧羰基-L-丙氨酸")));
    EXPECT_TRUE(HasUntranslatedLatin(U("乙酸(2:1)saltlead(2+)"), U("乙酸铅")));
}

// Over every accepted name of the samples: the comparison form is stable,
// and it only moves locants and drops hyphens and spaces, so it cannot make
// two names with different characters equal.
TEST(SampleReport, CanonicalFormOfEverySampleNameIsStableAndKeepsItsCharacters)
{
    size_t checked = 0;
    for (const char* path : {CARBONYM_SAMPLE_TABLE, CARBONYM_INORGANIC_SAMPLE_TABLE, CARBONYM_REAGENT_SAMPLE_TABLE}) {
        std::ifstream in(std::filesystem::path(path), std::ios::binary);
        ASSERT_TRUE(in) << path;
        for (const auto& name : ParseSampleTable(std::string(std::istreambuf_iterator<char>(in), {}))) {
            for (const auto& chinese : name.Accepted) {
                const std::u16string canonical = CanonicalChinese(chinese);
                EXPECT_EQ(CanonicalChinese(canonical), canonical) << Utf16ToUtf8(chinese);
                auto characters = [](std::u16string text) {
                    std::erase_if(text, [](char16_t c) { return c == u'-' || c == u' '; });
                    for (size_t i = 0; i + 1 < text.size(); ++i)
                        if (text[i] == u'胺' && text[i + 1] == u'基')
                            text[i] = u'氨';
                    std::sort(text.begin(), text.end());
                    return text;
                };
                EXPECT_EQ(characters(canonical), characters(chinese)) << Utf16ToUtf8(chinese);
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 4000u);
}

} // namespace
} // namespace carbonym
