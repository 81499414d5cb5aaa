#pragma once

#include <string>
#include <string_view>

namespace carbonym {

// Throws std::invalid_argument (Chinese message) on invalid UTF-8. A text of
// any size: positions are counted in size_t throughout.
std::u16string Utf8ToUtf16(std::string_view utf8);

// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

} // namespace carbonym
