#include "sample_report.h"

#include "text/lines.h"
#include "text/script.h"
#include "text/utf8.h"
#include "translation/english_left.h"
#include "translation/naming_order.h"
#include "translation/reorder.h"
#include "translation/translate_command.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace carbonym {

namespace {

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool IsLocantCharacter(char16_t c)
{
    return IsDigit(c) || c == u',' || c == u'\'';
}

bool IsBracket(char16_t c)
{
    return c == u'(' || c == u')' || c == u'（' || c == u'）';
}

// The last character of a substituent prefix in front of a parent: 甲基,
// 羟基, 氧亚基, and the halogens, which take no 基.
bool EndsPrefix(char16_t c)
{
    return c == u'基' || c == u'氟' || c == u'氯' || c == u'溴' || c == u'碘';
}

} // namespace

std::vector<SampleName> ParseSampleTable(std::string_view utf8)
{
    std::vector<SampleName> names;
    bool byClass = false;
    size_t begin = 0;
    int line = 0;
    while (begin < utf8.size()) {
        size_t end = utf8.find('\n', begin);
        if (end == std::string_view::npos)
            end = utf8.size();
        const std::string_view text = utf8.substr(begin, end - begin);
        begin = end + 1;
        ++line;
        if (line == 1) {
            if (text != kSampleHeader && text != kClassSampleHeader)
                throw std::runtime_error(
                    "样本表第 1 行应是表头“english<TAB>chinese<TAB>form”或“english<TAB>chinese<TAB>class”");
            byClass = text == kClassSampleHeader;
            continue;
        }
        if (text.empty() || text.front() == '#')
            continue;
        const size_t tab1 = text.find('\t');
        const size_t tab2 = tab1 == std::string_view::npos ? tab1 : text.find('\t', tab1 + 1);
        const std::string_view form = tab2 == std::string_view::npos ? std::string_view() : text.substr(tab2 + 1);
        const bool known = byClass ? (form == "organic" || form == "salt" || form == "inorganic" || form == "CAS")
                                   : (form == "IUPAC" || form == "CAS" || form == "salt" || form == "inorganic");
        if (tab2 == std::string_view::npos || tab1 == 0 || tab2 == tab1 + 1 || !known)
            throw std::runtime_error("样本表第 " + std::to_string(line) + " 行格式错误：应为 英文<TAB>中文<TAB>"
                                     + (byClass ? "organic|salt|inorganic|CAS" : "IUPAC|CAS|salt|inorganic"));
        SampleName name;
        name.English = Utf8ToUtf16(text.substr(0, tab1));
        const std::string_view chinese = text.substr(tab1 + 1, tab2 - tab1 - 1);
        if (byClass) {
            size_t from = 0;
            for (;;) {
                const size_t bar = std::min(chinese.find('|', from), chinese.size());
                if (bar == from)
                    throw std::runtime_error("样本表第 " + std::to_string(line) + " 行有空的中文名");
                name.Accepted.push_back(Utf8ToUtf16(chinese.substr(from, bar - from)));
                if (bar == chinese.size())
                    break;
                from = bar + 1;
            }
        } else {
            name.Accepted.push_back(Utf8ToUtf16(chinese));
        }
        name.Chinese = name.Accepted.front();
        name.Class = std::string(form);
        name.Cas = form == "CAS";
        name.Ordered = form != "IUPAC";
        name.Variants = byClass;
        name.Line = line;
        names.push_back(std::move(name));
    }
    return names;
}

std::u16string NormalizeChinese(std::u16string_view text)
{
    std::u16string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const bool afterName = i > 0 && (IsChineseCharacter(text[i - 1]) || text[i - 1] == u')' || text[i - 1] == u']');
        if (text[i] == u'-' && afterName && i + 1 < text.size() && IsChineseCharacter(text[i + 1]))
            continue;
        result += text[i];
    }
    return result;
}

bool HasUntranslatedLatin(std::u16string_view text)
{
    return HasEnglishLeft(text);
}

std::u16string CanonicalChinese(std::u16string_view text)
{
    std::u16string s;
    const std::u16string normalized = NormalizeChinese(text);
    for (size_t i = 0; i < normalized.size(); ++i) {
        const char16_t c = normalized[i];
        if (c == u' '
            && ((i > 0 && IsBracket(normalized[i - 1])) || (i + 1 < normalized.size() && IsBracket(normalized[i + 1]))))
            continue;
        if (c == u'胺' && i + 1 < normalized.size() && normalized[i + 1] == u'基') {
            s += u'氨';
            continue;
        }
        s += c;
    }

    // "-L-" after a parent, L a set of locants, followed by Chinese.
    size_t i = 0;
    while (i < s.size()) {
        if (s[i] != u'-' || i == 0 || !IsChineseCharacter(s[i - 1])) {
            ++i;
            continue;
        }
        const size_t locants = i + 1;
        size_t after = locants;
        while (after < s.size() && IsLocantCharacter(s[after]))
            ++after;
        if (locants == s.size() || !IsDigit(s[locants]) || after + 1 >= s.size() || s[after] != u'-'
            || !IsChineseCharacter(s[after + 1])) {
            ++i;
            continue;
        }
        size_t run = i;
        while (run > 0 && IsChineseCharacter(s[run - 1]))
            --run;
        size_t parent = run;
        for (size_t k = run; k < i; ++k)
            if (EndsPrefix(s[k]))
                parent = k + 1;
        // No parent after the prefixes: the locants are a prefix's own. A
        // parent with locants in front of it is in the older form already.
        const bool older = parent == run && run >= 2 && s[run - 1] == u'-' && IsLocantCharacter(s[run - 2]);
        if (parent == i || older) {
            i = after;
            continue;
        }
        const bool joined = parent > run || (run > 0 && (s[run - 1] == u')' || s[run - 1] == u']'));
        const std::u16string moved = (joined ? u"-" : u"") + s.substr(locants, after - locants) + u"-"
                                     + s.substr(parent, i - parent);
        s.replace(parent, after + 1 - parent, moved);
        // Later locants of the same parent stay where they are (2-丁烯-1-醇):
        // the parent now has locants in front of it.
        i = parent + moved.size();
    }
    return s;
}

bool HasUntranslatedLatin(std::u16string_view text, std::u16string_view accepted)
{
    const auto kept = FindEnglishLeft(accepted, ProtectingGroups::English);
    for (const auto run : FindEnglishLeft(text, ProtectingGroups::English)) {
        const auto english = text.substr(run.Start, run.Length);
        if (std::none_of(kept.begin(), kept.end(),
                         [&](const EnglishRun& k) { return accepted.substr(k.Start, k.Length) == english; }))
            return true;
    }
    return false;
}

SampleResult EvaluateSample(const SampleName& name, std::u16string ordered)
{
    SampleResult result;
    result.Name = &name;
    result.Output = std::move(ordered);
    const auto comparable = [&](std::u16string_view text) {
        return name.Variants ? CanonicalChinese(text) : NormalizeChinese(text);
    };
    const std::u16string output = comparable(result.Output);
    std::u16string accepted;
    for (const auto& chinese : name.Accepted) {
        result.Exact = result.Exact || output == comparable(chinese);
        accepted += chinese;
        accepted += u' ';
    }
    result.LatinLeft = HasUntranslatedLatin(result.Output, accepted);
    return result;
}

double SampleTally::ExactShare() const
{
    return Names == 0 ? 0.0 : 100.0 * static_cast<double>(Exact) / static_cast<double>(Names);
}

double SampleTally::LatinLeftShare() const
{
    return Names == 0 ? 0.0 : 100.0 * static_cast<double>(LatinLeft) / static_cast<double>(Names);
}

double SampleReport::ExactShare() const
{
    return Results.empty() ? 0.0 : 100.0 * static_cast<double>(Exact) / static_cast<double>(Results.size());
}

double SampleReport::LatinLeftShare() const
{
    return Results.empty() ? 0.0 : 100.0 * static_cast<double>(LatinLeft) / static_cast<double>(Results.size());
}

SampleReport EvaluateSamples(const std::vector<SampleName>& names, const std::vector<Term>& terms, NameOrder order)
{
    // All names in one text, one line each, translated in one run: the
    // engine's set-up over the whole dictionary is paid once. A dictionary
    // whose terms hold line breaks could join lines; then name by name.
    std::u16string text;
    for (const auto& name : names) {
        text += name.English;
        text += kLineBreak;
    }
    const std::u16string translated = Translate(text, terms).Text;
    std::vector<std::u16string> lines;
    for (const auto line : SplitLines(translated))
        lines.emplace_back(line);
    if (lines.size() != names.size() + 1) {
        lines.clear();
        for (const auto& name : names)
            lines.push_back(Translate(name.English, terms).Text);
    }

    std::optional<NameComposer> composer;
    if (order == NameOrder::Rules)
        composer.emplace(terms);
    SampleReport report;
    for (size_t i = 0; i < names.size(); ++i) {
        const auto& name = names[i];
        std::u16string output = std::move(lines[i]);
        if (name.Ordered)
            output = composer ? ReorderComposedByRules(composer->Compose(name.English)) : ReorderName(output);
        report.Results.push_back(EvaluateSample(name, std::move(output)));
        const auto& result = report.Results.back();
        report.Exact += result.Exact;
        report.LatinLeft += result.LatinLeft;
        report.Cas += name.Cas;
        report.CasExact += name.Cas && result.Exact;
        auto& tally = report.ByClass[name.Class];
        ++tally.Names;
        tally.Exact += result.Exact;
        tally.LatinLeft += result.LatinLeft;
    }
    return report;
}

} // namespace carbonym
