#pragma once

#include <string>
#include <string_view>

namespace carbonym {

// Simple case folding of one UTF-16 unit (surrogates fold to themselves), so
// that "METHYL" matches "methyl" and "Α" matches "α".
char16_t FoldUnit(char16_t unit);

std::u16string FoldCase(std::u16string_view text);

} // namespace carbonym
