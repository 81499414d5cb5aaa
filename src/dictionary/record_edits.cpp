#include "dictionary/record_edits.h"

#include "dictionary/cut_text.h"
#include "dictionary/dictionary_file.h"
#include "dictionary/gbk_codec.h"
#include "text/case_fold.h"
#include "text/trim.h"

#include <algorithm>
#include <utility>

namespace carbonym {

namespace {

// Set and remove change what is there: an absent dictionary is an error.
ChangeOptions ExistingOnly(ChangeOptions options)
{
    options.CreateIfAbsent = false;
    return options;
}

// The English as a record stores it: a term past its field is found by the
// part the field holds.
std::u16string AsStored(std::u16string_view english)
{
    const auto term = Trim(english);
    try {
        GbkCodec codec;
        const auto bytes = EncodeRecord(TermRecord{0, std::u16string(term), u""}, codec);
        return std::u16string(Trim(DecodeRecord(std::string_view(bytes.data(), bytes.size()), codec).English));
    } catch (const GbkError&) {
        return std::u16string(term); // stored nowhere, found nowhere
    }
}

std::vector<int64_t> NumbersOf(const DictionaryImage& image, std::u16string_view english)
{
    const auto term = AsStored(english);
    std::vector<int64_t> numbers;
    for (int64_t n = 1; n <= image.RecordCount(); ++n) {
        if (image.English(n) == term)
            numbers.push_back(n);
    }
    return numbers;
}

// The Chinese as an add stores it: its first line, trimmed.
std::u16string FirstLine(std::u16string_view chinese)
{
    std::u16string english;
    std::u16string text(chinese);
    CutAtLineBreak(english, text);
    return std::u16string(Trim(text));
}

std::u16string ChineseOf(const DictionaryImage& image, int64_t n)
{
    return std::u16string(Trim(image.Record(n).Chinese));
}

bool Holds(const DictionaryImage& image, const RecordReference& record)
{
    return record.Number >= 1 && record.Number <= image.RecordCount()
           && image.English(record.Number) == Trim(record.English)
           && ChineseOf(image, record.Number) == Trim(record.Chinese);
}

// The outcome for a new Chinese text before the dictionary is opened: empty
// or with a fault, it is refused.
EditOutcome Outcome(EditStatus status, TermFault fault = TermFault::BlankChinese)
{
    EditOutcome outcome;
    outcome.Status = status;
    outcome.Fault = fault;
    return outcome;
}

std::optional<EditOutcome> RefuseChinese(std::u16string_view chinese, const std::u16string& stored)
{
    if (chinese.empty())
        return Outcome(EditStatus::NoChinese);
    const auto faults = TermFaults(u"x", stored);
    if (!faults.empty())
        return Outcome(EditStatus::Refused, faults.front());
    return std::nullopt;
}

} // namespace

RecordSearch::RecordSearch(std::u16string_view text) : text_(text), folded_(FoldCase(text)) { }

bool RecordSearch::Matches(std::u16string_view english, std::u16string_view chinese) const
{
    return Trim(chinese).find(text_) != std::u16string_view::npos
           || FoldCase(Trim(english)).find(folded_) != std::u16string::npos;
}

std::vector<FoundRecord> FindRecords(const std::vector<TermRecord>& records, std::u16string_view text)
{
    const RecordSearch search(text);
    std::vector<FoundRecord> found;
    for (size_t i = 0; i < records.size(); ++i) {
        if (search.Matches(records[i].English, records[i].Chinese))
            found.push_back({static_cast<int64_t>(i) + 1, records[i]});
    }
    return found;
}

std::vector<FoundRecord> FindRecords(const std::filesystem::path& dictionary, std::u16string_view text)
{
    return FindRecords(ReadExistingDictionary(dictionary), text);
}

// One locked change applied to the numbers of every record whose English
// equals `english`; nothing is written when there is none, or when a record
// does not hold the expected Chinese.
template <typename Change>
EditOutcome ChangeEachOf(const std::filesystem::path& dictionary, std::u16string_view english,
                         const ChangeOptions& options, std::optional<std::u16string_view> expect, Change change)
{
    EditOutcome outcome;
    ChangeDictionary(dictionary, ExistingOnly(options), [&](DictionaryImage& image) {
        const auto numbers = NumbersOf(image, english);
        outcome.Status = numbers.empty() ? EditStatus::NotFound : EditStatus::Done;
        for (const int64_t n : numbers) {
            if (expect && ChineseOf(image, n) != Trim(*expect)) {
                outcome.Status = EditStatus::Stale;
                outcome.Found = ChineseOf(image, n);
                return false;
            }
        }
        if (numbers.empty())
            return false;
        outcome.Records = static_cast<int64_t>(numbers.size());
        return change(image, numbers);
    });
    return outcome;
}

EditOutcome SetChinese(const std::filesystem::path& dictionary, std::u16string_view english,
                       std::u16string_view chinese, const ChangeOptions& options,
                       std::optional<std::u16string_view> expect)
{
    const std::u16string stored = FirstLine(chinese);
    if (const auto refused = RefuseChinese(chinese, stored))
        return *refused;
    bool unchanged = false;
    auto outcome = ChangeEachOf(dictionary, english, options, expect,
                                [&](DictionaryImage& image, const std::vector<int64_t>& numbers) {
                                    const std::string before = image.Bytes();
                                    for (const int64_t n : numbers)
                                        image.SetChinese(n, stored);
                                    unchanged = image.Bytes() == before;
                                    return !unchanged;
                                });
    if (unchanged && outcome.Status == EditStatus::Done) {
        outcome.Status = EditStatus::Unchanged;
        outcome.Records = 0;
    }
    return outcome;
}

EditOutcome RemoveRecord(const std::filesystem::path& dictionary, std::u16string_view english,
                         const ChangeOptions& options, std::optional<std::u16string_view> expect)
{
    return ChangeEachOf(dictionary, english, options, expect,
                        [](DictionaryImage& image, const std::vector<int64_t>& numbers) {
                            image.Remove(numbers);
                            return true;
                        });
}

EditOutcome SetChineseAt(const std::filesystem::path& dictionary, const RecordReference& record,
                         std::u16string_view chinese, const ChangeOptions& options)
{
    EditOutcome outcome;
    const std::u16string stored = FirstLine(chinese);
    if (const auto refused = RefuseChinese(chinese, stored))
        return *refused;
    ChangeDictionary(dictionary, ExistingOnly(options), [&](DictionaryImage& image) {
        if (!Holds(image, record)) {
            outcome.Status = EditStatus::Stale;
            return false;
        }
        if (ChineseOf(image, record.Number) == stored) {
            outcome.Status = EditStatus::Unchanged;
            return false;
        }
        image.SetChinese(record.Number, stored);
        outcome.Records = 1;
        return true;
    });
    return outcome;
}

EditOutcome RemoveRecordsAt(const std::filesystem::path& dictionary, const std::vector<RecordReference>& records,
                            const ChangeOptions& options)
{
    EditOutcome outcome;
    if (records.empty())
        return Outcome(EditStatus::NotFound);
    ChangeDictionary(dictionary, ExistingOnly(options), [&](DictionaryImage& image) {
        std::vector<int64_t> numbers;
        for (const auto& record : records) {
            if (!Holds(image, record)) {
                outcome.Status = EditStatus::Stale;
                return false;
            }
            numbers.push_back(record.Number);
        }
        std::sort(numbers.begin(), numbers.end());
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
        outcome.Records = static_cast<int64_t>(numbers.size());
        image.Remove(std::move(numbers));
        return true;
    });
    return outcome;
}

} // namespace carbonym
