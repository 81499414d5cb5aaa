#pragma once

#include <string>
#include <string_view>

namespace carbonym {

// Two-column tables of English names and their translations, for
// spreadsheets and scripts.
enum class PairFormat {
    Tsv, // English, a tab, Chinese; one row a line, ended by "\n"
    Csv, // both fields quoted, quotes doubled, rows ended by CR LF (RFC 4180)
};

// The byte order mark some spreadsheet programs need to read UTF-8.
inline constexpr std::u16string_view kByteOrderMark = u"\uFEFF";

// One row for each non-empty line i of `result` (CR LF line breaks, the
// Chinese-only display): source line i and result line i, an empty English
// field when the source has no line i. The rows pair the same lines as the
// Chinese–English display. A tab or a lone CR or LF inside a TSV field
// becomes a space, so that every row stays one line of two fields; CSV keeps
// every character.
std::u16string FormatPairs(std::u16string_view result, std::u16string_view source, PairFormat format);

} // namespace carbonym
