#pragma once

#include "translation/term.h"

#include <string>
#include <string_view>
#include <vector>

namespace carbonym {

// A real compound name with its accepted Chinese name, in IUPAC form (salts
// and inorganic names too) or as a CAS index name (inverted, translated and
// then reordered).
struct SampleName {
    std::u16string English;
    std::u16string Chinese;
    bool Cas = false;
    int Line = 0;
};

inline constexpr std::string_view kSampleHeader = "english\tchinese\tform";

// Reads the UTF-8 table: the header, then "English<TAB>Chinese<TAB>FORM" a
// line, FORM being IUPAC, CAS, salt or inorganic (the last two translated as
// IUPAC names are); blank and '#' lines are skipped. Throws std::runtime_error naming
// the first malformed line.
std::vector<SampleName> ParseSampleTable(std::string_view utf8);

// The reordering leaves a hyphen between a CAS name's substituent prefixes
// and its parent ("4-氨基-苯甲酸乙酯", "2-(乙酰氧基)-苯甲酸"), where a Chinese
// name writes none: a hyphen that follows a Chinese character, ")" or "]"
// and precedes a Chinese character is dropped before comparing. Nothing else
// is changed.
std::u16string NormalizeChinese(std::u16string_view text);

// Whether a translation still holds English, as the result box marks it
// (translation/english_left.h).
bool HasUntranslatedLatin(std::u16string_view text);

struct SampleResult {
    const SampleName* Name = nullptr;
    std::u16string Output;
    bool Exact = false;
    bool LatinLeft = false;
};

// Translates the name (and reorders a CAS form) with the terms.
SampleResult EvaluateSample(const SampleName& name, const std::vector<Term>& terms);

struct SampleReport {
    std::vector<SampleResult> Results;
    size_t Exact = 0;
    size_t LatinLeft = 0;
    size_t Cas = 0;
    size_t CasExact = 0;

    double ExactShare() const;
    double LatinLeftShare() const;
};

SampleReport EvaluateSamples(const std::vector<SampleName>& names, const std::vector<Term>& terms);

} // namespace carbonym
