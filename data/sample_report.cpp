#include "sample_report.h"

#include "text/utf8.h"
#include "text/script.h"
#include "translation/english_left.h"
#include "translation/reorder.h"
#include "translation/translate_command.h"

#include <stdexcept>

namespace carbonym {

std::vector<SampleName> ParseSampleTable(std::string_view utf8)
{
    std::vector<SampleName> names;
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
            if (text != kSampleHeader)
                throw std::runtime_error("样本表第 1 行应是表头“english<TAB>chinese<TAB>form”");
            continue;
        }
        if (text.empty() || text.front() == '#')
            continue;
        const size_t tab1 = text.find('\t');
        const size_t tab2 = tab1 == std::string_view::npos ? tab1 : text.find('\t', tab1 + 1);
        const std::string_view form = tab2 == std::string_view::npos ? std::string_view() : text.substr(tab2 + 1);
        if (tab2 == std::string_view::npos || tab1 == 0 || tab2 == tab1 + 1 || (form != "IUPAC" && form != "CAS" && form != "salt" && form != "inorganic"))
            throw std::runtime_error("样本表第 " + std::to_string(line)
                                     + " 行格式错误：应为 英文<TAB>中文<TAB>IUPAC|CAS|salt|inorganic");
        names.push_back(SampleName{Utf8ToUtf16(text.substr(0, tab1)),
                                   Utf8ToUtf16(text.substr(tab1 + 1, tab2 - tab1 - 1)), form == "CAS", line});
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

SampleResult EvaluateSample(const SampleName& name, const std::vector<Term>& terms)
{
    SampleResult result;
    result.Name = &name;
    result.Output = Translate(name.English, terms).Text;
    if (name.Cas)
        result.Output = ReorderName(result.Output);
    result.Exact = NormalizeChinese(result.Output) == NormalizeChinese(name.Chinese);
    result.LatinLeft = HasUntranslatedLatin(result.Output);
    return result;
}

double SampleReport::ExactShare() const
{
    return Results.empty() ? 0.0 : 100.0 * static_cast<double>(Exact) / static_cast<double>(Results.size());
}

double SampleReport::LatinLeftShare() const
{
    return Results.empty() ? 0.0 : 100.0 * static_cast<double>(LatinLeft) / static_cast<double>(Results.size());
}

SampleReport EvaluateSamples(const std::vector<SampleName>& names, const std::vector<Term>& terms)
{
    SampleReport report;
    for (const auto& name : names) {
        report.Results.push_back(EvaluateSample(name, terms));
        const auto& result = report.Results.back();
        report.Exact += result.Exact;
        report.LatinLeft += result.LatinLeft;
        report.Cas += name.Cas;
        report.CasExact += name.Cas && result.Exact;
    }
    return report;
}

} // namespace carbonym
