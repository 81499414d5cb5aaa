#include "dictionary/gbk_codec.h"

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
        throw std::runtime_error("cannot load the GBK converter (ICU windows-936-2000)");
    return converter;
}

// ICU's own stop callback lets default-ignorable characters (soft hyphen,
// zero-width space, byte order mark...) vanish from the bytes unannounced;
// this one stops at every character the code page lacks, as Windows does,
// so that nothing of a term is silently lost.
void U_CALLCONV StopAtEveryUnmapped(const void*, UConverterFromUnicodeArgs*, const UChar*, int32_t, UChar32,
                                    UConverterCallbackReason, UErrorCode*)
{
}

} // namespace

struct GbkCodec::Converter {
    Converter() : Encoder(OpenConverter()), Decoder(OpenConverter())
    {
        UErrorCode status = U_ZERO_ERROR;
        ucnv_setFromUCallBack(Encoder, StopAtEveryUnmapped, nullptr, nullptr, nullptr, &status);
    }
    ~Converter()
    {
        ucnv_close(Encoder);
        ucnv_close(Decoder);
    }
    UConverter* Encoder;
    UConverter* Decoder;
};

GbkCodec::GbkCodec() : converter_(std::make_unique<Converter>()) { }

GbkCodec::~GbkCodec() = default;

std::string GbkCodec::Encode(std::u16string_view text)
{
    if (text.empty())
        return {};
    UConverter* encoder = converter_->Encoder;
    std::string bytes(text.size() * 2 + 8, '\0');
    UErrorCode status = U_ZERO_ERROR;
    ucnv_resetFromUnicode(encoder);
    const int32_t length = ucnv_fromUChars(encoder, bytes.data(), static_cast<int32_t>(bytes.size()),
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
        ucnv_resetFromUnicode(encoder);
        ucnv_fromUChars(encoder, one, sizeof one, reinterpret_cast<const UChar*>(text.data() + begin),
                        static_cast<int32_t>(i - begin), &status);
        if (U_FAILURE(status))
            throw GbkError(static_cast<char32_t>(c));
    }
    throw GbkError(0);
}

std::u16string GbkCodec::Decode(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    UConverter* decoder = converter_->Decoder;
    std::u16string text(bytes.size(), u'\0');
    UErrorCode status = U_ZERO_ERROR;
    ucnv_resetToUnicode(decoder);
    const int32_t length = ucnv_toUChars(decoder, reinterpret_cast<UChar*>(text.data()),
                                         static_cast<int32_t>(text.size()), bytes.data(),
                                         static_cast<int32_t>(bytes.size()), &status);
    // Every byte yields at most one UTF-16 unit, so the buffer always suffices.
    if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
        throw std::runtime_error("GBK decoding failed");
    text.resize(static_cast<size_t>(length));
    return text;
}

} // namespace carbonym
