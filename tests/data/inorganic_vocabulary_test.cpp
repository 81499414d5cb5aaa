// The inorganic and salt vocabulary: its pieces compose into salt names, and
// none of its terms fires inside a longer word of the names people paste.

#include "term_table.h"
#include "trap_audit.h"

#include "dictionary/dictionary_file.h"
#include "sample_report.h"
#include "test_support.h"
#include "text/case_fold.h"
#include "text/lines.h"
#include "translation/translate_command.h"

#include <gtest/gtest.h>

#include <unordered_map>

namespace carbonym {
namespace {

using test::U;

class InorganicVocabulary : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        terms_ = new std::vector<Term>(PrepareTerms(ReadDictionary(CARBONYM_STARTER_DICTIONARY)));
        const TermTable table = ReadTermTables({CARBONYM_INORGANIC_TABLE});
        ASSERT_TRUE(table.Errors.empty());
        rows_ = new std::vector<TermRow>(table.Rows);
    }
    static void TearDownTestSuite()
    {
        delete terms_;
        delete rows_;
    }

    static std::vector<const TermRow*> Rows(const std::string& category)
    {
        std::vector<const TermRow*> rows;
        for (const auto& row : *rows_)
            if (row.Category == category)
                rows.push_back(&row);
        return rows;
    }

    // Translates many lines in one pass.
    static std::vector<std::u16string> TranslateLines(const std::vector<std::u16string>& lines)
    {
        std::u16string text;
        for (const auto& line : lines)
            text += line + u"\r\n";
        const std::u16string translated = Translate(text, *terms_).Text;
        std::vector<std::u16string> result;
        for (const auto line : SplitLines(translated))
            result.emplace_back(line);
        result.pop_back(); // after the last line break
        return result;
    }

    static inline std::vector<Term>* terms_ = nullptr;
    static inline std::vector<TermRow>* rows_ = nullptr;
};

// Every cation with every anion and a hydrate word after it comes out as its
// pieces, each whole, in the English order, or as the whole entry that names
// the salt: no term eats into its neighbour.
TEST_F(InorganicVocabulary, SaltNamesComeOutAsTheirPieces)
{
    std::unordered_map<std::u16string, std::u16string> whole;
    for (const auto& term : *terms_)
        whole.emplace(FoldCase(term.English), term.Chinese);
    auto salt = [&](const TermRow& cation, const TermRow& anion) {
        const auto entry = whole.find(FoldCase(cation.English + u" " + anion.English));
        return entry != whole.end() ? entry->second : cation.Chinese + u" " + anion.Chinese;
    };
    const auto cations = Rows("cation");
    const auto anions = Rows("anion");
    const auto hydrates = Rows("hydrate");
    ASSERT_GE(cations.size(), 300u);
    ASSERT_GE(anions.size(), 250u);
    std::vector<std::u16string> names;
    std::vector<std::u16string> expected;
    // A multiplied cation before an anion that takes no more than one
    // ("disodium cyanide") names no compound: the generator writes a whole row
    // for every multiplied salt that exists, and nothing for the others.
    auto namesNoCompound = [&](const TermRow& cation, const TermRow& anion) {
        if (whole.count(FoldCase(cation.English + u" " + anion.English)))
            return false;
        for (const std::u16string_view multiplier : {u"mono", u"di", u"tri", u"tetra"})
            if (cation.English.starts_with(multiplier)
                && whole.count(FoldCase(cation.English.substr(multiplier.size()) + u" " + anion.English)))
                return true;
        return false;
    };
    for (size_t c = 0; c < cations.size(); ++c)
        for (size_t a = c % 7; a < anions.size(); a += 7) {
            if (namesNoCompound(*cations[c], *anions[a]))
                continue;
            const TermRow& hydrate = *hydrates[(c + a) % hydrates.size()];
            const bool withHydrate = (c + a) % 3 == 0 && hydrate.English.find(u'(') == std::u16string::npos;
            names.push_back(cations[c]->English + u" " + anions[a]->English
                            + (withHydrate ? u" " + hydrate.English : u""));
            expected.push_back(salt(*cations[c], *anions[a]) + (withHydrate ? u" " + hydrate.Chinese : u""));
        }
    const auto translated = TranslateLines(names);
    size_t wrong = 0;
    for (size_t i = 0; i < names.size(); ++i)
        if (translated[i] != expected[i] && ++wrong <= 20)
            ADD_FAILURE() << Utf16ToUtf8(names[i]) << " → " << Utf16ToUtf8(translated[i]) << ", not "
                          << Utf16ToUtf8(expected[i]);
    EXPECT_EQ(wrong, 0u) << "of " << names.size();

    // The oxidation state in each spelling a catalogue uses.
    EXPECT_EQ(
        TranslateLines({u"Iron(II) sulfate", u"iron (III) nitrate", u"copper(I) cyanide", u"tin(II) fluoride",
                        u"mercury(I) nitrate", u"cobalt(II) acetate", u"vanadium (III) chloride", u"lead(IV) acetate"}),
        (std::vector<std::u16string>{U("亚铁 硫酸"), U("铁 硝酸"), U("亚铜 氰化物"), U("亚锡 氟化物"), U("亚汞 硝酸"),
                                     U("钴 乙酸"), U("钒(III) 氯化物"), U("四乙酸铅")}));
}

// The trap check: a term of this table may fire inside a longer word of the
// sample names or of OPSIN's token lists only where a longer entry takes the
// word first or the word comes out whole in Chinese.
TEST_F(InorganicVocabulary, NoTermFiresInsideALongerWord)
{
    std::vector<std::u16string> corpus = ReadFirstColumn(CARBONYM_SAMPLE_TABLE);
    const auto inorganic = ReadFirstColumn(CARBONYM_INORGANIC_SAMPLE_TABLE);
    corpus.insert(corpus.end(), inorganic.begin(), inorganic.end());
    const auto reagents = ReadFirstColumn(CARBONYM_REAGENT_SAMPLE_TABLE);
    corpus.insert(corpus.end(), reagents.begin(), reagents.end());
    const std::string tokens = CARBONYM_OPSIN_TOKENS;
    if (!tokens.empty()) {
        const auto words = ReadTokenWords(tokens);
        EXPECT_GT(words.size(), 3000u);
        corpus.insert(corpus.end(), words.begin(), words.end());
    }
    // Words a user pastes around chemical names, where element names hide.
    for (const char* word : {"environment", "leading", "marigold", "quicksilver", "cystine", "nicotine", "platinum",
                             "tinidazole", "pectin", "carbonyl", "hydrocarbon", "glyceric acid", "lauric acid",
                             "petroleum ether", "ytterbium", "terbium", "dehydrated"})
        corpus.push_back(U(word));
    ASSERT_GT(corpus.size(), 1000u);

    std::vector<std::u16string> checked;
    for (const auto& row : *rows_)
        checked.push_back(row.English);
    const auto traps = FindTraps(checked, *terms_, corpus);
    for (const auto& trap : traps)
        ADD_FAILURE() << "“" << Utf16ToUtf8(trap.Term) << "” fires inside “" << Utf16ToUtf8(trap.Word) << "” → "
                      << Utf16ToUtf8(trap.Translated) << "   (in: " << Utf16ToUtf8(trap.Text) << ")";
    EXPECT_TRUE(traps.empty()) << traps.size() << " traps";
}

// The checker itself, on a dictionary small enough to reason about.
TEST(TrapAudit, ReportsOnlyUnshieldedOccurrencesInsideWords)
{
    const std::vector<Term> dictionary{{u"environment", U("环境")},
                                       {u"tetrabutyl", U("四丁基")},
                                       {u"ammonium", U("铵")},
                                       {u"iron", U("铁")},
                                       {u"tin", U("锡")}};
    const auto traps = FindTraps(
        {u"iron", u"tin", u"ammonium"}, dictionary,
        {u"Iron chloride", u"the environment", u"tetrabutylammonium", u"L-cystine", u"tin(II)", u"ironic"});
    ASSERT_EQ(traps.size(), 2u);
    EXPECT_EQ(traps[0].Term, u"tin");
    EXPECT_EQ(traps[0].Word, u"cystine");
    EXPECT_EQ(traps[0].Translated, U("cys锡e"));
    EXPECT_EQ(traps[1].Term, u"iron");
    EXPECT_EQ(traps[1].Word, u"ironic");
}

} // namespace
} // namespace carbonym
