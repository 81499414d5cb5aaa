#pragma once

#include "translation/term.h"

#include <filesystem>
#include <string>
#include <vector>

namespace carbonym {

// A term that fires inside a longer word: the translator matches without
// regard to word boundaries, so "iron" would turn "environment" into
// "env铁ment" unless a longer entry takes the word first.
struct Trap {
    std::u16string Term;
    std::u16string Word; // the letters around the occurrence
    std::u16string Translated;
    std::u16string Text; // the corpus text it was found in
};

// Looks for every occurrence of each of `checked` in the corpus texts that
// has a letter before or after it where the term has a letter (so it sits
// inside a longer word) and reports it as a trap unless
//  - a longer term of `dictionary` covers the occurrence (it is replaced
//    first, so the short term never sees those letters), or
//  - the word around it comes out of the whole dictionary without English
//    left (the term is a designed part: tetrabutyl + ammonium).
// Letter case is ignored, as the translator ignores it.
std::vector<Trap> FindTraps(const std::vector<std::u16string>& checked, const std::vector<Term>& dictionary,
                            const std::vector<std::u16string>& corpus);

// The English column of a UTF-8 table whose first column is English (the
// sample tables): one text a row, header and '#' lines skipped.
std::vector<std::u16string> ReadFirstColumn(const std::filesystem::path& table);

// The token words of OPSIN's XML token lists in `folder` (the text of every
// <token> element, split at '|'): the vocabulary of names people write.
std::vector<std::u16string> ReadTokenWords(const std::filesystem::path& folder);

} // namespace carbonym
