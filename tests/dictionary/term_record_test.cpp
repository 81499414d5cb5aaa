#include "dictionary/gbk_codec.h"
#include "dictionary/term_record.h"
#include "test_support.h"
#include "text/trim.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

using test::U;

std::string Bytes(const TermRecord& record)
{
    GbkCodec codec;
    const auto bytes = EncodeRecord(record, codec);
    return std::string(bytes.begin(), bytes.end());
}

TEST(TermRecord, LayoutIsByteExact)
{
    const std::string bytes = Bytes(MakeRecord(u"  Benzoic acid ", U(" 苯甲酸 ")));
    ASSERT_EQ(bytes.size(), 111u);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\x0c\x00", 2)); // 12, little-endian
    EXPECT_EQ(bytes.substr(2, 64), "Benzoic acid" + std::string(52, ' '));
    EXPECT_EQ(bytes.substr(66, 45), "\xb1\xbd\xbc\xd7\xcb\xe1" + std::string(39, ' '));

    GbkCodec codec;
    const TermRecord back = DecodeRecord(bytes, codec);
    EXPECT_EQ(back.Length, 12);
    EXPECT_EQ(back.English, u"Benzoic acid" + std::u16string(52, u' '));
    EXPECT_EQ(back.Chinese.substr(0, 3), U("苯甲酸"));
}

TEST(TermRecord, NegativeAndLargeLengthsRoundTrip)
{
    GbkCodec codec;
    for (int16_t length : std::initializer_list<int16_t>{-1, 0, 300, INT16_MAX, INT16_MIN}) {
        const TermRecord record{length, u"x", u"y"};
        EXPECT_EQ(DecodeRecord(Bytes(record), codec).Length, length);
    }
}

TEST(TermRecord, LongTextsAreCutAtTheField)
{
    GbkCodec codec;
    const std::u16string english(70, u'a');
    const TermRecord record = MakeRecord(english, U("甲乙丙丁戊己庚辛壬癸甲乙丙丁戊己庚辛壬癸甲乙丙"));
    EXPECT_EQ(record.Length, 70); // the full count, though only 64 are stored
    const std::string bytes = Bytes(record);
    EXPECT_EQ(bytes.substr(2, 64), std::string(64, 'a'));
    // 23 Chinese characters are 46 bytes: the 23rd does not fit whole and
    // its freed byte is a space.
    EXPECT_EQ(bytes[110], ' ');
    EXPECT_EQ(Trim(DecodeRecord(bytes, codec).Chinese).size(), 22u);

    const TermRecord exact = MakeRecord(std::u16string(64, u'b'), U("甲乙丙丁戊己庚辛壬癸甲乙丙丁戊己庚辛壬癸甲乙"));
    const std::string exactBytes = Bytes(exact);
    EXPECT_EQ(exactBytes.substr(2, 64), std::string(64, 'b'));
    EXPECT_EQ(exactBytes[110], ' '); // 22 characters fill 44 of 45 bytes
}

TEST(TermRecord, RefusesWhatTheFieldCannotHold)
{
    GbkCodec codec;
    try {
        EncodeRecord(MakeRecord(u"x", U("😀")), codec);
        FAIL() << "an emoji cannot be stored in GBK";
    } catch (const GbkError& error) {
        EXPECT_EQ(error.Character(), U'😀');
        EXPECT_NE(std::string(error.what()).find("U+1F600"), std::string::npos);
    }
    // Invisible characters GBK lacks are refused too, never dropped from the
    // stored term: a soft hyphen, a zero-width space, a byte order mark.
    for (const char16_t invisible : {u'\u00AD', u'\u200B', u'\uFEFF'}) {
        const std::u16string term = std::u16string(u"meth") + invisible + u"yl";
        EXPECT_THROW(EncodeRecord(MakeRecord(term, U("甲基")), codec), GbkError) << int(invisible);
    }
    EXPECT_THROW(MakeRecord(std::u16string(32768, u'a'), u"x"), std::length_error);
    EXPECT_EQ(MakeRecord(std::u16string(32767, u'a'), u"x").Length, 32767);
}

TEST(TermRecord, OddBytesNeverFailToRead)
{
    GbkCodec codec;
    std::string bytes(111, ' ');
    bytes[2] = '\xff';
    bytes[3] = '\x81'; // a lead byte followed by a space is not a character
    bytes[66] = '\x00';
    const TermRecord record = DecodeRecord(bytes, codec);
    EXPECT_EQ(record.English.size(), 64u); // the space after the lone lead byte survives
    EXPECT_EQ(record.English[1], u'\uFFFD');
    EXPECT_EQ(record.Chinese[0], u'\0');

    // A fragment reads as if filled with spaces.
    const TermRecord fragment = DecodeRecord(std::string("\x05\x00"
                                                         "ab",
                                                         4),
                                             codec);
    EXPECT_EQ(fragment.Length, 5);
    EXPECT_EQ(Trim(fragment.English), u"ab");
    EXPECT_EQ(Trim(fragment.Chinese), u"");
}

} // namespace
} // namespace carbonym
