#pragma once

#include <string>
#include <string_view>

namespace carbonym {

// The Chinese–English display: for each non-empty result line i, source line
// i and then the result line, each ended by a line break. A result line
// without a source line is paired with an empty line. An empty result stays
// empty.
std::u16string ToBilingual(std::u16string_view result, std::u16string_view source);

// Back to the Chinese-only display: the non-empty lines at odd indexes
// 1, 3, 5, …, each ended by a line break.
std::u16string ToChineseOnly(std::u16string_view display);

} // namespace carbonym
