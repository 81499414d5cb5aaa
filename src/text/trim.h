#pragma once

#include <string_view>

namespace carbonym {

// Removes leading and trailing U+0020 only: tabs, line breaks and other
// blanks are part of the text.
inline std::u16string_view Trim(std::u16string_view text)
{
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    const auto last = text.find_last_not_of(u' ');
    return text.substr(first, last - first + 1);
}

} // namespace carbonym
