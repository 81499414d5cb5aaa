#pragma once

#include "dictionary/dictionary_change.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace carbonym {

// What the add commands tell the user. The texts end in the spaces that
// belong to them.
inline constexpr const char* kNoEnglishMessage = "没有要添加的英文  ";
inline constexpr const char* kNoChineseMessage = "没有要添加的中文  ";
inline constexpr const char* kDuplicateMessage = "数据已经存在     ";
inline constexpr const char* kAddDoneMessage = "数据添加完毕    ";
inline constexpr const char* kBatchDoneMessage = "数据添加完毕     ";

// "数据添加完毕，已经有  N  个数据存在": the batch's message for N > 0 duplicates.
std::string BatchDuplicatesMessage(int64_t duplicateCount);

enum class AddStatus {
    Inserted, // the pair is stored in order
    FirstRecord, // the pair became the first record of an empty dictionary
    Duplicate, // the English term is stored already; nothing written
    NoEnglish, // the English text is empty; the dictionary was not opened
    NoChinese, // the Chinese text is empty; the dictionary was not opened
    NothingToAdd, // a blank English term into an empty dictionary
};

// Adds one pair: only its first line, in order, refused when its English term
// is stored already. The first pair into an empty dictionary is written as
// it is (FirstRecord). A locked change (ChangeDictionary), all or nothing: on
// failure an exception (DictionaryError, GbkError, std::length_error) with a
// Chinese message, and the file is untouched.
AddStatus AddTerm(const std::filesystem::path& dictionary, std::u16string english, std::u16string chinese,
                  const ChangeOptions& options = {});

struct BatchOutcome {
    enum class Status { Done, ChineseListShorter };

    Status Status = Status::Done;
    int64_t Added = 0;
    int64_t DuplicateCount = 0;
    std::vector<std::u16string> Duplicates; // the English of each pair refused as stored already, trimmed
    int64_t EnglishLines = 0; // the lines the batch would add, up to the first blank English line
    int64_t ChineseLines = 0;
};

// The message the user sees for a batch outcome.
std::string BatchMessage(const BatchOutcome& outcome);

// The lines of a work file: a line ends at a carriage return, a line feed
// right after it belongs to the line end, and a text that ends with a line
// end has no empty last line.
std::vector<std::u16string> SplitWorkFileLines(std::u16string_view text);

// Adds the pairs of two parallel lists, line i of one with line i of the
// other, until the English list ends or a blank English line comes; each
// line is cut before its first tab. Into an empty dictionary the pairs are
// written in list order without any test; otherwise each goes through the
// ordered insert and sees the pairs before it, and duplicates are counted.
// Refused before anything is written when the Chinese list has fewer lines
// than the English lines the batch would add. All or nothing, as AddTerm.
BatchOutcome AddBatch(const std::filesystem::path& dictionary, const std::vector<std::u16string>& english,
                      const std::vector<std::u16string>& chinese, const ChangeOptions& options = {});

} // namespace carbonym
