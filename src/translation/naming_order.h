#pragma once

#include <string>
#include <string_view>

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

// ReorderText with ReorderByRules: every non-empty line ordered and ended by
// a line break; empty lines are dropped.
std::u16string ReorderTextByRules(std::u16string_view text);

} // namespace carbonym
