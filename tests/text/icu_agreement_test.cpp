// The UTF-8 conversions and the case-folding table against ICU, on the
// platforms that have it: every platform must read and fold text as ICU does.

#include "text/case_fold.h"
#include "text/utf8.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <unicode/uchar.h>
#include <unicode/ustring.h>

namespace carbonym {
namespace {

std::optional<std::u16string> IcuFromUtf8(const std::string& bytes)
{
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8(nullptr, 0, &length, bytes.data(), static_cast<int32_t>(bytes.size()), &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status))
        return std::nullopt;
    std::u16string text(static_cast<size_t>(length), u'\0');
    status = U_ZERO_ERROR;
    u_strFromUTF8(reinterpret_cast<UChar*>(text.data()), length, nullptr, bytes.data(),
                  static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status))
        return std::nullopt;
    return text;
}

std::optional<std::u16string> OursFromUtf8(const std::string& bytes)
{
    try {
        return Utf8ToUtf16(bytes);
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    }
}

std::string IcuToUtf8(const std::u16string& text)
{
    std::string bytes(text.size() * 3 + 1, '\0');
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strToUTF8WithSub(bytes.data(), static_cast<int32_t>(bytes.size()), &length,
                       reinterpret_cast<const UChar*>(text.data()), static_cast<int32_t>(text.size()), 0xFFFD, nullptr,
                       &status);
    bytes.resize(static_cast<size_t>(length));
    return bytes;
}

// Well-formed UTF-8 of random code points from every range, then mostly
// damaged by a random byte, a cut or a swap, or left as it is.
std::string RandomUtf8(std::mt19937& random)
{
    static const char32_t ranges[][2] = {{0, 0x7F},        {0x80, 0x7FF},       {0x800, 0xD7FF},
                                         {0xE000, 0xFFFF}, {0x10000, 0x10FFFF}, {0x4E00, 0x4E10}};
    std::u16string text;
    const int count = static_cast<int>(random() % 6);
    for (int i = 0; i < count; ++i) {
        const auto& range = ranges[random() % std::size(ranges)];
        const char32_t c = range[0] + random() % (range[1] - range[0] + 1);
        if (c < 0x10000) {
            text += static_cast<char16_t>(c);
        } else {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    std::string bytes = Utf16ToUtf8(text);
    switch (random() % 4) {
    case 0:
        break;
    case 1:
        bytes.insert(bytes.begin() + static_cast<long>(random() % (bytes.size() + 1)), static_cast<char>(random()));
        break;
    case 2:
        if (!bytes.empty())
            bytes.resize(random() % bytes.size());
        break;
    default:
        if (!bytes.empty())
            bytes[random() % bytes.size()] = static_cast<char>(0x80 | random());
    }
    return bytes;
}

TEST(IcuAgreement, Utf8ReadingOnRandomAndDamagedText)
{
    std::mt19937 random(20260607);
    for (int i = 0; i < 300'000; ++i) {
        std::string bytes;
        if (i % 3 == 0) {
            bytes.resize(random() % 6);
            for (auto& byte : bytes)
                byte = static_cast<char>(random());
        } else {
            bytes = RandomUtf8(random);
        }
        ASSERT_EQ(OursFromUtf8(bytes), IcuFromUtf8(bytes)) << ::testing::PrintToString(bytes);
    }
}

TEST(IcuAgreement, Utf8WritingOfRandomUnitsWithLoneSurrogates)
{
    std::mt19937 random(7);
    const char16_t units[] = {u'a', u'\u00E9', u'\u4E2D', 0xD800, 0xDBFF, 0xDC00, 0xDFFF, 0xFFFF, u'\0'};
    for (int i = 0; i < 100'000; ++i) {
        std::u16string text(random() % 6, u'\0');
        for (auto& unit : text)
            unit = random() % 2 ? units[random() % std::size(units)] : static_cast<char16_t>(random());
        ASSERT_EQ(Utf16ToUtf8(text), IcuToUtf8(text)) << i;
    }
}

TEST(IcuAgreement, CaseFoldingOfEveryUnit)
{
    for (UChar32 c = 0; c < 0x10000; ++c) {
        UChar32 folded = U_IS_SURROGATE(c) ? c : u_foldCase(c, U_FOLD_CASE_DEFAULT);
        if (folded >= 0x10000)
            folded = c;
        ASSERT_EQ(static_cast<UChar32>(FoldUnit(static_cast<char16_t>(c))), folded) << std::hex << c;
    }
}

} // namespace
} // namespace carbonym
