#include <gtest/gtest.h>
#include <climits>
#include <vector>
#include "GvStringFunctions.h"

namespace {

TEST(GvStringFunctions, LengthAndCopyRespectMaxCharsAtoWMapsEachByte)
{
    EXPECT_EQ(0, GvStrLenW(nullptr));
    EXPECT_EQ(5, GvStrLenW(GvW(u"hello")));
    unsigned short buf[4] = {9, 9, 9, 9};
    GvStrCopyW(buf, GvW(u"hello"), 4);
    EXPECT_EQ(0, GvStrCmpW(buf, GvW(u"hel"), -1));
    GvStrCopyW(buf, GvW(u"ab"), -1);
    EXPECT_EQ(0, GvStrCmpW(buf, GvW(u"ab"), -1));
    buf[0] = 'z';
    GvStrCopyW(buf, GvW(u"ab"), 0);
    EXPECT_EQ('z', buf[0]);
    GvStrAtoW(buf, "a\xe9z", -1);
    EXPECT_EQ((std::vector<unsigned short>{'a', 0xE9, 'z', 0}), std::vector<unsigned short>(buf, buf + 4));
    GvStrAtoW(buf, "abcdef", 3);
    EXPECT_EQ(0, GvStrCmpW(buf, GvW(u"ab"), -1));
}

TEST(GvStringFunctions, CompareWholeAndPrefixAndFind)
{
    EXPECT_EQ(0, GvStrCmpW(GvW(u"abc"), GvW(u"abc"), -1));
    EXPECT_LT(GvStrCmpW(GvW(u"ab"), GvW(u"abc"), -1), 0);
    EXPECT_GT(GvStrCmpW(GvW(u"abd"), GvW(u"abc"), -1), 0);
    EXPECT_EQ(0, GvStrCmpW(GvW(u"abX"), GvW(u"abY"), 2));
    EXPECT_NE(0, GvStrCmpW(GvW(u"Float"), GvW(u"float"), -1));
    EXPECT_EQ(0, GvStrICmpW(GvW(u"Keywords"), GvW(u"kEYWORDS"), -1));
    EXPECT_EQ(0, GvStrICmpW(GvW(u"\u00e9t\u00e9"), GvW(u"\u00c9T\u00c9"), -1));
    EXPECT_NE(0, GvStrICmpW(GvW(u"mov"), GvW(u"mova"), -1));
    EXPECT_EQ(0, GvStrICmpW(GvW(u"mov"), GvW(u"MOVA"), 3));
    const unsigned short* text = GvW(u"mad_x2_sat");
    EXPECT_EQ(text + 4, GvStrStrW(text, GvW(u"x2")));
    EXPECT_EQ(text, GvStrStrW(text, GvW(u"")));
    EXPECT_EQ(nullptr, GvStrStrW(text, GvW(u"sat_")));
}

TEST(GvStringFunctions, NumbersReadTheLeadingNumberAndItsEndLongsClampTo32Bits)
{
    const unsigned short* end = nullptr;
    const unsigned short* text = GvW(u"  -2.25e1xyz");
    EXPECT_DOUBLE_EQ(-22.5, GvStrToDoubleW(text, &end));
    EXPECT_EQ(text + 9, end);
    EXPECT_DOUBLE_EQ(1.5, GvStrToDoubleW(GvW(u"1,5"), nullptr));
    text = GvW(u"abc");
    EXPECT_DOUBLE_EQ(0.0, GvStrToDoubleW(text, &end));
    EXPECT_EQ(text, end);
    EXPECT_DOUBLE_EQ(12.0, GvStrToDoubleW(GvW(u"12\u00e9"), nullptr));
    text = GvW(u"255)");
    EXPECT_EQ(255, GvStrToLongW(text, &end, 10));
    EXPECT_EQ(text + 3, end);
    EXPECT_EQ(INT32_MAX, GvStrToLongW(GvW(u"99999999999"), nullptr, 10));
    EXPECT_EQ(INT32_MIN, GvStrToLongW(GvW(u"-99999999999"), nullptr, 10));
}

} // namespace
