#include "test_support.h"
#include "translation/fast_translator.h"
#include "translation/literal_translator.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

namespace carbonym {
namespace {

using test::U;

// CARBONYM_FUZZ_SEED, CARBONYM_FUZZ_ITERATIONS and CARBONYM_FUZZ_LONG_ROUNDS
// run the differential tests longer by hand; CI uses the defaults.
uint64_t Setting(const char* name, uint64_t fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

std::string Describe(const std::vector<Term>& terms, std::u16string_view text)
{
    std::string out = "text: \"" + Utf16ToUtf8(text) + "\"\nterms:\n";
    for (const auto& term : terms)
        out += "  \"" + Utf16ToUtf8(term.English) + "\" -> \"" + Utf16ToUtf8(term.Chinese) + "\"\n";
    return out;
}

// Small alphabets, so that terms overlap, nest, and reappear in case variants
// and inside Chinese terms; "ς", "σ" and "Σ" fold alike, as do the Kelvin
// sign and "k".
class Generator {
public:
    explicit Generator(uint64_t seed) : random_(seed) { }

    std::u16string English()
    {
        static const std::u16string_view units[] = {u"a", u"b", u"c",      u"A",    u"B",  u"-", u" ",
                                                    u"ς", u"Σ", u"\u212A", u"\r\n", u"\r", u"\n"};
        std::u16string term;
        const size_t length = Pick(1, Chance(0.2) ? 8 : 4);
        while (term.size() < length)
            term += units[Pick(0, Chance(0.1) ? 12 : 9)];
        return term;
    }

    std::u16string Chinese()
    {
        static const std::u16string_view units[] = {u"中", u"文", u"甲基", u"a",  u"B", u"σ",
                                                    u"k",  u"-",  u"\r\n", u"\n", u" "};
        std::u16string term;
        const size_t length = Pick(0, 4);
        for (size_t i = 0; i < length; ++i)
            term += units[Pick(0, 10)];
        return term;
    }

    // Records as the file holds them: padded, now and then blank, or with
    // a NUL and junk in the Chinese field.
    std::vector<Term> Terms()
    {
        std::vector<TermRecord> records(Pick(1, 12));
        for (auto& record : records) {
            record.English = Chance(0.05) ? u"   " : English();
            if (Chance(0.2))
                record.English = u" " + record.English + u"  ";
            record.Chinese = Chinese();
            if (Chance(0.1))
                record.Chinese += std::u16string(1, u'\0') + u"ab";
        }
        if (Chance(0.6)) { // the usual order: longest English first
            std::stable_sort(records.begin(), records.end(),
                             [](const auto& a, const auto& b) { return a.English.size() > b.English.size(); });
        }
        return PrepareTerms(records);
    }

    std::u16string Text(const std::vector<Term>& terms)
    {
        static const std::u16string_view extras[] = {u"a",        u"b",  u"C",  u"x", u" ", u"\r\n",
                                                     u"\r\n\r\n", u"\r", u"\n", u"σ", u"k"};
        std::u16string text;
        const size_t pieces = Pick(0, 14);
        for (size_t i = 0; i < pieces; ++i) {
            if (!terms.empty() && Chance(0.5)) {
                std::u16string term = terms[Pick(0, terms.size() - 1)].English;
                if (Chance(0.3))
                    term = FlipCase(term);
                text += term;
            } else {
                text += extras[Pick(0, 10)];
            }
        }
        return text;
    }

    size_t Pick(size_t low, size_t high) { return std::uniform_int_distribution<size_t>(low, high)(random_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }

private:
    std::u16string FlipCase(std::u16string text)
    {
        for (auto& unit : text) {
            if (unit >= u'a' && unit <= u'z')
                unit = static_cast<char16_t>(unit - u'a' + u'A');
            else if (unit >= u'A' && unit <= u'Z')
                unit = static_cast<char16_t>(unit - u'A' + u'a');
        }
        return text;
    }

    std::mt19937_64 random_;
};

void ExpectSame(const std::vector<Term>& terms, std::u16string_view text)
{
    const Translation literal = TranslateLiteral(text, terms);
    const Translation fast = TranslateFast(text, terms);
    EXPECT_EQ(Utf16ToUtf8(fast.Text), Utf16ToUtf8(literal.Text)) << Describe(terms, text);
    EXPECT_EQ(fast.Caret, literal.Caret) << Describe(terms, text);
}

TEST(TranslateFast, AgreesWithTheLiteralOnRandomDictionariesAndTexts)
{
    const uint64_t seed = Setting("CARBONYM_FUZZ_SEED", 20240601);
    const uint64_t iterations = Setting("CARBONYM_FUZZ_ITERATIONS", 20000);
    Generator generate(seed);
    for (uint64_t i = 0; i < iterations && !HasFailure(); ++i) {
        const auto terms = generate.Terms();
        ExpectSame(terms, generate.Text(terms));
    }
    EXPECT_FALSE(HasFailure()) << "seed " << seed;
}

// Long texts of many distinct lines go through the threads and the cache of
// repeated lines.
TEST(TranslateFast, AgreesWithTheLiteralOnLongTexts)
{
    Generator generate(Setting("CARBONYM_FUZZ_SEED", 20240601));
    for (uint64_t round = 0; round < Setting("CARBONYM_FUZZ_LONG_ROUNDS", 1); ++round) {
        std::vector<Term> terms;
        while (terms.size() < 40) {
            auto more = generate.Terms();
            std::erase_if(more,
                          [](const Term& term) { return term.English.find_first_of(u"\r\n") != std::u16string::npos; });
            terms.insert(terms.end(), more.begin(), more.end());
        }
        std::vector<std::u16string> lines;
        size_t distinctUnits = 0;
        std::u16string text;
        while (distinctUnits < 70'000) { // enough for a second thread
            if (!lines.empty() && generate.Chance(0.3)) {
                text += lines[generate.Pick(0, lines.size() - 1)];
            } else {
                lines.push_back(generate.Text(terms) + generate.Text(terms));
                std::erase_if(lines.back(), [](char16_t unit) { return unit == u'\r' || unit == u'\n'; });
                distinctUnits += lines.back().size();
                text += lines.back();
            }
            text += u"\r\n";
        }
        const Translation literal = TranslateLiteral(text, terms);
        const Translation fast = TranslateFast(text, terms);
        EXPECT_TRUE(fast.Text == literal.Text) << "round " << round;
        EXPECT_EQ(fast.Caret, literal.Caret) << "round " << round;
    }
}

TEST(TranslateFast, CaretFollowsTheLastReplacementInTime)
{
    // The later record's replacement is last, though it stands further left.
    const std::vector<Term> terms{{u"b", U("乙")}, {u"a", U("甲")}};
    EXPECT_EQ(TranslateFast(u"a\r\nb", terms), TranslateLiteral(u"a\r\nb", terms));
    EXPECT_EQ(TranslateFast(u"a\r\nb", terms).Caret, 1u);
    // Repeated lines: the last of them holds the caret.
    EXPECT_EQ(TranslateFast(u"a\r\nb\r\na\r\n", terms).Caret, 7u);
    // A deletion at the very start still counts as a replacement.
    EXPECT_EQ(TranslateFast(u"ab", {{u"a", u""}}), (Translation{u"b", 0}));
}

TEST(TranslateFast, TermsWithLineBreaksSpanLines)
{
    const std::vector<Term> terms{{u"yl", U("基")}, {u"-\r\nmeth", u"M"}, {u"Mane", U("甲烷")}, {u"e\r\n", u""}};
    const std::u16string text = u"ethyl-\r\nmethane\r\nbutane\r\n";
    EXPECT_EQ(TranslateFast(text, terms), TranslateLiteral(text, terms));
    EXPECT_EQ(TranslateFast(text, terms).Text, U("eth基甲烷\r\nbutan"));
}

TEST(TranslateFast, BlankEnglishTermsAreLeftOut)
{
    EXPECT_EQ(TranslateFast(u"ab", {{u"", u"x"}, {u"a", u"y"}}), (Translation{u"yb", 1}));
}

} // namespace
} // namespace carbonym
