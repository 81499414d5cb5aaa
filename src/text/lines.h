#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace carbonym {

// The lines of a text box: split at every CR LF pair, in order. A lone CR or
// LF does not split, an empty text has no lines, and a text that ends with a
// line break has an empty last line. The views point into `text`.
std::vector<std::u16string_view> SplitLines(std::u16string_view text);

inline constexpr std::u16string_view kLineBreak = u"\r\n";

// "\n" and "\r\n" both become the CR LF a text box holds.
std::u16string ToBoxLineBreaks(std::u16string_view text);

} // namespace carbonym
