#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace carbonym {

class GbkCodec;

inline constexpr size_t kRecordSize = 111;
inline constexpr size_t kEnglishWidth = 64;
inline constexpr size_t kChineseWidth = 45;

// One dictionary record. In the file: Length (int16 little-endian), English
// (64 bytes GBK) and Chinese (45 bytes GBK), both filled with spaces. In
// memory the texts are as decoded, filling spaces included: readers trim.
struct TermRecord {
    int16_t Length = 0;
    std::u16string English;
    std::u16string Chinese;

    bool operator==(const TermRecord&) const = default;
};

// Builds the record a writer stores for a pair: both texts trimmed, Length
// the character count of the trimmed English. Throws std::length_error when
// that count does not fit the 16-bit field.
TermRecord MakeRecord(std::u16string_view english, std::u16string_view chinese);

// Throws GbkError when a text holds a character GBK cannot hold.
std::array<char, kRecordSize> EncodeRecord(const TermRecord& record, GbkCodec& codec);

// `bytes` may be shorter than a record (a trailing fragment of the file):
// the missing bytes are read as spaces. Never fails.
TermRecord DecodeRecord(std::string_view bytes, GbkCodec& codec);

} // namespace carbonym
