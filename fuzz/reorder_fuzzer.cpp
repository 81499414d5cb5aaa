// Reordering and the display mode on arbitrary text. Fields (separated by
// byte 0xFF): the result text, then the source text.

#include "fuzz_support.h"

#include "text/lines.h"
#include "text/trim.h"
#include "translation/display_mode.h"
#include "translation/english_left.h"
#include "translation/name_composer.h"
#include "translation/naming_order.h"
#include "translation/reorder.h"

#include <algorithm>

using namespace carbonym;

namespace {

std::u16string Sorted(std::u16string text)
{
    std::sort(text.begin(), text.end());
    return text;
}

std::u16string WithoutHyphens(std::u16string text)
{
    std::erase(text, u'-');
    return text;
}

// The naming-rule order leaves to the reorder every line that still holds
// English, and keeps every piece of a CAS name, dropping only hyphens (and
// the 物 or 酯 of an onium salt's anion it puts first); a line ending in an
// alias in brackets is named apart from it.
void CheckReorderByRules(std::u16string_view trimmed, const std::u16string& reordered)
{
    const std::u16string named = ReorderByRules(trimmed);
    const size_t last = trimmed.rfind(u' ');
    if (last == std::u16string_view::npos) {
        FUZZ_CHECK(named == trimmed);
        return;
    }
    if (trimmed[last + 1] == u'(')
        return;
    bool inverted = false;
    for (size_t i = 0; i + 1 < trimmed.size(); ++i)
        inverted = inverted || (trimmed[i] == u',' && trimmed[i + 1] == u' ');
    inverted = inverted || trimmed.back() == u',';
    if (inverted) {
        // Every piece stays, without one final comma each; only the 物 or 酯
        // of an onium salt's anion may go besides hyphens.
        std::u16string pieces;
        for (size_t begin = 0; begin <= trimmed.size();) {
            const size_t end = std::min(trimmed.find(u' ', begin), trimmed.size());
            auto piece = trimmed.substr(begin, end - begin);
            begin = end + 1;
            if (!piece.empty() && piece.back() == u',')
                piece.remove_suffix(1);
            pieces += piece;
        }
        const std::u16string kept = Sorted(WithoutHyphens(pieces));
        const std::u16string got = Sorted(WithoutHyphens(named));
        bool same = got == kept;
        for (const char16_t ending : {u'物', u'酯'}) {
            std::u16string shorter = kept;
            if (const size_t at = shorter.find(ending); at != std::u16string::npos)
                shorter.erase(at, 1);
            same = same || got == shorter;
        }
        FUZZ_CHECK(same);
    } else if (HasEnglishLeft(trimmed))
        FUZZ_CHECK(named == reordered);
}

void CheckReorderName(std::u16string_view line)
{
    const std::u16string reordered = ReorderName(line);
    // Pieces are joined without spaces, so a second reorder changes nothing.
    FUZZ_CHECK(reordered.find(u' ') == std::u16string::npos);
    FUZZ_CHECK(ReorderName(reordered) == reordered);

    const auto trimmed = Trim(line);
    CheckReorderByRules(trimmed, reordered);
    if (trimmed.find(u' ') == std::u16string_view::npos) {
        FUZZ_CHECK(reordered == trimmed);
        return;
    }
    // Nothing is dropped but the spaces and one comma of each piece that
    // ends in one.
    std::u16string kept;
    size_t begin = 0;
    while (begin <= trimmed.size()) {
        const size_t end = std::min(trimmed.find(u' ', begin), trimmed.size());
        auto piece = trimmed.substr(begin, end - begin);
        begin = end + 1;
        if (!piece.empty() && piece.back() == u',')
            piece.remove_suffix(1);
        kept += piece;
    }
    FUZZ_CHECK(Sorted(reordered) == Sorted(kept));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto fields = fuzz::SplitFields(fuzz::Bytes(data, size));
    const std::u16string result = fuzz::DecodeLenient(fields[0]);
    const std::u16string source = fields.size() > 1 ? fuzz::DecodeLenient(fields[1]) : std::u16string();
    const auto resultLines = SplitLines(result);
    const auto sourceLines = SplitLines(source);

    std::vector<std::u16string_view> nonEmpty;
    for (const auto line : resultLines) {
        CheckReorderName(line);
        if (!line.empty())
            nonEmpty.push_back(line);
    }

    // Each non-empty line becomes one line, as long as no lone line feed can
    // meet a carriage return when the pieces are joined.
    const std::u16string reordered = ReorderText(result);
    FUZZ_CHECK(reordered.empty() == nonEmpty.empty());
    bool loneLineFeed = false;
    for (size_t i = 0; i < result.size(); ++i)
        loneLineFeed = loneLineFeed || (result[i] == u'\n' && (i == 0 || result[i - 1] != u'\r'));
    if (!loneLineFeed && !nonEmpty.empty()) {
        const auto lines = SplitLines(reordered);
        FUZZ_CHECK(lines.size() == nonEmpty.size() + 1 && lines.back().empty());
        for (size_t i = 0; i < nonEmpty.size(); ++i)
            FUZZ_CHECK(lines[i] == ReorderName(nonEmpty[i]));
    }

    // The Chinese–English display pairs every non-empty result line with its
    // source line (an empty one where the source has none), and switching
    // back gives the non-empty result lines, whatever either text holds.
    const std::u16string bilingual = ToBilingual(result, source);
    const auto shown = SplitLines(bilingual);
    FUZZ_CHECK(shown.size() == (nonEmpty.empty() ? 0 : 2 * nonEmpty.size() + 1));
    std::u16string chineseOnly;
    size_t pair = 0;
    for (size_t i = 0; i < resultLines.size(); ++i) {
        if (resultLines[i].empty())
            continue;
        FUZZ_CHECK(shown[2 * pair] == (i < sourceLines.size() ? sourceLines[i] : std::u16string_view()));
        FUZZ_CHECK(shown[2 * pair + 1] == resultLines[i]);
        ++pair;
        chineseOnly += resultLines[i];
        chineseOnly += kLineBreak;
    }
    FUZZ_CHECK(ToChineseOnly(bilingual) == chineseOnly);

    // The naming-rule order composes the source from its parts and a few
    // terms, whatever it holds: one line for each non-empty source line (as
    // long as no lone line break can meet another).
    static const NameComposer composer({{u"methyl", u"甲基"},
                                        {u"acetate", u"乙酸"},
                                        {u"sodium", u"钠"},
                                        {u"ethyl ester", u"乙酯"},
                                        {u"benzoic acid", u"苯甲酸"},
                                        {u"o-", u"邻"},
                                        {u"salt", u"盐"},
                                        {u"hydrate", u"水合物"},
                                        {u"chloride", u"氯化物"}});
    const std::u16string composed = TranslateTextByRules(source, composer);
    size_t sourceNonEmpty = 0;
    for (const auto line : sourceLines)
        sourceNonEmpty += line.empty() ? 0 : 1;
    const bool loneBreak = std::count(source.begin(), source.end(), u'\r')
                               != std::count(source.begin(), source.end(), u'\n')
                           || std::count(source.begin(), source.end(), u'\n') + 1
                                  != static_cast<std::ptrdiff_t>(sourceLines.size());
    if (!source.empty() && !loneBreak)
        FUZZ_CHECK(SplitLines(composed).size() == (sourceNonEmpty == 0 ? 0 : sourceNonEmpty + 1));
    return 0;
}
