#pragma once

#include "translation/name_part.h"
#include "translation/term.h"
#include "translation/term_automaton.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace carbonym {

// One space-separated piece of a composed line: its Chinese and the English
// it was made from.
struct ComposedPiece {
    std::u16string Chinese;
    std::u16string English;
};

// Translates English names word by word from their parts. Every word is
// covered whole by dictionary terms and the parts of data/name-parts.tsv
// (multipliers, chains, endings, suffixes…), fewest pieces first, the
// dictionary's Chinese winning over a part's for the same English; the
// Chinese is then joined as Chinese names are (己醇, 十一碳烯, 三戊胺,
// 亚乙基, 异丁醇). A word that cannot be covered whole stays English,
// never translated in fragments: a term never fires inside a word that is
// not made of it ("o-" stays out of "iso-", "aza" out of "vonoprazan").
class NameComposer {
public:
    explicit NameComposer(const std::vector<Term>& terms);

    // The pieces of one line (no line break in it), in the order of the
    // English, separated where the English has spaces.
    std::vector<ComposedPiece> Compose(std::u16string_view line) const;

private:
    struct Morpheme {
        std::u16string Folded;
        std::u16string Chinese;
        std::optional<PartKind> Kind; // the part's kind when a part has this English
        bool LocantLetter = false; // o-, m-, p-: lower case only, but at the start of a line
        bool StartsWord = false; // a name of several words: only where a word starts
    };

    std::vector<Morpheme> morphemes_;
    TermAutomaton automaton_;
};

// The worked example of each join rule, "English Chinese", for the tests.
std::span<const std::u16string_view> NameComposerJoinExamples();

} // namespace carbonym
