#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace carbonym {

// One line of the starter dictionary's source table.
struct TermRow {
    std::u16string English;
    std::u16string Chinese;
    std::string Category;
    std::string Table; // the table's name, for messages
    int Line = 0;
};

struct TermTable {
    std::vector<TermRow> Rows;
    std::vector<std::string> Errors; // "NAME:LINE: message", Chinese
};

inline constexpr std::string_view kTermTableHeader = "english\tchinese\tcategory";

// Reads the UTF-8 table: the header line, then one term a line as three
// tab-separated fields. Blank lines and lines starting with '#' are skipped.
// A row is refused, with its line number, when it is malformed, repeats an
// English term (letter case aside: translation ignores it), or does not fit a
// record whole: English over 64 characters or 64 GBK bytes, Chinese over 45
// GBK bytes, or a character GBK cannot hold.
TermTable ParseTermTable(std::string_view utf8, const std::string& name);

// One table's text and the name its messages carry.
struct TermSource {
    std::string Name;
    std::string Utf8;
};

// Reads several tables into one dictionary's rows, in order: an English term
// may stand once across all of them, so a repeat in a later table is refused
// with the table and line that hold it first.
TermTable ParseTermTables(const std::vector<TermSource>& sources);

// Reads the tables from files; a file that cannot be read is an error too.
TermTable ReadTermTables(const std::vector<std::filesystem::path>& paths);

// Writes the rows to `output` through the ordered insert, so that the file is
// longest first. Throws std::runtime_error when an insert refuses a row.
void CompileTermTable(const std::vector<TermRow>& rows, const std::filesystem::path& output);

} // namespace carbonym
