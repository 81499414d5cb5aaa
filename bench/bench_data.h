#pragma once

#include "translation/term.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace carbonym::bench {

// A dictionary of `count` distinct terms shaped like chemical morphemes
// ("methyl" 甲基, "N,N-dimethyl" N,N-二甲基, "carboxylic acid" 甲酸), longest
// English first, as the data-entry window keeps it. Some Chinese terms hold
// Latin letters that later, shorter terms hit.
std::vector<Term> MakeDictionary(size_t count, uint64_t seed);

// `count` names shaped like CAS index names ("Benzoic acid, 4-amino-,
// ethyl ester"), the same for every dictionary size.
std::vector<std::u16string> MakeNames(size_t count, uint64_t seed);

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// Writes `terms` as a dictionary file, in their order.
void WriteDictionary(const std::filesystem::path& path, const std::vector<Term>& terms);

// The first `count` names, each followed by `lineBreak`.
std::u16string JoinLines(const std::vector<std::u16string>& names, size_t count, std::u16string_view lineBreak);

} // namespace carbonym::bench
