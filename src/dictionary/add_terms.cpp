#include "dictionary/add_terms.h"

#include "dictionary/cut_text.h"
#include "dictionary/dictionary_image.h"
#include "text/trim.h"

namespace carbonym {

AddOutcome AddTerm(const std::filesystem::path& dictionary, std::u16string english, std::u16string chinese,
                   const ChangeOptions& options)
{
    AddOutcome outcome;
    if (english.empty()) {
        outcome.Status = AddStatus::NoEnglish;
        return outcome;
    }
    if (chinese.empty()) {
        outcome.Status = AddStatus::NoChinese;
        return outcome;
    }
    CutAtLineBreak(english, chinese);
    outcome.English = Trim(english);
    if (const auto faults = TermFaults(english, chinese); !faults.empty()) {
        outcome.Status = AddStatus::Refused;
        outcome.Fault = faults.front();
        return outcome;
    }
    ChangeDictionary(dictionary, options, [&](DictionaryImage& image) {
        const bool first = image.RecordCount() == 0;
        const InsertResult result = image.Insert(english, chinese);
        outcome.Stored = result.Stored;
        switch (result.Status) {
        case InsertStatus::Inserted:
            outcome.Status = first ? AddStatus::FirstRecord : AddStatus::Inserted;
            return true;
        case InsertStatus::Duplicate:
            outcome.Status = AddStatus::Duplicate;
            break;
        case InsertStatus::CaseDuplicate:
            outcome.Status = AddStatus::CaseDuplicate;
            break;
        }
        return false;
    });
    return outcome;
}

std::vector<std::u16string> SplitWorkFileLines(std::u16string_view text)
{
    std::vector<std::u16string> lines;
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find(u'\r', begin);
        if (end == std::u16string_view::npos)
            end = text.size();
        lines.emplace_back(text.substr(begin, end - begin));
        begin = end + 1;
        if (begin < text.size() && text[begin] == u'\n')
            ++begin;
    }
    return lines;
}

BatchOutcome AddBatch(const std::filesystem::path& dictionary, const std::vector<std::u16string>& english,
                      const std::vector<std::u16string>& chinese, const ChangeOptions& options)
{
    BatchOutcome outcome;
    size_t count = english.size();
    while (count > 0 && Trim(english[count - 1]).empty())
        --count;
    outcome.EnglishLines = static_cast<int64_t>(count);
    outcome.ChineseLines = static_cast<int64_t>(chinese.size());
    if (chinese.size() < count) {
        outcome.Status = BatchOutcome::Status::ChineseListShorter;
        return outcome;
    }

    // Every line of the English list is checked before the dictionary is
    // opened: a batch with a bad line adds nothing, and the message names
    // the line. Chinese lines past the English list are not read.
    std::vector<std::pair<std::u16string, std::u16string>> pairs;
    pairs.reserve(count);
    for (size_t i = 0; i < english.size(); ++i) {
        std::u16string englishLine = english[i];
        std::u16string chineseLine = i < chinese.size() ? chinese[i] : std::u16string();
        CutAtTab(englishLine, chineseLine);
        if (Trim(englishLine).empty() && Trim(chineseLine).empty())
            continue; // a blank line in both lists keeps them in step
        if (const auto faults = TermFaults(englishLine, chineseLine); !faults.empty()) {
            outcome.Status = BatchOutcome::Status::LineRefused;
            outcome.Line = static_cast<int64_t>(i) + 1;
            outcome.Fault = faults.front();
            outcome.English = Trim(englishLine);
            outcome.Chinese = Trim(chineseLine);
            return outcome;
        }
        pairs.emplace_back(std::move(englishLine), std::move(chineseLine));
    }

    ChangeDictionary(dictionary, options, [&](DictionaryImage& image) {
        outcome.Added = 0;
        outcome.DuplicateCount = 0;
        outcome.Duplicates.clear();
        std::vector<InsertResult> results;
        if (image.RecordCount() == 0) {
            // Into an empty dictionary the list's order stands.
            for (const auto& [englishLine, chineseLine] : pairs)
                results.push_back(image.AppendUnlessStored(englishLine, chineseLine));
        } else {
            results = image.InsertAll(pairs);
        }
        for (size_t i = 0; i < results.size(); ++i) {
            if (results[i].Status == InsertStatus::Inserted) {
                ++outcome.Added;
                continue;
            }
            ++outcome.DuplicateCount;
            outcome.Duplicates.push_back({std::u16string(Trim(pairs[i].first)), results[i].Status, results[i].Stored});
        }
        return outcome.Added > 0;
    });
    return outcome;
}

} // namespace carbonym
