#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace carbonym {

// A character that the dictionary's code page (GBK) cannot hold.
class GbkError : public std::runtime_error {
public:
    explicit GbkError(char32_t character);
    char32_t Character() const { return character_; }

private:
    char32_t character_;
};

// Converts between UTF-16 and the dictionary's code page: through ICU's
// "windows-936-2000" converter, or on Windows through the system's code page
// 936, chosen when the program is built. Both read every byte sequence the
// same way: a lead byte 0x81-0xFE with a trail byte 0x40-0x7E or 0x80-0xFE
// is one character; any other byte stands alone; what the code page does not
// map reads as U+FFFD. One instance is not thread-safe.
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
    struct Converter;
    std::unique_ptr<Converter> converter_;
};

// Whether `byte` begins a double-byte character.
bool IsGbkLeadByte(unsigned char byte);

// Whether `byte` can end a double-byte character.
bool IsGbkTrailByte(unsigned char byte);

} // namespace carbonym
