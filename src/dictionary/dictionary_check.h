#pragma once

#include "dictionary/dictionary_problem.h"
#include "dictionary/term_record.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace carbonym {

// Every problem of the records, in record order, the trailing bytes last.
// `fileSize` is the size of the file they were read from. A record whose
// pair the add commands would refuse (TermFaults, a repeated English term)
// is always reported.
std::vector<DictionaryProblem> CheckRecords(const std::vector<TermRecord>& records, uintmax_t fileSize);

struct DictionaryCheck {
    int64_t RecordCount = 0;
    std::vector<DictionaryProblem> Problems;
};

// Reads the file and checks it. Throws DictionaryError when it is missing,
// not a plain file or cannot be read: checking never creates a file.
DictionaryCheck CheckDictionary(const std::filesystem::path& path);

} // namespace carbonym
