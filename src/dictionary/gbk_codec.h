#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

struct UConverter;

namespace carbonym {

// A character that the dictionary's code page (GBK) cannot hold.
class GbkError : public std::runtime_error {
public:
    GbkError(char32_t character, const std::string& message)
        : std::runtime_error(message), character_(character) {}
    char32_t Character() const { return character_; }

private:
    char32_t character_;
};

// Converts between UTF-16 and the dictionary's code page through ICU's
// "windows-936-2000" converter. One instance is not thread-safe.
class GbkCodec {
public:
    GbkCodec();
    ~GbkCodec();
    GbkCodec(const GbkCodec&) = delete;
    GbkCodec& operator=(const GbkCodec&) = delete;

    // Throws GbkError naming the first character GBK cannot hold.
    std::string Encode(std::u16string_view text);

    // Never fails: an undecodable byte becomes U+FFFD.
    std::u16string Decode(std::string_view bytes);

    // Exactly `width` bytes: the text cut at the field, never inside a
    // double-byte character, then filled with spaces.
    std::string EncodeField(std::u16string_view text, size_t width);

private:
    UConverter* encoder_ = nullptr;
    UConverter* decoder_ = nullptr;
};

} // namespace carbonym
