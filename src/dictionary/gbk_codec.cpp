#include "dictionary/gbk_codec.h"

#include <cstdio>

namespace carbonym {

namespace {

std::string FailureMessage(char32_t c)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return std::string("character ") + code + " cannot be stored in GBK";
}

} // namespace

GbkError::GbkError(char32_t character) : std::runtime_error(FailureMessage(character)), character_(character) { }

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
