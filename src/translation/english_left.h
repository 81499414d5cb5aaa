#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace carbonym {

// Latin letters stay in a Chinese name only as locants and descriptors: a
// single letter (N-, O-, S-, the H of 1H-, E/Z/R/S, D/L, the fusion letters
// of [2,3-b]), one of DL, RS, SR and the element symbols Se, Si, Te, an
// oxidation state in brackets (氯化铁(III), (II,III)), or an abbreviation of
// capitals in brackets at the end or the start of a line (二甲基亚砜 (DMSO),
// (DMSO)二甲基亚砜). Any
// other run of Latin letters is English the dictionary did not translate.
struct EnglishRun {
    size_t Start = 0; // in UTF-16 units of the text, a line break counting two
    size_t Length = 0;
};

// Protecting groups joined to what they protect (Boc-甘氨酸) are a Chinese
// name's own as written; comparing with a name that spells them out
// (叔丁氧羰基-甘氨酸) counts them as English.
enum class ProtectingGroups { Kept, English };

std::vector<EnglishRun> FindEnglishLeft(std::u16string_view text, ProtectingGroups groups = ProtectingGroups::Kept);

bool HasEnglishLeft(std::u16string_view text);

// The lines (split at CR LF) that still hold English.
size_t CountLinesWithEnglish(std::u16string_view text);

// Each distinct run of English with the number of times it occurs, most
// frequent first, equal counts in character order: what the dictionary
// still lacks.
std::vector<std::pair<std::u16string, size_t>> CountEnglishFragments(std::u16string_view text);

} // namespace carbonym
