#include "dictionary/gbk_codec.h"

#include "text/utf8.h"

#include <cstdio>

namespace carbonym {

namespace {

std::string DescribeCharacter(char32_t c)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    if (surrogate || c > 0x10FFFF)
        return std::string("字符 ") + code;
    std::u16string text;
    if (c >= 0x10000) {
        text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
        text += static_cast<char16_t>(c);
    }
    return "字符“" + Utf16ToUtf8(text) + "”(" + code + ")";
}

std::string FailureMessage(char32_t c)
{
    if (c == 0)
        return "文本无法用 GBK 编码保存";
    return DescribeCharacter(c) + "无法用 GBK 编码保存";
}

} // namespace

GbkError::GbkError(char32_t character) : std::runtime_error(FailureMessage(character)), character_(character) {}

bool IsGbkLeadByte(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

bool IsGbkTrailByte(unsigned char byte)
{
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

std::string GbkCodec::EncodeField(std::u16string_view text, size_t width)
{
    std::string bytes = Encode(text);
    if (bytes.size() > width) {
        // Walk whole characters so that a double-byte one is never split.
        size_t end = 0;
        while (end < width) {
            const size_t size = IsGbkLeadByte(static_cast<unsigned char>(bytes[end])) ? 2 : 1;
            if (end + size > width)
                break;
            end += size;
        }
        bytes.resize(end);
    }
    bytes.resize(width, ' ');
    return bytes;
}

} // namespace carbonym
