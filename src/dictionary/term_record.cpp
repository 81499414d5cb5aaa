#include "dictionary/term_record.h"

#include "dictionary/gbk_codec.h"
#include "text/trim.h"

#include <cstring>
#include <stdexcept>

namespace carbonym {

TermRecord MakeRecord(std::u16string_view english, std::u16string_view chinese)
{
    const auto trimmedEnglish = Trim(english);
    if (trimmedEnglish.size() > INT16_MAX)
        throw std::length_error("English term longer than 32767 characters");
    return TermRecord{static_cast<int16_t>(trimmedEnglish.size()), std::u16string(trimmedEnglish),
                      std::u16string(Trim(chinese))};
}

std::array<char, kRecordSize> EncodeRecord(const TermRecord& record, GbkCodec& codec)
{
    std::array<char, kRecordSize> bytes{};
    const auto length = static_cast<uint16_t>(record.Length);
    bytes[0] = static_cast<char>(length & 0xFF);
    bytes[1] = static_cast<char>(length >> 8);
    const std::string english = codec.EncodeField(record.English, kEnglishWidth);
    const std::string chinese = codec.EncodeField(record.Chinese, kChineseWidth);
    std::memcpy(bytes.data() + 2, english.data(), kEnglishWidth);
    std::memcpy(bytes.data() + 2 + kEnglishWidth, chinese.data(), kChineseWidth);
    return bytes;
}

TermRecord DecodeRecord(std::string_view bytes, GbkCodec& codec)
{
    std::array<char, kRecordSize> padded;
    padded.fill(' ');
    std::memcpy(padded.data(), bytes.data(), std::min(bytes.size(), kRecordSize));
    TermRecord record;
    record.Length = static_cast<int16_t>(static_cast<uint16_t>(static_cast<unsigned char>(padded[0]))
                                         | static_cast<uint16_t>(static_cast<unsigned char>(padded[1]) << 8));
    record.English = codec.Decode(std::string_view(padded.data() + 2, kEnglishWidth));
    record.Chinese = codec.Decode(std::string_view(padded.data() + 2 + kEnglishWidth, kChineseWidth));
    return record;
}

} // namespace carbonym
