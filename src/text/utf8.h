#pragma once

#include <string>
#include <string_view>

namespace carbonym {

// Throws std::invalid_argument (Chinese message) on invalid UTF-8.
// A text of any size (past the 2 GiB that one ICU call can take).
std::u16string Utf8ToUtf16(std::string_view utf8);

// The same, converted in pieces of about `pieceBytes` bytes, each cut at the
// start of a character: small pieces let a test cover the joins.
std::u16string Utf8ToUtf16(std::string_view utf8, size_t pieceBytes);

// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

} // namespace carbonym
