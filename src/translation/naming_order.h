#pragma once

#include "translation/name_composer.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace carbonym {

// One translated line in Chinese naming order, beside ReorderName:
// functional-class names (esters, salts, acid-addition salts, hydrates, acid
// halides, anhydrides, ethers and ketones named by class) are joined as
// Chinese names them (甲基 苯甲酸酯 → 苯甲酸甲酯, 钠 氯化物 → 氯化钠,
// 铜 硫酸酯 五水合物 → 五水合硫酸铜), a trailing alias in brackets stays at
// the end, and a CAS inverted name is ordered as ReorderName orders it but
// without the hyphen before a Chinese parent (4-氨基苯甲酸乙酯) and with the
// anion of an onium salt in front (氯化…乙铵). A line no
// rule recognises, and every line that still holds English, comes out as
// ReorderName gives it.
std::u16string ReorderByRules(std::u16string_view line);

// The same for a line composed from its parts by NameComposer, where the
// English tells what a piece is (乙酸 from "acetate" is an anion, 乙酸 from
// "acetic acid" the acid), a group before the word ester becomes the
// alcohol's part of the ester, and a trailing alias in brackets stays
// whole at the end even with spaces inside.
std::u16string ReorderComposedByRules(std::span<const ComposedPiece> pieces);

// 翻译 and 排序 in naming order in one: every non-empty line of `source`
// composed from its parts and ordered, ended by a line break; empty lines
// are dropped as 排序 drops them.
std::u16string TranslateTextByRules(std::u16string_view source, const NameComposer& composer);

// 排序 of a translation, plain (ReorderText on `translation`) or in naming
// order (`source` composed afresh from its parts), with where each sorted
// line came from, and after a plain sort how many lines the naming rules
// would give otherwise.
struct SortedTranslation {
    std::u16string Text; // each line ended by a line break, empty lines dropped
    std::vector<size_t> Sources; // the index of the source line of each line of Text
    size_t OrderedOtherwise = 0;
};
SortedTranslation SortTranslation(std::u16string_view source, std::u16string_view translation,
                                  const NameComposer& composer, bool byRules);

// The worked example of every naming rule: a translated line and the name
// ReorderByRules gives it.
std::vector<std::pair<std::u16string_view, std::u16string_view>> NamingRuleExamples();

// ReorderText with ReorderByRules: every non-empty line ordered and ended by
// a line break; empty lines are dropped.
std::u16string ReorderTextByRules(std::u16string_view text);

} // namespace carbonym
