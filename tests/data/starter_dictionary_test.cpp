// The starter dictionary as built: it must be clean, longest first, and
// translate what a newcomer tries first.

#include "term_table.h"

#include "dictionary/dictionary_check.h"
#include "dictionary/dictionary_file.h"
#include "test_support.h"
#include "text/lines.h"
#include "translation/name_composer.h"
#include "text/script.h"
#include "text/case_fold.h"
#include "translation/english_left.h"
#include "translation/naming_order.h"
#include "translation/reorder.h"
#include "translation/translate_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace carbonym {
namespace {

using test::U;

class StarterDictionary : public ::testing::Test {
protected:
    static void SetUpTestSuite() { terms_ = new std::vector<Term>(PrepareTerms(ReadDictionary(kPath))); }
    static void TearDownTestSuite() { delete terms_; }

    static std::string Translated(const std::string& name) { return Utf16ToUtf8(Translate(U(name), *terms_).Text); }
    static std::string Sorted(const std::string& name)
    {
        return Utf16ToUtf8(ReorderName(Translate(U(name), *terms_).Text));
    }

    static inline const std::filesystem::path kPath = CARBONYM_STARTER_DICTIONARY;
    static inline std::vector<Term>* terms_ = nullptr;
};

TEST_F(StarterDictionary, IsCleanAndLarge)
{
    const auto check = CheckDictionary(kPath);
    EXPECT_GE(check.RecordCount, 3000);
    for (const auto& problem : check.Problems)
        ADD_FAILURE() << "record " << problem.Record << ": problem " << static_cast<int>(problem.Kind) << " "
                      << Utf16ToUtf8(problem.English);
}

// No entry of either table is shadowed: translated alone, each English term gives its own
// Chinese, so no longer or equally long term eats into it.
TEST_F(StarterDictionary, EveryEntryTranslatesToItsOwnChinese)
{
    const auto table = ReadTermTables({CARBONYM_STARTER_TABLE, CARBONYM_INORGANIC_TABLE});
    ASSERT_TRUE(table.Errors.empty());
    std::u16string text;
    for (const auto& row : table.Rows)
        text += row.English + u"\r\n";
    const std::u16string translated = Translate(text, *terms_).Text;
    const auto lines = SplitLines(translated);
    ASSERT_EQ(lines.size(), table.Rows.size() + 1);
    for (size_t i = 0; i < table.Rows.size(); ++i)
        EXPECT_EQ(Utf16ToUtf8(lines[i]), Utf16ToUtf8(table.Rows[i].Chinese)) << Utf16ToUtf8(table.Rows[i].English);
}

// Systematic names are composed from families of entries, and come out in
// Chinese naming order with --sort=rules; each line stands for a family
// (the parent or group varies, the composition rule is the same).
TEST_F(StarterDictionary, ComposesSystematicFamiliesInNamingOrder)
{
    const std::pair<const char*, const char*> names[]{
        // Names the dictionary holds only in parts, composed and ordered.
        {"Tripentylamine", "三戊胺"},
        {"1,4-phenylenediboronic acid", "1,4-亚苯基二硼酸"},
        {"Dodecamethylcyclohexasiloxane", "十二甲基环六硅氧烷"},
        {"Dimethyl hexanedioate", "己二酸二甲酯"},
        {"cyclopent-2-enol", "环戊-2-烯醇"},
        {".beta.-Caryophyllene", "β-石竹烯"},
        {"a-Humulene", "α-葎草烯"},
        {"iso-butanol", "异丁醇"},
        {"4-Bromophenylhydrazine hydrochloride", "4-溴苯肼盐酸盐"},
        {"Pentanoic acid, 3-hexenyl ester, (Z)-", "(Z)-戊酸3-己烯酯"},
        {"1,2-Benzenedicarboxylic acid, bis(2-methylbutyl) ester", "1,2-苯二甲酸二(2-甲基丁基)酯"},
        {"Z-11-Tetradecen-1-ol propanoate", "Z-11-十四碳烯-1-醇丙酸酯"},
        {"Sulfuric acid, cobalt(2+) salt (1:1), heptahydrate", "七水合硫酸钴"},
        {"lithium perchlorate", "高氯酸锂"},
        {"morphine sulfate", "硫酸吗啡"},
        {"3-thienylboronic acid pinacol ester", "3-噻吩硼酸频哪醇酯"},
        {"2,4-difluorophenylboronic acid", "2,4-二氟苯硼酸"},
        {"(R)-1-(2-naphthyl)ethylamine", "(R)-1-(2-萘基)乙胺"},
        {"4-chlorophenylacetyl chloride", "4-氯苯乙酰氯"},
        {"4,4'-dimethyldiphenylmethane", "4,4'-二甲基二苯甲烷"},
        {"2-adamantylamine", "2-金刚烷胺"},
        {"methyl 2-phenylethyl ether", "甲基2-苯乙基醚"},
        {"methyl benzoylformate", "苯甲酰甲酸甲酯"},
        {"N-trifluoroacetyl-L-proline", "N-三氟乙酰-L-脯氨酸"},
        {"L-leucyl-L-tyrosine", "L-亮氨酰-L-酪氨酸"},
        {"Fmoc-D-Trp-OH", "Fmoc-D-色氨酸"},
        {"tetraethylene glycol dimethacrylate", "四乙二醇二甲基丙烯酸酯"},
        {"tri(propylene glycol) methyl ether", "三丙二醇甲醚"},
        {"diisopentyl ether", "二异戊醚"},
        {"2-naphthoyl chloride", "2-萘甲酰氯"},
        {"cyclohexanecarbaldehyde oxime", "环己烷甲醛肟"},
        {"butyraldoxime", "丁醛肟"},
        {"1-methyl-3-pyrrolidinol", "1-甲基-3-吡咯烷醇"},
        {"ethylene dibromide", "1,2-二溴乙烷"},
        {"triisopropylsilyl chloride", "三异丙基氯硅烷"},
        {"p-anisoyl chloride", "对甲氧基苯甲酰氯"},
        {"Acetic acid, 2-phenylethyl ester", "乙酸2-苯乙酯"},
        {"Propanoic acid, cobalt(2+) salt (2:1)", "丙酸钴"},
        {"1-Propanamine, N-propyl-", "N-丙基-1-丙胺"},
        {"tert-butyl ethyl ether", "叔丁基乙基醚"},
        {"isophorone diisocyanate", "异佛尔酮二异氰酸酯"},
    };
    const NameComposer composer(*terms_);
    for (const auto& [english, chinese] : names)
        EXPECT_EQ(Utf16ToUtf8(ReorderComposedByRules(composer.Compose(U(english)))), chinese) << english;
}

TEST_F(StarterDictionary, TranslatesTheReadmeExample)
{
    const auto outcome = TranslateCommand(U("Benzoic acid, 4-amino-, ethyl ester"), kPath);
    ASSERT_EQ(outcome.Status, TranslateStatus::Translated);
    EXPECT_EQ(Utf16ToUtf8(outcome.Result.Text), "苯甲酸, 4-氨基-, 乙酯");
    EXPECT_EQ(Utf16ToUtf8(ReorderText(outcome.Result.Text)), "4-氨基-苯甲酸乙酯\r\n");
}

TEST_F(StarterDictionary, ShortMorphemesDoNotDamageLongerWords)
{
    EXPECT_EQ(Translated("2-methylbutane"), "2-甲基丁烷");
    EXPECT_EQ(Translated("ethyl methyl ketone"), "甲乙酮");
    EXPECT_EQ(Translated("isopropyl alcohol"), "异丙醇");
    EXPECT_EQ(Translated("toluene"), "甲苯");
    EXPECT_EQ(Translated("ozone"), "臭氧");
    EXPECT_EQ(Translated("progesterone"), "孕酮");
    EXPECT_EQ(Translated("3-methylthiophene"), "3-甲基噻吩");
    EXPECT_EQ(Translated("diphenylmethanone"), "二苯基甲酮");
    EXPECT_EQ(Translated("cyclopenta-1,3-diene"), "环戊-1,3-二烯");
    EXPECT_EQ(Translated("benzoic acid"), "苯甲酸");
    EXPECT_EQ(Translated("pyranose"), "吡喃糖");
}

// Whole names and short words must not fire inside longer ones; the series
// give each derived word its own entry.
TEST_F(StarterDictionary, ShieldsLongerWordsAndNames)
{
    EXPECT_EQ(Translated("ethyl glycolate"), "乙基 乙醇酸");
    EXPECT_EQ(Translated("2-phenylethyl acetate"), "2-苯乙基 乙酸酯");
    EXPECT_EQ(Translated("terephthaloyl chloride"), "对苯二甲酰氯");
    EXPECT_EQ(Translated("methyl linoleate"), "甲基 亚油酸");
    EXPECT_EQ(Translated("n-butyllithium"), "正丁基锂");
    EXPECT_EQ(Translated("propan-2-ol"), "丙-2-醇");
    EXPECT_EQ(Translated("dibenzo-18-crown-6"), "二苯并-18-冠-6");
    EXPECT_EQ(Translated("tris(2-chloroethyl) phosphate"), "三(2-氯乙基) 磷酸");
    EXPECT_EQ(Translated("N-acetyl-L-alanyl-glycine"), "N-乙酰-L-丙氨酰甘氨酸");
    EXPECT_EQ(Translated("gamma-aminobutyric acid"), "γ-氨基丁酸");
}

TEST_F(StarterDictionary, PlacesLocantsAsTheRulesDo)
{
    EXPECT_EQ(Translated("propan-2-ol"), "丙-2-醇");
    EXPECT_EQ(Translated("but-2-ene"), "丁-2-烯");
    EXPECT_EQ(Translated("cyclohex-2-en-1-one"), "环己-2-烯-1-酮");
    EXPECT_EQ(Translated("(9Z)-octadec-9-enoic acid"), "(9Z)-十八碳-9-烯酸");
    EXPECT_EQ(Translated("2-oxopropanoic acid"), "2-氧亚基丙酸");
    EXPECT_EQ(Translated("o-xylene"), "邻二甲苯");
    EXPECT_EQ(Translated("alpha-pinene"), "α-蒎烯");
    EXPECT_EQ(Translated("thieno[2,3-b]pyridine"), "噻吩并[2,3-b]吡啶");
}

TEST_F(StarterDictionary, ReordersCasIndexNames)
{
    EXPECT_EQ(Sorted("Acetic acid, sodium salt (1:1)"), "乙酸钠");
    EXPECT_EQ(Sorted("1-Propanol, 2-methyl-"), "2-甲基-1-丙醇");
    EXPECT_EQ(Sorted("Acetic acid, 1,1'-anhydride"), "乙酸酐");
    EXPECT_EQ(Sorted("2-Butenoic acid, ethyl ester, (2E)-"), "(2E)-2-丁烯酸乙酯");
    EXPECT_EQ(Sorted("Benzenamine, hydrochloride (1:1)"), "苯胺盐酸盐");
}

// End to end on names people paste (drugs and their salts, natural products, dyes,
// reagents, solvents): each organic name of the reagent sample whose accepted Chinese
// holds no English must come out of 翻译 with none left. The retained names are many
// classes of whole words, so this catches a class lost from the tables, a short term
// biting into a longer name (ethoxyquin once fired inside 6-methoxyquinoline), and a
// salt or ester word that no longer translates after a drug name.
TEST_F(StarterDictionary, OrganicReagentNamesComeOutWithoutEnglish)
{
    std::ifstream sample(CARBONYM_REAGENT_SAMPLE_TABLE);
    ASSERT_TRUE(sample);
    std::u16string text;
    std::vector<std::u16string> names;
    for (std::string line; std::getline(sample, line);) {
        const size_t first = line.find('\t');
        const size_t second = line.find('\t', first + 1);
        if (line.starts_with('#') || second == std::string::npos || line.substr(second + 1) != "organic"
            || HasEnglishLeft(U(line.substr(first + 1, second - first - 1))))
            continue;
        names.push_back(U(line.substr(0, first)));
        text += names.back() + u"\r\n";
    }
    ASSERT_GT(names.size(), 1400u);
    const std::u16string translated = Translate(text, *terms_).Text;
    const auto lines = SplitLines(translated);
    ASSERT_EQ(lines.size(), names.size() + 1);
    std::vector<std::string> left;
    for (size_t i = 0; i < names.size(); ++i)
        if (HasEnglishLeft(lines[i]))
            left.push_back(Utf16ToUtf8(names[i]) + " => " + Utf16ToUtf8(lines[i]));
    // Chrysene stays English: its Chinese name (䓛) has no GBK code.
    EXPECT_LE(left.size(), names.size() / 200) << ::testing::PrintToString(left);
}

// The trap audit of the naming-rule order: over every sample name, English
// left in the composed Chinese is whole words of the name, never the rest of
// a word a term fired inside.
TEST_F(StarterDictionary, ComposedNamesLeaveOnlyWholeWords)
{
    const NameComposer composer(*terms_);
    std::vector<std::string> bitten;
    size_t names = 0;
    for (const auto& entry : std::filesystem::directory_iterator(CARBONYM_DATA_DIR)) {
        const auto file = entry.path().filename().string();
        if (!file.starts_with("sample-") || entry.path().extension() != ".tsv")
            continue;
        std::ifstream sample(entry.path());
        for (std::string line; std::getline(sample, line);) {
            if (line.starts_with('#') || line.find('\t') == std::string::npos)
                continue;
            const std::u16string english = U(line.substr(0, line.find('\t')));
            ++names;
            for (const auto& piece : composer.Compose(english))
                for (const auto& run : FindEnglishLeft(piece.Chinese)) {
                    const auto word = std::u16string_view(piece.Chinese).substr(run.Start, run.Length);
                    const size_t at = FoldCase(english).find(FoldCase(word));
                    const size_t end = at + word.size();
                    const bool whole = at != std::u16string::npos && (at == 0 || !IsLatinLetter(english[at - 1]))
                                       && (end == english.size() || !IsLatinLetter(english[end]));
                    if (!whole)
                        bitten.push_back(Utf16ToUtf8(english) + " => " + Utf16ToUtf8(piece.Chinese));
                }
        }
    }
    EXPECT_GT(names, 5000u);
    EXPECT_TRUE(bitten.empty()) << bitten.size() << " bitten: " << ::testing::PrintToString(bitten);
}

} // namespace
} // namespace carbonym
