#include "dictionary/dictionary_check.h"

#include "dictionary/dictionary_error.h"
#include "dictionary/dictionary_file.h"
#include "dictionary/term_check.h"
#include "text/case_fold.h"
#include "text/trim.h"

#include <unordered_map>

namespace carbonym {

namespace {

// Whether the English field was cut at 64 bytes: it holds no filling space, or
// a single one left where a double-byte character did not fit.
bool EnglishFieldIsFull(std::u16string_view field)
{
    const auto last = field.find_last_not_of(u' ');
    return last != std::u16string_view::npos && field.size() - last - 1 <= 1;
}

std::optional<ProblemKind> KindOf(TermFault fault)
{
    switch (fault) {
    case TermFault::BlankEnglish:
        return ProblemKind::BlankEnglish;
    case TermFault::BlankChinese:
        return ProblemKind::BlankChinese;
    case TermFault::ControlInEnglish:
    case TermFault::ControlInChinese:
        return ProblemKind::ControlCharacter;
    case TermFault::EnglishTooLong:
        break; // a record's Length cannot hold such a count
    }
    return std::nullopt;
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
        const std::u16string_view chinese = Trim(record.Chinese);
        auto report = [&](Kind kind, int64_t earlier = 0, int64_t value = 0, int64_t other = 0) {
            problems.push_back({kind, n, earlier, std::u16string(english), value, other});
        };

        if (i > 0 && record.Length > records[i - 1].Length)
            report(Kind::OutOfOrder, n - 1, record.Length, records[i - 1].Length);
        std::optional<Kind> last;
        for (const TermFault fault : TermFaults(english, chinese)) {
            const auto kind = KindOf(fault);
            // With no English there is nothing for a blank Chinese to delete.
            if (fault == TermFault::BlankChinese && english.empty())
                continue;
            if (kind && kind != last)
                report(*kind);
            last = kind;
        }
        if (!english.empty()) {
            const std::u16string key(english);
            const auto [same, isNew] = exact.emplace(key, n);
            const auto [similar, isNewFolded] = folded.emplace(FoldCase(key), n);
            if (!isNew)
                report(Kind::Repeated, same->second);
            else if (!isNewFolded)
                report(Kind::CaseRepeated, similar->second);
        }
        if (record.English.find(u'\uFFFD') != std::u16string::npos
            || record.Chinese.find(u'\uFFFD') != std::u16string::npos)
            report(Kind::Undecodable);

        const auto count = static_cast<int64_t>(english.size());
        const bool cut = record.Length > count && EnglishFieldIsFull(record.English);
        if (record.Length != count && !cut)
            report(Kind::LengthMismatch, 0, record.Length, count);
    }

    if (const auto extra = fileSize % kRecordSize; extra != 0) {
        const int64_t fragment = RecordCountForSize(fileSize) > static_cast<int64_t>(fileSize / kRecordSize)
                                     ? static_cast<int64_t>(records.size())
                                     : 0;
        problems.push_back(
            {Kind::TrailingBytes, fragment, 0, {}, static_cast<int64_t>(fileSize), static_cast<int64_t>(extra)});
    }
    return problems;
}

DictionaryCheck CheckDictionary(const std::filesystem::path& path)
{
    RequireExistingDictionary(path);
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        throw DictionaryError(DictionaryFault::CannotRead, path);
    const auto records = ReadDictionary(path);
    return DictionaryCheck{static_cast<int64_t>(records.size()), CheckRecords(records, size)};
}

} // namespace carbonym
