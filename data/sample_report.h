#pragma once

#include "translation/reorder.h"
#include "translation/term.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace carbonym {

// A real compound name with its accepted Chinese names. The first samples
// mark each name by form: IUPAC, CAS for an inverted index name, salt or
// inorganic; the reagent sample by class: organic, salt, inorganic or CAS.
// Every name but an IUPAC form is put into word order after translation.
struct SampleName {
    std::u16string English;
    std::u16string Chinese; // the first accepted name
    std::vector<std::u16string> Accepted; // every accepted name, Chinese first
    std::string Class; // the form or class: "IUPAC", "CAS", "organic", "salt" or "inorganic"
    bool Cas = false;
    bool Ordered = false; // put into word order after translation
    bool Variants = false; // spelling variants count as exact (CanonicalChinese)
    int Line = 0;
};

inline constexpr std::string_view kSampleHeader = "english\tchinese\tform";
inline constexpr std::string_view kClassSampleHeader = "english\tchinese\tclass";

// Reads the UTF-8 table: a header, then "English<TAB>Chinese<TAB>form" a
// line; blank and '#' lines are skipped. Under kSampleHeader the form is
// IUPAC, CAS, salt or inorganic; under kClassSampleHeader it is the class
// organic, salt, inorganic or CAS, and the Chinese may list several accepted
// names separated by '|'. Throws std::runtime_error naming the first
// malformed line.
std::vector<SampleName> ParseSampleTable(std::string_view utf8);

// How names are ordered: 排序 on their translation, or the naming-rule
// order, which composes each name from its parts (设置 → 按命名规则排序,
// `--sort=rules`).
enum class NameOrder { Plain, Rules };

// The reordering leaves a hyphen between a CAS name's substituent prefixes
// and its parent ("4-氨基-苯甲酸乙酯", "2-(乙酰氧基)-苯甲酸"), where a Chinese
// name writes none: a hyphen that follows a Chinese character, ")" or "]"
// and precedes a Chinese character is dropped before comparing. Nothing else
// is changed.
std::u16string NormalizeChinese(std::u16string_view text);

// The form two accepted spellings of one name share: NormalizeChinese, then
// 胺基 written 氨基, no space beside a bracket ("二甲基亚砜 (DMSO)"), and the
// first locants after a parent moved in front of it, as older names write
// them: 丁-2-烯 is 2-丁烯, 3-甲基丁-2-酮 is 3-甲基-2-丁酮, 苯-1,2-二酚 is
// 1,2-苯二酚. The parent is the run of Chinese characters before the locants,
// after its last substituent prefix (one ending in 基 or a halogen).
std::u16string CanonicalChinese(std::u16string_view text);

// Whether a translation still holds English, as the result box marks it
// (translation/english_left.h).
bool HasUntranslatedLatin(std::u16string_view text);

// As above, but a run the accepted name itself holds (DMSO, Boc) is no
// English left.
bool HasUntranslatedLatin(std::u16string_view text, std::u16string_view accepted);

struct SampleResult {
    const SampleName* Name = nullptr;
    std::u16string Output;
    bool Exact = false;
    bool LatinLeft = false;
};

// Puts the name's translation into word order unless it is an IUPAC form,
// and compares it with every accepted name: in the second sample up to
// CanonicalChinese, in the first up to NormalizeChinese alone, since that
// sample holds the dictionary to one spelling.
SampleResult EvaluateSample(const SampleName& name, std::u16string ordered);

struct SampleTally {
    size_t Names = 0;
    size_t Exact = 0;
    size_t LatinLeft = 0;

    double ExactShare() const;
    double LatinLeftShare() const;
};

struct SampleReport {
    std::vector<SampleResult> Results;
    size_t Exact = 0;
    size_t LatinLeft = 0;
    size_t Cas = 0;
    size_t CasExact = 0;
    std::map<std::string, SampleTally> ByClass;

    double ExactShare() const;
    double LatinLeftShare() const;
};

SampleReport EvaluateSamples(const std::vector<SampleName>& names, const std::vector<Term>& terms,
                             NameOrder order = NameOrder::Plain);

} // namespace carbonym
