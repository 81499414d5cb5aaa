#include "translation/pair_table.h"

#include "text/lines.h"

namespace carbonym {

namespace {

void AppendTsvField(std::u16string& out, std::u16string_view field)
{
    for (const char16_t c : field)
        out += (c == u'\t' || c == u'\r' || c == u'\n') ? u' ' : c;
}

void AppendCsvField(std::u16string& out, std::u16string_view field)
{
    out += u'"';
    for (const char16_t c : field) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
}

} // namespace

std::u16string FormatPairs(std::u16string_view result, std::u16string_view source, PairFormat format)
{
    const auto results = SplitLines(result);
    const auto sources = SplitLines(source);
    std::u16string out;
    for (size_t i = 0; i < results.size(); ++i) {
        if (results[i].empty())
            continue;
        const std::u16string_view english = i < sources.size() ? sources[i] : std::u16string_view();
        if (format == PairFormat::Tsv) {
            AppendTsvField(out, english);
            out += u'\t';
            AppendTsvField(out, results[i]);
            out += u'\n';
        } else {
            AppendCsvField(out, english);
            out += u',';
            AppendCsvField(out, results[i]);
            out += u"\r\n";
        }
    }
    return out;
}

} // namespace carbonym
