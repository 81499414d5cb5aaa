#include "text/lines.h"
#include "translation/display_mode.h"
#include "translation/pair_table.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace carbonym {
namespace {

using Rows = std::vector<std::pair<std::u16string, std::u16string>>;

// A strict RFC 4180 reader: every field quoted, rows ended by CR LF.
Rows ReadCsv(std::u16string_view csv)
{
    Rows rows;
    size_t i = 0;
    auto field = [&] {
        EXPECT_EQ(csv.at(i), u'"');
        ++i;
        std::u16string value;
        for (;;) {
            if (csv.at(i) == u'"') {
                if (i + 1 < csv.size() && csv[i + 1] == u'"') {
                    value += u'"';
                    i += 2;
                    continue;
                }
                ++i;
                return value;
            }
            value += csv[i++];
        }
    };
    while (i < csv.size()) {
        std::u16string english = field();
        EXPECT_EQ(csv.at(i++), u',');
        std::u16string chinese = field();
        EXPECT_EQ(csv.substr(i, 2), u"\r\n");
        i += 2;
        rows.emplace_back(std::move(english), std::move(chinese));
    }
    return rows;
}

// The pairs the Chinese–English display shows: its lines two by two.
Rows BilingualRows(std::u16string_view result, std::u16string_view source)
{
    const std::u16string display = ToBilingual(result, source);
    const auto lines = SplitLines(display);
    Rows rows;
    for (size_t i = 0; i + 1 < lines.size(); i += 2)
        rows.emplace_back(std::u16string(lines[i]), std::u16string(lines[i + 1]));
    return rows;
}

std::u16string RandomText(std::mt19937& random)
{
    static const std::u16string pieces[] = {u"a",  u"苯",   u"\"",   u",", u"\t", u"\r",
                                            u"\n", u"\r\n", u"\r\n", u" ", u"-"};
    std::u16string text;
    const int length = std::uniform_int_distribution<int>(0, 12)(random);
    for (int i = 0; i < length; ++i)
        text += pieces[std::uniform_int_distribution<size_t>(0, std::size(pieces) - 1)(random)];
    return text;
}

TEST(PairTable, CsvPairsTheLinesOfTheBilingualDisplay)
{
    std::mt19937 random(14);
    for (int round = 0; round < 20000; ++round) {
        const std::u16string result = RandomText(random);
        const std::u16string source = RandomText(random);
        const Rows expected = BilingualRows(result, source);
        ASSERT_EQ(ReadCsv(FormatPairs(result, source, PairFormat::Csv)), expected);

        // TSV: the same rows, one line each, the field breaks made spaces.
        const std::u16string tsv = FormatPairs(result, source, PairFormat::Tsv);
        std::u16string flattened;
        for (const auto& [english, chinese] : expected) {
            for (const auto& [field, end] : {std::pair{english, u'\t'}, std::pair{chinese, u'\n'}}) {
                for (const char16_t c : field)
                    flattened += (c == u'\t' || c == u'\r' || c == u'\n') ? u' ' : c;
                flattened += end;
            }
        }
        ASSERT_EQ(tsv, flattened);
    }
}

TEST(PairTable, Examples)
{
    EXPECT_EQ(FormatPairs(u"苯甲酸\r\n\r\n\"乙\",酯\r\n", u"Benzoic acid\r\nx\r\nethyl \"ester\"", PairFormat::Csv),
              u"\"Benzoic acid\",\"苯甲酸\"\r\n\"ethyl \"\"ester\"\"\",\"\"\"乙\"\",酯\"\r\n");
    EXPECT_EQ(FormatPairs(u"苯甲酸\r\n乙酯", u"Benzoic acid", PairFormat::Tsv), u"Benzoic acid\t苯甲酸\n\t乙酯\n");
    EXPECT_EQ(FormatPairs(u"", u"A", PairFormat::Csv), u"");
}

} // namespace
} // namespace carbonym
