#pragma once

#include "translation/term.h"
#include "translation/translation.h"

#include <string_view>
#include <vector>

namespace carbonym {

// The translate command's result, exactly as TranslateLiteral gives it for
// every dictionary and text, but in time close to linear in the text: only
// records that occur are applied, lines are translated independently (when
// no English term holds a line-break character), repeated lines once, on
// every core. A term with an empty English is left out.
Translation TranslateFast(std::u16string_view source, const std::vector<Term>& terms);

} // namespace carbonym
