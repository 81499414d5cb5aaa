// Prints how the GBK converter this build uses reads every byte sequence of
// one or two bytes and writes every UTF-16 unit, one line each, so that two
// converters (ICU's, the Windows code page's) can be compared line by line.

#include "dictionary/gbk_codec.h"

#include <cstdio>
#include <string>

namespace {

void PrintDecoded(carbonym::GbkCodec& codec, const std::string& bytes)
{
    std::printf("D");
    for (unsigned char byte : bytes)
        std::printf(" %02X", byte);
    std::printf(" ->");
    for (char16_t unit : codec.Decode(bytes))
        std::printf(" %04X", static_cast<unsigned>(unit));
    std::printf("\n");
}

} // namespace

int main()
{
    carbonym::GbkCodec codec;
    for (int first = 0x80; first <= 0xFF; ++first) {
        PrintDecoded(codec, std::string(1, static_cast<char>(first)));
        if (first >= 0x81 && first <= 0xFE) {
            for (int second = 0; second <= 0xFF; ++second)
                PrintDecoded(codec, {static_cast<char>(first), static_cast<char>(second)});
        }
    }
    for (int unit = 0x80; unit <= 0xFFFF; ++unit) {
        std::printf("E %04X ->", unit);
        try {
            for (char byte : codec.Encode(std::u16string(1, static_cast<char16_t>(unit))))
                std::printf(" %02X", static_cast<unsigned char>(byte));
        } catch (const carbonym::GbkError&) {
            std::printf(" none");
        }
        std::printf("\n");
    }
    return 0;
}
