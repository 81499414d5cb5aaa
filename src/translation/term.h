#pragma once

#include "dictionary/term_record.h"

#include <string>
#include <vector>

namespace carbonym {

// A record as the translate command uses it: the trimmed English term and the
// Chinese term cut at its first NUL, then trimmed.
struct Term {
    std::u16string English;
    std::u16string Chinese;
};

// The terms of `records` in file order. A record whose English is blank after
// trimming is left out: an empty term would match everywhere, for ever.
std::vector<Term> PrepareTerms(const std::vector<TermRecord>& records);

} // namespace carbonym
