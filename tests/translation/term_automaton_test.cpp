#include "translation/term_automaton.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace carbonym {
namespace {

// Every occurrence of every term, counted the plain way.
std::map<uint32_t, int> CountPlainly(const std::vector<std::u16string_view>& terms, std::u16string_view text)
{
    std::map<uint32_t, int> counts;
    for (uint32_t i = 0; i < terms.size(); ++i) {
        if (terms[i].empty())
            continue;
        for (size_t at = text.find(terms[i]); at != std::u16string_view::npos; at = text.find(terms[i], at + 1))
            ++counts[i];
    }
    return counts;
}

TEST(TermAutomaton, ReportsEveryOccurrenceOfEveryTerm)
{
    std::mt19937 random(7);
    const std::u16string_view alphabet = u"ab\xFFFF\x0100";
    const auto word = [&](size_t low, size_t high) {
        std::u16string s(std::uniform_int_distribution<size_t>(low, high)(random), u'a');
        for (auto& unit : s)
            unit = alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)];
        return s;
    };
    for (int round = 0; round < 300; ++round) {
        std::vector<std::u16string> storage;
        for (int i = 0; i < 8; ++i)
            storage.push_back(word(0, 5)); // empty and equal terms included
        const std::vector<std::u16string_view> terms(storage.begin(), storage.end());
        const std::u16string text = word(0, 30);

        const TermAutomaton automaton(terms);
        std::map<uint32_t, int> counts;
        automaton.Scan(text, [&](uint32_t index) { ++counts[index]; });
        ASSERT_EQ(counts, CountPlainly(terms, text)) << "round " << round;
    }
}

TEST(TermAutomaton, NodeWithManyChildren)
{
    std::vector<std::u16string> storage;
    for (char16_t unit = u'A'; unit <= u'z'; ++unit)
        storage.push_back(u"q" + std::u16string(1, unit));
    const std::vector<std::u16string_view> terms(storage.begin(), storage.end());
    const TermAutomaton automaton(terms);
    std::vector<uint32_t> found;
    automaton.Scan(u"qzqAxqq", [&](uint32_t index) { found.push_back(index); });
    EXPECT_EQ(found, (std::vector<uint32_t>{u'z' - u'A', 0, u'q' - u'A'}));
}

} // namespace
} // namespace carbonym
