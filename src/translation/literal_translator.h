#pragma once

#include "translation/term.h"
#include "translation/translation.h"

#include <string_view>
#include <vector>

namespace carbonym {

// The translate command's algorithm as literally as it reads: for each term in
// order, find each occurrence from the left, replace it, and resume after the
// inserted Chinese. Slow, and the reference every faster engine must match.
Translation TranslateLiteral(std::u16string_view source, const std::vector<Term>& terms);

} // namespace carbonym
