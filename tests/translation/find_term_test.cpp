#include "test_support.h"
#include "translation/find_term.h"

#include <gtest/gtest.h>

namespace carbonym {
namespace {

TEST(FindTerm, FindsLeftmostCaseInsensitiveAnywhere)
{
    EXPECT_EQ(FindTerm(u"methane", u"methane", 0), 0);
    EXPECT_EQ(FindTerm(u"2-methylbutane", u"butane", 0), 8);
    EXPECT_EQ(FindTerm(u"Ethyl ethyl", u"ETHYL", 0), 0);
    EXPECT_EQ(FindTerm(u"Ethyl ethyl", u"ETHYL", 1), 6);
    EXPECT_EQ(FindTerm(u"ΑΒΓ", u"βγ", 0), 1);
    EXPECT_EQ(FindTerm(u"a\r\nethyl", u"ethyl", 0), 3);
}

TEST(FindTerm, Bounds)
{
    EXPECT_EQ(FindTerm(u"ethyl", u"ethyl", 5), -1);
    EXPECT_EQ(FindTerm(u"ethyl", u"ethyls", 0), -1);
    EXPECT_EQ(FindTerm(u"xethyl", u"ethyl", 1), 1);
    EXPECT_EQ(FindTerm(u"ethyl", u"", 3), 3);
    EXPECT_THROW(FindTerm(u"ethyl", u"e", 6), std::out_of_range);
}

TEST(FindTerm, HasNoSixteenBitLimit)
{
    std::u16string text(40000, u'x');
    text += u"methyl";
    EXPECT_EQ(FindTerm(text, u"METHYL", 0), 40000);
    EXPECT_EQ(FindTerm(text, u"methyl", 39000), 40000);
}

} // namespace
} // namespace carbonym
