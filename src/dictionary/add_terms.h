#pragma once

#include "dictionary/dictionary_change.h"
#include "dictionary/dictionary_image.h"
#include "dictionary/term_check.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace carbonym {

enum class AddStatus {
    Inserted, // the pair is stored in order
    FirstRecord, // the pair became the first record of an empty dictionary
    Duplicate, // the English term is stored already; nothing written
    CaseDuplicate, // a stored English term differs only in letter case; nothing written
    NoEnglish, // the English text is empty; the dictionary was not opened
    NoChinese, // the Chinese text is empty; the dictionary was not opened
    Refused, // the pair has a fault (Fault); the dictionary was not opened
};

struct AddOutcome {
    AddStatus Status = AddStatus::Inserted;
    TermFault Fault = TermFault::BlankEnglish; // Refused: the first fault
    std::u16string English; // the English term as it was to be stored (first line, trimmed)
    std::u16string Stored; // Duplicate, CaseDuplicate: the English already stored
};

// Adds one pair: only its first line, in order, refused when it has a fault
// (TermFaults) or its English term is stored already, letter case aside. The
// first pair into an empty dictionary is written as it is (FirstRecord). A
// locked change (ChangeDictionary), all or nothing: on failure an exception
// (DictionaryError, GbkError) and the file is untouched.
AddOutcome AddTerm(const std::filesystem::path& dictionary, std::u16string english, std::u16string chinese,
                   const ChangeOptions& options = {});

struct BatchOutcome {
    enum class Status {
        Done,
        ChineseListShorter, // an English line has no Chinese line; nothing added
        LineRefused, // line Line has a fault (Fault); nothing added
    };

    // A pair not added because its English is stored already.
    struct Refusal {
        std::u16string English; // trimmed
        InsertStatus Status = InsertStatus::Duplicate; // Duplicate or CaseDuplicate
        std::u16string Stored; // the English already stored
    };

    Status Status = Status::Done;
    int64_t Added = 0;
    int64_t DuplicateCount = 0;
    std::vector<Refusal> Duplicates;
    int64_t EnglishLines = 0; // up to the last English line that is not blank
    int64_t ChineseLines = 0;
    int64_t Line = 0; // LineRefused: 1-based, in both lists
    TermFault Fault = TermFault::BlankEnglish; // LineRefused
    std::u16string English; // LineRefused: the line's English, cut at its tab
    std::u16string Chinese; // LineRefused: the line's Chinese, cut at its tab
};

// The lines of a work file: a line ends at a carriage return, a line feed
// right after it belongs to the line end, and a text that ends with a line
// end has no empty last line.
std::vector<std::u16string> SplitWorkFileLines(std::u16string_view text);

// Adds the pairs of two parallel lists, line i of one with line i of the
// other, each line cut before its first tab. A line blank in both lists is
// passed over; any other pair with a fault (TermFaults, which includes a
// blank line in one list only) refuses the whole batch, naming the line, and
// so does an English line without a Chinese line. Into an empty dictionary
// the pairs are written in list order; otherwise each goes through the
// ordered insert. Either way each pair sees the pairs before it, and those
// whose English is stored already, letter case aside, are counted and
// named. All or nothing, as AddTerm.
BatchOutcome AddBatch(const std::filesystem::path& dictionary, const std::vector<std::u16string>& english,
                      const std::vector<std::u16string>& chinese, const ChangeOptions& options = {});

} // namespace carbonym
