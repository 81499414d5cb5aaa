#pragma once

#include "dictionary/term_record.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace carbonym {

enum class ProblemKind {
    OutOfOrder, // Length greater than that of the record before: a shorter term there may eat this one
    Repeated, // the same trimmed English as an earlier record: this record is never applied
    CaseRepeated, // the same English as an earlier record but for letter case: never applied either
    BlankEnglish,
    BlankChinese, // translating deletes the English term
    Undecodable, // bytes GBK cannot decode (read as U+FFFD)
    LineBreak, // a term holds a CR or LF: a name of one line never matches it
    LengthMismatch, // Length is not the trimmed English's character count
    TrailingBytes, // the file size is not a whole number of records
};

// One fault of a dictionary file, found by reading it only.
struct DictionaryProblem {
    ProblemKind Kind;
    int64_t Record = 0; // 1-based; for TrailingBytes the record the fragment makes, or 0
    int64_t Earlier = 0; // OutOfOrder, Repeated, CaseRepeated: the earlier record
    std::string Message; // Chinese, UTF-8, naming the record numbers
};

// Every problem of the records, in record order, the trailing bytes last.
// `fileSize` is the size of the file they were read from.
std::vector<DictionaryProblem> CheckRecords(const std::vector<TermRecord>& records, uintmax_t fileSize);

struct DictionaryCheck {
    int64_t RecordCount = 0;
    std::vector<DictionaryProblem> Problems;
};

// Reads the file and checks it. Throws DictionaryError when it is missing or
// cannot be read: checking never creates a file.
DictionaryCheck CheckDictionary(const std::filesystem::path& path);

} // namespace carbonym
