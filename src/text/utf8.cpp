#include "text/utf8.h"

#include <algorithm>
#include <stdexcept>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

namespace carbonym {

namespace {

// ICU counts in 32-bit integers, so a text is converted in pieces of at most
// this many bytes, each ending at the end of a character.
constexpr size_t kPieceBytes = size_t{1} << 30;

void AppendUtf16(std::u16string& result, std::string_view utf8)
{
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    // A first pass only measures and validates.
    u_strFromUTF8(nullptr, 0, &length, utf8.data(), static_cast<int32_t>(utf8.size()), &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status))
        throw std::invalid_argument("输入不是有效的 UTF-8 文本");
    const size_t at = result.size();
    result.resize(at + static_cast<size_t>(length));
    status = U_ZERO_ERROR;
    u_strFromUTF8(reinterpret_cast<UChar*>(result.data() + at), length, nullptr, utf8.data(),
                  static_cast<int32_t>(utf8.size()), &status);
    if (U_FAILURE(status))
        throw std::invalid_argument("输入不是有效的 UTF-8 文本");
}

} // namespace

std::u16string Utf8ToUtf16(std::string_view utf8)
{
    return Utf8ToUtf16(utf8, kPieceBytes);
}

std::u16string Utf8ToUtf16(std::string_view utf8, size_t pieceBytes)
{
    std::u16string result;
    while (!utf8.empty()) {
        size_t end = std::min(utf8.size(), std::max<size_t>(pieceBytes, 4));
        // Back over continuation bytes to the start of a character; at most
        // three, so that invalid text still moves on and fails in ICU.
        for (int back = 0; back < 3 && end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80; ++back)
            --end;
        AppendUtf16(result, utf8.substr(0, end));
        utf8.remove_prefix(end);
    }
    return result;
}

std::string Utf16ToUtf8(std::u16string_view utf16)
{
    std::string result;
    result.reserve(utf16.size() * 3);
    size_t i = 0;
    while (i < utf16.size()) {
        UChar32 c;
        U16_NEXT(utf16.data(), i, utf16.size(), c);
        if (U_IS_SURROGATE(c))
            c = 0xFFFD;
        if (c < 0x80) {
            result += static_cast<char>(c);
        } else if (c < 0x800) {
            result += static_cast<char>(0xC0 | (c >> 6));
            result += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            result += static_cast<char>(0xE0 | (c >> 12));
            result += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            result += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            result += static_cast<char>(0xF0 | (c >> 18));
            result += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            result += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            result += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return result;
}

} // namespace carbonym
