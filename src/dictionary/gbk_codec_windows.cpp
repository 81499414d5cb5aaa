#include "dictionary/gbk_codec.h"

#include <windows.h>

namespace carbonym {

namespace {

constexpr UINT kCodePage = 936;

const wchar_t* Wide(const char16_t* text)
{
    return reinterpret_cast<const wchar_t*>(text);
}

// The whole of `bytes` in UTF-16, or false when the code page leaves any of
// it unmapped.
bool DecodeStrictly(std::string_view bytes, std::u16string& text)
{
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return false;
    text.resize(static_cast<size_t>(length));
    return MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size,
                               reinterpret_cast<wchar_t*>(text.data()), length)
           == length;
}

// The bytes of `text`, or false when the code page has no exact mapping for
// some of it (best-fit look-alikes are refused).
bool EncodeStrictly(std::u16string_view text, std::string& bytes)
{
    const int size = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, Wide(text.data()), size, nullptr, 0,
                                           nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        return false;
    bytes.resize(static_cast<size_t>(length));
    return WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, Wide(text.data()), size, bytes.data(), length, nullptr,
                               &usedDefault)
               == length
           && !usedDefault;
}

// Code page 936 writes U+F8F5 as the lone byte 0xFF, and Windows reads it
// back so; Wine's table writes it but cannot read it. What the system writes
// must read back the same.
constexpr char16_t kLoneFF = 0xF8F5;

bool WritesLoneFF()
{
    static const bool writes = [] {
        std::string bytes;
        return EncodeStrictly(std::u16string(1, kLoneFF), bytes) && bytes == "\xFF";
    }();
    return writes;
}

bool IsAscii(std::string_view bytes)
{
    for (char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

// The system holds the tables; nothing to keep per instance.
struct GbkCodec::Converter { };

GbkCodec::GbkCodec() : converter_(std::make_unique<Converter>())
{
    if (!IsValidCodePage(kCodePage))
        throw std::runtime_error("the system lacks the GBK code page (936)");
}

GbkCodec::~GbkCodec() = default;

std::string GbkCodec::Encode(std::u16string_view text)
{
    std::string bytes;
    if (text.empty() || EncodeStrictly(text, bytes))
        return bytes;
    // Find the character to name it: encode one code point at a time.
    for (size_t i = 0; i < text.size();) {
        const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00
                          && text[i + 1] <= 0xDFFF;
        const size_t size = pair ? 2 : 1;
        std::string one;
        if (!EncodeStrictly(text.substr(i, size), one)) {
            const char32_t c = pair ? 0x10000 + ((char32_t(text[i]) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00)
                                    : char32_t(text[i]);
            throw GbkError(c);
        }
        i += size;
    }
    throw GbkError(0);
}

std::u16string GbkCodec::Decode(std::string_view bytes)
{
    if (IsAscii(bytes))
        return std::u16string(bytes.begin(), bytes.end());
    std::u16string text;
    if (DecodeStrictly(bytes, text))
        return text;
    // Something is undecodable: take the bytes one character at a time, each
    // unmapped character reading as U+FFFD, as ICU does.
    text.clear();
    std::u16string one;
    for (size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool pair = IsGbkLeadByte(byte) && i + 1 < bytes.size()
                          && IsGbkTrailByte(static_cast<unsigned char>(bytes[i + 1]));
        const size_t size = pair ? 2 : 1;
        if (byte < 0x80)
            text += static_cast<char16_t>(byte);
        else if (DecodeStrictly(bytes.substr(i, size), one) && one.size() == 1)
            text += one;
        else if (size == 1 && byte == 0xFF && WritesLoneFF())
            text += kLoneFF;
        else
            text += u'\uFFFD';
        i += size;
    }
    return text;
}

} // namespace carbonym
