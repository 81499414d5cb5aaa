#include "dictionary/add_terms.h"

#include "dictionary/cut_text.h"
#include "dictionary/dictionary_image.h"
#include "text/trim.h"

namespace carbonym {

std::string BatchDuplicatesMessage(int64_t duplicateCount)
{
    return "数据添加完毕，已经有  " + std::to_string(duplicateCount) + "  个数据存在";
}

AddStatus AddTerm(const std::filesystem::path& dictionary, std::u16string english, std::u16string chinese,
                  const ChangeOptions& options)
{
    // Only an empty text is refused here: a box of spaces passes.
    if (english.empty())
        return AddStatus::NoEnglish;
    if (chinese.empty())
        return AddStatus::NoChinese;
    AddStatus status = AddStatus::Inserted;
    ChangeDictionary(dictionary, options, [&](DictionaryImage& image) {
        if (image.RecordCount() == 0) {
            if (Trim(english).empty()) {
                status = AddStatus::NothingToAdd;
                return false;
            }
            CutAtLineBreak(english, chinese);
            image.Append(english, chinese);
            status = AddStatus::FirstRecord;
            return true;
        }
        CutAtLineBreak(english, chinese);
        if (image.Insert(english, chinese) == InsertStatus::Duplicate) {
            status = AddStatus::Duplicate;
            return false;
        }
        return true;
    });
    return status;
}

std::string BatchMessage(const BatchOutcome& outcome)
{
    switch (outcome.Status) {
    case BatchOutcome::Status::ChineseListShorter:
        return "中文列表的行数少于英文列表：英文 " + std::to_string(outcome.EnglishLines) + " 行，中文 "
               + std::to_string(outcome.ChineseLines) + " 行。没有添加任何数据。";
    case BatchOutcome::Status::Done:
        break;
    }
    return outcome.DuplicateCount == 0 ? std::string(kBatchDoneMessage) : BatchDuplicatesMessage(outcome.DuplicateCount);
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
    // The test for a blank line comes before the cut at the tab.
    size_t count = 0;
    while (count < english.size() && !Trim(english[count]).empty())
        ++count;
    outcome.EnglishLines = static_cast<int64_t>(count);
    outcome.ChineseLines = static_cast<int64_t>(chinese.size());
    if (chinese.size() < count) {
        outcome.Status = BatchOutcome::Status::ChineseListShorter;
        return outcome;
    }

    ChangeDictionary(dictionary, options, [&](DictionaryImage& image) {
        outcome.Added = 0;
        outcome.DuplicateCount = 0;
        outcome.Duplicates.clear();
        std::vector<std::pair<std::u16string, std::u16string>> pairs;
        pairs.reserve(count);
        for (size_t i = 0; i < count; ++i) {
            pairs.emplace_back(english[i], chinese[i]);
            CutAtTab(pairs.back().first, pairs.back().second);
        }
        if (image.RecordCount() == 0) {
            for (const auto& [englishLine, chineseLine] : pairs)
                image.Append(englishLine, chineseLine);
            outcome.Added = static_cast<int64_t>(pairs.size());
        } else {
            const auto statuses = image.InsertAll(pairs);
            for (size_t i = 0; i < statuses.size(); ++i) {
                if (statuses[i] == InsertStatus::Inserted) {
                    ++outcome.Added;
                } else {
                    ++outcome.DuplicateCount;
                    outcome.Duplicates.emplace_back(Trim(pairs[i].first));
                }
            }
        }
        return outcome.Added > 0;
    });
    return outcome;
}

} // namespace carbonym
