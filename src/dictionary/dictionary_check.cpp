#include "dictionary/dictionary_check.h"

#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"
#include "text/case_fold.h"
#include "text/trim.h"
#include "text/utf8.h"

#include <unordered_map>

namespace carbonym {

namespace {

std::string Quoted(std::u16string_view text)
{
    return "“" + Utf16ToUtf8(text) + "”";
}

std::string RecordName(int64_t n)
{
    return "第 " + std::to_string(n) + " 条";
}

// Whether the English field was cut at 64 bytes: it holds no filling space, or
// a single one left where a double-byte character did not fit.
bool EnglishFieldIsFull(std::u16string_view field)
{
    const auto last = field.find_last_not_of(u' ');
    return last != std::u16string_view::npos && field.size() - last - 1 <= 1;
}

} // namespace

std::vector<DictionaryProblem> CheckRecords(const std::vector<TermRecord>& records, uintmax_t fileSize)
{
    using Kind = ProblemKind;
    std::vector<DictionaryProblem> problems;
    std::unordered_map<std::u16string, int64_t> exact;
    std::unordered_map<std::u16string, int64_t> folded;

    for (size_t i = 0; i < records.size(); ++i) {
        const TermRecord& record = records[i];
        const auto n = static_cast<int64_t>(i) + 1;
        const std::u16string_view english = Trim(record.English);
        std::u16string_view chinese = record.Chinese;
        chinese = Trim(chinese.substr(0, chinese.find(u'\0')));

        if (i > 0 && record.Length > records[i - 1].Length) {
            problems.push_back({Kind::OutOfOrder, n, n - 1,
                                RecordName(n) + "（长度 " + std::to_string(record.Length) + "）排在" + RecordName(n - 1)
                                    + "（长度 " + std::to_string(records[i - 1].Length)
                                    + "）之后，不是长词在前：较短的词条会先替换掉它的一部分"});
        }
        if (english.empty()) {
            problems.push_back({Kind::BlankEnglish, n, 0, RecordName(n) + "的英文为空"});
        } else {
            const std::u16string key(english);
            const auto [same, isNew] = exact.emplace(key, n);
            const auto [similar, isNewFolded] = folded.emplace(FoldCase(key), n);
            if (!isNew) {
                problems.push_back({Kind::Repeated, n, same->second,
                                    RecordName(n) + "的英文" + Quoted(english) + "与" + RecordName(same->second)
                                        + "重复：它永远不会被用到"});
            } else if (!isNewFolded) {
                problems.push_back({Kind::CaseRepeated, n, similar->second,
                                    RecordName(n) + "的英文" + Quoted(english) + "与" + RecordName(similar->second)
                                        + "只差大小写：翻译不分大小写，它永远不会被用到"});
            }
        }
        if (chinese.empty() && !english.empty())
            problems.push_back({Kind::BlankChinese, n, 0,
                                RecordName(n) + "的中文为空：翻译会把英文" + Quoted(english) + "删掉"});
        if (english.find_first_of(u"\r\n") != std::u16string_view::npos
            || chinese.find_first_of(u"\r\n") != std::u16string_view::npos)
            problems.push_back({Kind::LineBreak, n, 0,
                                RecordName(n) + "的英文或中文含有换行：一行的名称永远不会与它匹配"});
        if (record.English.find(u'\uFFFD') != std::u16string::npos
            || record.Chinese.find(u'\uFFFD') != std::u16string::npos)
            problems.push_back({Kind::Undecodable, n, 0, RecordName(n) + "含有无法按 GBK 解码的字节"});

        const auto count = static_cast<int64_t>(english.size());
        const bool cut = record.Length > count && EnglishFieldIsFull(record.English);
        if (record.Length != count && !cut)
            problems.push_back({Kind::LengthMismatch, n, 0,
                                RecordName(n) + "的长度字段是 " + std::to_string(record.Length) + "，英文却有 "
                                    + std::to_string(count) + " 个字符"});
    }

    if (const auto extra = fileSize % kRecordSize; extra != 0) {
        const int64_t fragment = RecordCountForSize(fileSize) > static_cast<int64_t>(fileSize / kRecordSize)
                                     ? static_cast<int64_t>(records.size())
                                     : 0;
        std::string message = "文件长度 " + std::to_string(fileSize) + " 字节不是 111 的整数倍：末尾多出 "
                              + std::to_string(extra) + " 字节";
        message += fragment ? "，被读作" + RecordName(fragment) + "（不足的部分按空格补齐）" : "，读取时被忽略";
        problems.push_back({Kind::TrailingBytes, fragment, 0, message});
    }
    return problems;
}

DictionaryCheck CheckDictionary(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw DictionaryError("词典文件“" + DisplayPath(path) + "”不存在");
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        throw DictionaryError("无法读取词典文件“" + DisplayPath(path) + "”的大小");
    const auto records = ReadDictionary(path);
    return DictionaryCheck{static_cast<int64_t>(records.size()), CheckRecords(records, size)};
}

} // namespace carbonym
