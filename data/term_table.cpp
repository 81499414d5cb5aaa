#include "term_table.h"

#include "dictionary/dictionary_file.h"
#include "dictionary/dictionary_image.h"
#include "dictionary/gbk_codec.h"
#include "dictionary/term_record.h"
#include "text/case_fold.h"
#include "text/utf8.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unordered_map>

namespace carbonym {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    size_t begin = 0;
    for (;;) {
        const size_t end = text.find(separator, begin);
        parts.push_back(text.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin));
        if (end == std::string_view::npos)
            return parts;
        begin = end + 1;
    }
}

bool HasOuterBlanks(std::string_view field)
{
    constexpr std::string_view blanks = " \t\r\v\f";
    return !field.empty()
           && (blanks.find(field.front()) != std::string_view::npos
               || blanks.find(field.back()) != std::string_view::npos);
}

// Why a row's text cannot be stored whole, or empty when it can.
std::string FieldFault(std::u16string_view text, size_t maxBytes, const char* what, GbkCodec& codec)
{
    try {
        const size_t bytes = codec.Encode(text).size();
        if (bytes > maxBytes)
            return std::string(what) + "占 " + std::to_string(bytes) + " 个 GBK 字节，超过了 "
                   + std::to_string(maxBytes) + " 字节";
    } catch (const GbkError& error) {
        return std::string(what) + "中的" + error.what();
    }
    return {};
}

struct FirstRow {
    size_t Table;
    int Line;
};

void ParseInto(TermTable& table, std::unordered_map<std::u16string, FirstRow>& seen,
               const std::vector<TermSource>& sources, size_t source, GbkCodec& codec)
{
    const std::string_view utf8 = sources[source].Utf8;
    const std::string& name = sources[source].Name;
    const auto lines = Split(utf8, '\n');
    auto fail = [&](int line, const std::string& message) {
        table.Errors.push_back(name + ":" + std::to_string(line) + ": " + message);
    };

    if (lines.empty() || lines.front() != kTermTableHeader) {
        fail(1, "第一行应是表头“english<TAB>chinese<TAB>category”");
        return;
    }
    for (size_t i = 1; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        const std::string_view text = lines[i];
        if (text.empty() || text.front() == '#')
            continue;
        const auto fields = Split(text, '\t');
        if (fields.size() != 3) {
            fail(line,
                 "格式错误：应有以制表符分隔的三列（英文、中文、类别），实有 " + std::to_string(fields.size()) + " 列");
            continue;
        }
        if (fields[0].empty() || fields[1].empty() || fields[2].empty()) {
            fail(line, "格式错误：英文、中文和类别都不能为空");
            continue;
        }
        if (HasOuterBlanks(fields[0]) || HasOuterBlanks(fields[1]) || HasOuterBlanks(fields[2])) {
            fail(line, "格式错误：字段首尾不能有空白");
            continue;
        }
        TermRow row;
        try {
            row.English = Utf8ToUtf16(fields[0]);
            row.Chinese = Utf8ToUtf16(fields[1]);
        } catch (const std::invalid_argument&) {
            fail(line, "不是有效的 UTF-8 文本");
            continue;
        }
        row.Category = std::string(fields[2]);
        row.Table = name;
        row.Line = line;

        if (row.English.size() > kEnglishWidth) {
            fail(line, "英文词条有 " + std::to_string(row.English.size()) + " 个字符，超过了 64 个字符");
            continue;
        }
        if (auto fault = FieldFault(row.English, kEnglishWidth, "英文词条", codec); !fault.empty()) {
            fail(line, fault);
            continue;
        }
        if (auto fault = FieldFault(row.Chinese, kChineseWidth, "中文词条", codec); !fault.empty()) {
            fail(line, fault);
            continue;
        }
        const auto [earlier, isNew] = seen.emplace(FoldCase(row.English), FirstRow{source, line});
        if (!isNew) {
            const std::string where = earlier->second.Table == source ? "" : sources[earlier->second.Table].Name + " ";
            fail(line, "英文词条“" + std::string(fields[0]) + "”重复：" + where + "第 "
                           + std::to_string(earlier->second.Line) + " 行已有（不分大小写）");
            continue;
        }
        table.Rows.push_back(std::move(row));
    }
}

} // namespace

TermTable ParseTermTables(const std::vector<TermSource>& sources)
{
    TermTable table;
    GbkCodec codec;
    std::unordered_map<std::u16string, FirstRow> seen; // folded English -> where it stands first
    for (size_t i = 0; i < sources.size(); ++i)
        ParseInto(table, seen, sources, i, codec);
    return table;
}

TermTable ParseTermTable(std::string_view utf8, const std::string& name)
{
    return ParseTermTables({TermSource{name, std::string(utf8)}});
}

TermTable ReadTermTables(const std::vector<std::filesystem::path>& paths)
{
    std::vector<TermSource> sources;
    std::vector<std::string> unreadable;
    for (const auto& path : paths) {
        std::ifstream in(path, std::ios::binary);
        std::string content(std::istreambuf_iterator<char>(in), {});
        if (!in.is_open() || in.bad())
            unreadable.push_back("无法读取词条表“" + DisplayPath(path) + "”");
        else
            sources.push_back(TermSource{DisplayPath(path), std::move(content)});
    }
    TermTable table = ParseTermTables(sources);
    table.Errors.insert(table.Errors.begin(), unreadable.begin(), unreadable.end());
    return table;
}

void CompileTermTable(const std::vector<TermRow>& rows, const std::filesystem::path& output)
{
    // Built in memory and saved in one step, so that a failed run leaves no
    // half-written dictionary behind.
    DictionaryImage image;
    for (const auto& row : rows) {
        if (image.Insert(row.English, row.Chinese).Status != InsertStatus::Inserted)
            throw std::runtime_error(row.Table + " 第 " + std::to_string(row.Line) + " 行：有序插入认为英文词条“"
                                     + Utf16ToUtf8(row.English) + "”已经存在");
    }
    image.Save(output);
}

} // namespace carbonym
