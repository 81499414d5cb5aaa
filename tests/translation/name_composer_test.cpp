#include "test_support.h"
#include "text/lines.h"
#include "text/script.h"
#include "text/utf8.h"
#include "translation/name_composer.h"
#include "translation/name_part.h"
#include "translation/naming_order.h"

#include <gtest/gtest.h>

#include <random>

namespace carbonym {
namespace {

using test::U;

// The few words the examples use that are not parts of systematic names.
std::vector<Term> ExampleTerms()
{
    return {
        {u"sodium", u"钠"},          {u"chloride", u"氯化物"},  {u"ether", u"醚"},
        {u"chloro", u"氯"},          {u"hydroxy", u"羟基"},     {u"amino", u"氨基"},
        {u"phosphine", u"膦"},       {u"phenyl", u"苯基"},      {u"palladium", u"钯"},
        {u"acetate", u"乙酸"},       {u"ester", u"酯"},         {u"siloxane", u"硅氧烷"},
        {u"silane", u"硅烷"},        {u"pinene", u"蒎烯"},      {u"caryophyllene", u"石竹烯"},
        {u"lactone", u"内酯"},       {u"glycol", u"二醇"},      {u"bicyclo", u"双环"},
        {u"cyclohexane", u"环己烷"}, {u"terpinene", u"松油烯"}, {u"phosphonic acid", u"膦酸"},
        {u"azulene", u"薁"},         {u"anthracene", u"蒽"},    {u"dihydro", u"二氢"},
    };
}

std::u16string Named(const NameComposer& composer, std::u16string_view english)
{
    std::u16string named = TranslateTextByRules(english, composer);
    if (named.ends_with(kLineBreak))
        named.resize(named.size() - kLineBreak.size());
    return named;
}

// "English Chinese": the Chinese after the last space.
std::pair<std::u16string_view, std::u16string_view> SplitExample(std::u16string_view example)
{
    const size_t space = example.rfind(u' ');
    return {example.substr(0, space), example.substr(space + 1)};
}

// Every part and every join rule is shown by a worked example in its table;
// each example must come out as its table says.
TEST(NameComposer, EveryTableExampleComesOutAsWritten)
{
    const NameComposer composer(ExampleTerms());
    std::vector<std::u16string_view> examples;
    for (const auto& part : NameParts())
        examples.push_back(part.Example);
    for (const auto example : NameComposerJoinExamples())
        examples.push_back(example);
    for (const auto example : examples) {
        const auto [english, chinese] = SplitExample(example);
        EXPECT_EQ(Utf16ToUtf8(Named(composer, english)), Utf16ToUtf8(chinese)) << Utf16ToUtf8(example);
    }
}

// What the dictionary holds for a word wins over the parts; a word that
// cannot be covered whole is left whole, never translated in fragments.
TEST(NameComposer, DictionaryWinsAndUnknownWordsStayWhole)
{
    const NameComposer composer({{u"hexanol", u"正己醇"},
                                 {u"o-", u"邻"},
                                 {u"aza", u"氮杂"},
                                 {u"butanol", u"丁醇"},
                                 {u"fumarate", u"富马酸"},
                                 {u"ylide", u"叶立德"},
                                 {u"methyl", u"甲基"},
                                 {u"p-", u"对"},
                                 {u"xylene", u"二甲苯"}});
    EXPECT_EQ(Utf16ToUtf8(Named(composer, u"hexanol")), "正己醇");
    EXPECT_EQ(Utf16ToUtf8(Named(composer, u"iso-butanol")), "异丁醇");
    EXPECT_EQ(Utf16ToUtf8(Named(composer, u"vonoprazan fumarate")), "富马酸vonoprazan");
    EXPECT_EQ(Utf16ToUtf8(Named(composer, u"ethylidene")), "亚乙基");
    EXPECT_EQ(Utf16ToUtf8(Named(composer, u"methyl P-methyl")), "P-甲基甲基");
    EXPECT_EQ(Utf16ToUtf8(Named(composer, u"p-xylene")), "对二甲苯");
    EXPECT_EQ(Utf16ToUtf8(Named(composer, u"P-Xylene")), "对二甲苯");
}

// Whatever the line, the composer ends, every Latin letter of its output
// stands in a whole English word of the input (nothing is half translated)
// and every digit of the input is there in order (no locant is lost).
TEST(NameComposer, LettersLeftAreWholeWords)
{
    const NameComposer composer(ExampleTerms());
    std::mt19937 random(7);
    const std::u16string_view alphabet = u"acdehilmnoprstuy -,()[]1234αé";
    std::uniform_int_distribution<size_t> letter(0, alphabet.size() - 1);
    std::uniform_int_distribution<size_t> length(0, 40);
    for (int round = 0; round < 3000; ++round) {
        std::u16string line;
        for (size_t k = length(random); k > 0; --k)
            line += alphabet[letter(random)];
        std::u16string digitsIn, digitsOut;
        for (const char16_t c : line)
            if (c >= u'0' && c <= u'9')
                digitsIn += c;
        for (const auto& piece : composer.Compose(line)) {
            const auto& chinese = piece.Chinese;
            for (const char16_t c : chinese)
                if (c >= u'0' && c <= u'9')
                    digitsOut += c;
            for (size_t i = 0; i < chinese.size(); ++i) {
                if (!IsLatinLetter(chinese[i]) || (i > 0 && IsLatinLetter(chinese[i - 1])))
                    continue;
                size_t end = i;
                while (end < chinese.size() && IsLatinLetter(chinese[end]))
                    ++end;
                const auto word = std::u16string_view(chinese).substr(i, end - i);
                bool whole = false;
                for (size_t at = line.find(word); at != std::u16string::npos; at = line.find(word, at + 1)) {
                    const size_t after = at + word.size();
                    whole = whole
                            || ((at == 0 || !IsLatinLetter(line[at - 1]))
                                && (after == line.size() || !IsLatinLetter(line[after])));
                }
                EXPECT_TRUE(whole) << Utf16ToUtf8(line) << " → " << Utf16ToUtf8(chinese);
            }
        }
        EXPECT_EQ(Utf16ToUtf8(digitsOut), Utf16ToUtf8(digitsIn)) << Utf16ToUtf8(line);
    }
}

} // namespace
} // namespace carbonym
