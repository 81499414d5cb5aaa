#pragma once

#include <cstdint>
#include <string>

namespace carbonym {

enum class ProblemKind {
    OutOfOrder, // Length greater than that of the record before: a shorter term there may eat this one
    Repeated, // the same trimmed English as an earlier record: this record is never applied
    CaseRepeated, // the same English as an earlier record but for letter case: never applied either
    BlankEnglish,
    BlankChinese, // translating deletes the English term
    ControlCharacter, // a term holds a tab, line break, NUL or other control character
    Undecodable, // bytes GBK cannot decode (read as U+FFFD)
    LengthMismatch, // Length is not the trimmed English's character count
    TrailingBytes, // the file size is not a whole number of records
};

// One fault of a dictionary file, found by reading it only.
struct DictionaryProblem {
    ProblemKind Kind = ProblemKind::OutOfOrder;
    int64_t Record = 0; // 1-based; for TrailingBytes the record the fragment makes, or 0
    int64_t Earlier = 0; // OutOfOrder, Repeated, CaseRepeated: the earlier record
    std::u16string English; // the record's trimmed English
    // OutOfOrder: this record's Length and the earlier one's. LengthMismatch:
    // the Length field and the English's character count. TrailingBytes: the
    // file size and the bytes past the last whole record.
    int64_t Value = 0;
    int64_t Other = 0;

    bool operator==(const DictionaryProblem&) const = default;
};

} // namespace carbonym
