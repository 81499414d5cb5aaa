#include "dictionary/gbk_codec.h"

#include "text/utf8.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>
#include <unicode/utf16.h>

namespace carbonym {

namespace {

constexpr const char* kConverterName = "windows-936-2000";

UConverter* OpenConverter()
{
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open(kConverterName, &status);
    if (U_FAILURE(status))
        throw std::runtime_error("无法加载 GBK 编码转换器");
    return converter;
}

std::string DescribeCharacter(char32_t c)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    std::u16string text;
    if (c >= 0x10000) {
        text += static_cast<char16_t>(U16_LEAD(c));
        text += static_cast<char16_t>(U16_TRAIL(c));
    } else if (!U_IS_SURROGATE(c)) {
        text += static_cast<char16_t>(c);
    }
    if (text.empty())
        return std::string("字符 ") + code;
    return "字符“" + Utf16ToUtf8(text) + "”(" + code + ")";
}

bool IsLeadByte(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

} // namespace

GbkCodec::GbkCodec() : encoder_(OpenConverter()), decoder_(OpenConverter())
{
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setFromUCallBack(encoder_, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
}

GbkCodec::~GbkCodec()
{
    ucnv_close(encoder_);
    ucnv_close(decoder_);
}

std::string GbkCodec::Encode(std::u16string_view text)
{
    if (text.empty())
        return {};
    std::string bytes(text.size() * 2 + 8, '\0');
    UErrorCode status = U_ZERO_ERROR;
    ucnv_resetFromUnicode(encoder_);
    const int32_t length = ucnv_fromUChars(encoder_, bytes.data(), static_cast<int32_t>(bytes.size()),
                                           reinterpret_cast<const UChar*>(text.data()),
                                           static_cast<int32_t>(text.size()), &status);
    if (U_SUCCESS(status)) {
        bytes.resize(static_cast<size_t>(length));
        return bytes;
    }
    // Find the character to name it: encode one code point at a time.
    size_t i = 0;
    while (i < text.size()) {
        const size_t begin = i;
        UChar32 c;
        U16_NEXT(text.data(), i, text.size(), c);
        char one[8];
        status = U_ZERO_ERROR;
        ucnv_resetFromUnicode(encoder_);
        ucnv_fromUChars(encoder_, one, sizeof one, reinterpret_cast<const UChar*>(text.data() + begin),
                        static_cast<int32_t>(i - begin), &status);
        if (U_FAILURE(status))
            throw GbkError(static_cast<char32_t>(c), DescribeCharacter(static_cast<char32_t>(c)) + "无法用 GBK 编码保存");
    }
    throw GbkError(0, "文本无法用 GBK 编码保存");
}

std::u16string GbkCodec::Decode(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    std::u16string text(bytes.size(), u'\0');
    UErrorCode status = U_ZERO_ERROR;
    ucnv_resetToUnicode(decoder_);
    const int32_t length = ucnv_toUChars(decoder_, reinterpret_cast<UChar*>(text.data()),
                                         static_cast<int32_t>(text.size()), bytes.data(),
                                         static_cast<int32_t>(bytes.size()), &status);
    // Every byte yields at most one UTF-16 unit, so the buffer always suffices.
    if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
        throw std::runtime_error("GBK 解码失败");
    text.resize(static_cast<size_t>(length));
    return text;
}

std::string GbkCodec::EncodeField(std::u16string_view text, size_t width)
{
    std::string bytes = Encode(text);
    if (bytes.size() > width) {
        // Walk whole characters so that a double-byte one is never split.
        size_t end = 0;
        while (end < width) {
            const size_t size = IsLeadByte(static_cast<unsigned char>(bytes[end])) ? 2 : 1;
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
