// The command line gets whatever is piped into it: ten megabytes, lines of a
// megabyte, every plane of Unicode, NUL characters, carriage returns without
// line feeds, invalid UTF-8, a dictionary of random bytes. It finishes, and
// its answer is right or a clear refusal.

#include "cli_runner.h"
#include "dictionary/dictionary_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace carbonym {
namespace {

using test::Quote;
using test::RunCli;

std::string Repeat(const std::string& piece, size_t times)
{
    std::string text;
    text.reserve(piece.size() * times);
    for (size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

size_t CountLines(const std::string& text)
{
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

class HostileInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::WriteDictionaryFile(dir / "source.dat",
                                  {{"Benzoic acid", "苯甲酸"}, {"ethyl ester", "乙酯"}, {"amino", "氨基"}});
    }
    std::string dict() const { return " --dict " + Quote((dir / "source.dat").string()); }

    test::TempDir dir;
};

TEST_F(HostileInputTest, TenMegabytesOfEveryPlaneNulAndLoneCarriageReturns)
{
    // One piece (no space): a character of each plane, NUL, a lone CR, the
    // largest code point, a non-character, full-width look-alikes.
    std::string odd;
    for (int plane = 0; plane <= 16; ++plane) {
        const auto c = static_cast<char32_t>(plane * 0x10000 + 0x4E2D);
        odd += Utf16ToUtf8(c < 0x10000 ? std::u16string(1, static_cast<char16_t>(c))
                                       : std::u16string{static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)),
                                                        static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF))});
    }
    odd += std::string("\0x\ry\xF4\x8F\xBF\xBF\xEF\xBF\xBF\xEF\xBC\x8C\xE2\x80\x93-,", 20);
    const std::string pieces = Repeat("s-, p, r ", 120'000); // a line of about a megabyte
    const std::string name = "Benzoic acid, 4-amino-, ethyl ester";
    const std::string block = Repeat(odd + "\n", 2000) + name + "\n" + pieces + "\n";
    const std::string input = Repeat(block, 8);
    ASSERT_GT(input.size(), 10'000'000u);

    const std::string sortedPieces = Repeat("s-", 120'000) + Repeat("p", 120'000) + Repeat("r", 120'000);
    const std::string sortedName = "4-氨基-苯甲酸乙酯";
    const auto result = RunCli(dir, "translate --sort --bilingual" + dict(), input);
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string expected = Repeat(Repeat(odd + "\n" + odd + "\n", 2000) + name + "\n" + sortedName + "\n" + pieces
                                            + "\n" + sortedPieces + "\n",
                                        8);
    EXPECT_TRUE(result.out == expected) << "output of " << result.out.size() << " bytes differs";
}

TEST_F(HostileInputTest, InvalidUtf8IsRefusedWherever)
{
    const std::string valid = Repeat("methyl ethyl\n", 800'000);
    // An encoded surrogate, an overlong form, a cut sequence at the end.
    for (const std::string bad : {"\xED\xA0\x80", "\xC0\xAF", "\xE4\xB8"}) {
        const auto result = RunCli(dir, "translate" + dict(), valid + bad);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("输入不是有效的 UTF-8 文本"), std::string::npos) << result.err;
    }
}

TEST_F(HostileInputTest, DictionaryOfRandomBytes)
{
    std::mt19937 random(20240607);
    std::string bytes(10'000'000, '\0');
    for (auto& byte : bytes)
        byte = static_cast<char>(random());
    test::WriteBytes(dir / "source.dat", bytes);
    const auto count = static_cast<size_t>(RecordCountForSize(bytes.size()));

    auto result = RunCli(dir, "dict list" + dict());
    EXPECT_EQ(result.status, 0) << result.err;
    // A field may hold line feeds of its own, so there are at least as many.
    EXPECT_GE(CountLines(result.out), count);
    EXPECT_NE(result.out.find("\n" + std::to_string(count) + "\t"), std::string::npos);

    result = RunCli(dir, "dict show " + std::to_string(count) + dict());
    EXPECT_EQ(result.status, 0) << result.err;
    result = RunCli(dir, "translate" + dict(), "Benzoic acid, 4-amino-, ethyl ester\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(test::ReadBytes(dir / "source.dat"), bytes);
}

} // namespace
} // namespace carbonym
