#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace carbonym {

// A text that is not UTF-8; the words for the user belong to whoever shows it.
class InvalidUtf8 : public std::invalid_argument {
public:
    InvalidUtf8() : std::invalid_argument("invalid UTF-8") { }
};

// Throws InvalidUtf8 on invalid UTF-8. A text of any size: positions are
// counted in size_t throughout.
std::u16string Utf8ToUtf16(std::string_view utf8);

// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

} // namespace carbonym
