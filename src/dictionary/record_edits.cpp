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

bool Holds(const DictionaryImage& image, const RecordReference& record)
{
    return record.Number >= 1 && record.Number <= image.RecordCount()
           && image.English(record.Number) == Trim(record.English);
}

} // namespace

RecordSearch::RecordSearch(std::u16string_view text) : text_(text), folded_(FoldCase(text)) {}

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
// equals `english`; nothing is written when there is none.
template <typename Change>
EditOutcome ChangeEachOf(const std::filesystem::path& dictionary, std::u16string_view english,
                         const ChangeOptions& options, Change change)
{
    EditOutcome outcome;
    ChangeDictionary(dictionary, ExistingOnly(options), [&](DictionaryImage& image) {
        const auto numbers = NumbersOf(image, english);
        change(image, numbers);
        outcome.Records = static_cast<int64_t>(numbers.size());
        outcome.Status = numbers.empty() ? EditStatus::NotFound : EditStatus::Done;
        return !numbers.empty();
    });
    return outcome;
}

EditOutcome SetChinese(const std::filesystem::path& dictionary, std::u16string_view english,
                       std::u16string_view chinese, const ChangeOptions& options)
{
    if (chinese.empty())
        return {EditStatus::NoChinese, 0};
    const std::u16string stored = FirstLine(chinese);
    return ChangeEachOf(dictionary, english, options, [&](DictionaryImage& image, const std::vector<int64_t>& numbers) {
        for (const int64_t n : numbers)
            image.SetChinese(n, stored);
    });
}

EditOutcome RemoveRecord(const std::filesystem::path& dictionary, std::u16string_view english,
                         const ChangeOptions& options)
{
    return ChangeEachOf(dictionary, english, options, [](DictionaryImage& image, const std::vector<int64_t>& numbers) {
        image.Remove(numbers);
    });
}

EditOutcome SetChineseAt(const std::filesystem::path& dictionary, const RecordReference& record,
                         std::u16string_view chinese, const ChangeOptions& options)
{
    EditOutcome outcome;
    if (chinese.empty())
        return {EditStatus::NoChinese, 0};
    const std::u16string stored = FirstLine(chinese);
    ChangeDictionary(dictionary, ExistingOnly(options), [&](DictionaryImage& image) {
        if (!Holds(image, record)) {
            outcome.Status = EditStatus::Stale;
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
        return {EditStatus::NotFound, 0};
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
