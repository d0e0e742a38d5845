#include <cmath>
#include <string>
#include "GvLeakCheck.h"
#include "numeric/NumberText.h"

namespace {

std::string Narrow(const GvStringW& text)
{
    std::string out;
    for (int i = 0; i < text.GetLength(); ++i)
        out.push_back(static_cast<char>(text[i]));
    return out;
}

class NumberTextTest : public GvLeakCheckedTest
{
protected:
    static std::string Fixed(float v, int precision = 5, bool scientific = true)
    {
        return Narrow(GvNumberToText(v, precision, scientific));
    }
    static std::string Shown(float v, int precision, bool scientific, bool integer)
    {
        return Narrow(GvNumberDisplayText(v, precision, scientific, integer));
    }
};

TEST_F(NumberTextTest, FixedFormWithPrecisionFive)
{
    EXPECT_EQ("1234.50000", Fixed(1234.5f));
    EXPECT_EQ("0.00000", Fixed(0.0f));
    EXPECT_EQ("-2.25000", Fixed(-2.25f));
}

TEST_F(NumberTextTest, ThresholdsAreStrict)
{
    EXPECT_EQ("10000.00000", Fixed(10000.0f));
    EXPECT_EQ("-10000.00000", Fixed(-10000.0f));
    EXPECT_EQ("0.00001", Fixed(0.00001f));
    EXPECT_EQ("-0.00001", Fixed(-0.00001f));
    EXPECT_EQ("1.00010e+04", Fixed(10001.0f));
    EXPECT_FALSE(GvNumberNeedsScientificForm(0.0f));
    EXPECT_FALSE(GvNumberNeedsScientificForm(-0.0f));
    EXPECT_TRUE(GvNumberNeedsScientificForm(std::nextafter(10000.0f, 1e9f)));
    EXPECT_TRUE(GvNumberNeedsScientificForm(std::nextafter(0.00001f, 0.0f)));
    EXPECT_TRUE(GvNumberNeedsScientificForm(std::nextafter(-0.00001f, 0.0f)));
}

TEST_F(NumberTextTest, ScientificFormForLargeAndSmallMagnitudes)
{
    EXPECT_EQ("1.23450e+04", Fixed(12345.0f));
    EXPECT_EQ("-1.23450e+04", Fixed(-12345.0f));
    EXPECT_EQ("1.00000e-06", Fixed(0.000001f));
    EXPECT_EQ("1.2e+04", Fixed(12345.0f, 1));
}

TEST_F(NumberTextTest, ScientificFlagOffKeepsFixedForm)
{
    EXPECT_EQ("12345.00000", Fixed(12345.0f, 5, false));
    EXPECT_EQ("0.00000", Fixed(0.000001f, 5, false));
}

TEST_F(NumberTextTest, PrecisionZeroHasNoPoint)
{
    EXPECT_EQ("3", Fixed(3.0f, 0));
    EXPECT_EQ("1e+05", Fixed(100000.0f, 0));
}

TEST_F(NumberTextTest, PrecisionOutsideTheUsableRangeIsLimited)
{
    EXPECT_EQ("3", Fixed(3.0f, -4));
    const std::string wide = Fixed(-3.4e38f, 1000, false);
    EXPECT_EQ(std::string::npos, wide.find('e'));
    EXPECT_EQ(static_cast<size_t>(GvNumberTextMaxPrecision), wide.size() - wide.find('.') - 1);
}

TEST_F(NumberTextTest, IntegerFormRoundsHalvesAwayFromZero)
{
    EXPECT_EQ("3", Shown(2.5f, 5, true, true));
    EXPECT_EQ("-3", Shown(-2.5f, 5, true, true));
    EXPECT_EQ("2", Shown(2.49f, 5, true, true));
    EXPECT_EQ("0", Shown(-0.4f, 5, true, true));
    EXPECT_EQ("12345", Shown(12345.0f, 5, true, true));
    EXPECT_EQ("2.50000", Shown(2.5f, 5, true, false));
}

TEST_F(NumberTextTest, IntegerFormSaturatesAndMapsNaNToZero)
{
    EXPECT_EQ(2147483647, GvRoundHalfAwayFromZero(3e9f));
    EXPECT_EQ(-2147483647 - 1, GvRoundHalfAwayFromZero(-3e9f));
    EXPECT_EQ(0, GvRoundHalfAwayFromZero(std::nanf("")));
}

TEST(NumberCharFilter, ClassesOfCharacters)
{
    for (unsigned int ch : {0x08u, 0x0Du, 0x1Bu, 0x09u, 0x03u, 0x16u, 0x18u, 0x1Au})
        EXPECT_TRUE(GvIsNumberCharAllowed(ch, 5, false)) << ch;
    for (unsigned int ch = '0'; ch <= '9'; ++ch)
        EXPECT_TRUE(GvIsNumberCharAllowed(ch, 0, false));
    for (unsigned int ch : {0x2Bu, 0x65u, 0x45u, 0x61u, 0x20u, 0x7Fu, 0xA0u, 0x2212u})
        EXPECT_FALSE(GvIsNumberCharAllowed(ch, 5, true)) << ch;
    EXPECT_TRUE(GvIsNumberCharAllowed('-', 5, true));
    EXPECT_FALSE(GvIsNumberCharAllowed('-', 5, false));
    EXPECT_TRUE(GvIsNumberCharAllowed('.', 1, true));
    EXPECT_TRUE(GvIsNumberCharAllowed(',', 1, true));
    EXPECT_FALSE(GvIsNumberCharAllowed('.', 0, true));
    EXPECT_FALSE(GvIsNumberCharAllowed(',', 0, true));
    EXPECT_FALSE(GvIsNumberCharAllowed('.', -1, true));
}

TEST(NumberCharFilter, SecondSeparatorOutsideTheSelectionIsRefused)
{
    const unsigned short* text = GvW(u"1.5");
    EXPECT_FALSE(GvIsNumberCharAccepted('.', text, 1, 1, 5, true));
    EXPECT_FALSE(GvIsNumberCharAccepted(',', text, 1, 1, 5, true));
    EXPECT_TRUE(GvIsNumberCharAccepted('.', text, 1, 3, 5, true));
    EXPECT_TRUE(GvIsNumberCharAccepted('.', text, 0, 3, 5, true));
    EXPECT_FALSE(GvIsNumberCharAccepted('.', text, 2, 3, 5, true));
    EXPECT_FALSE(GvIsNumberCharAccepted('.', GvW(u"1,5"), 3, 3, 5, true));
    EXPECT_TRUE(GvIsNumberCharAccepted('5', text, 1, 1, 5, true));
}

TEST(NumberCharFilter, SecondMinusOutsideTheSelectionIsRefused)
{
    const unsigned short* text = GvW(u"-12");
    EXPECT_FALSE(GvIsNumberCharAccepted('-', text, 3, 3, 5, true));
    EXPECT_TRUE(GvIsNumberCharAccepted('-', text, 0, 1, 5, true));
    EXPECT_TRUE(GvIsNumberCharAccepted('.', text, 3, 3, 5, true));
    EXPECT_TRUE(GvIsNumberCharAccepted('-', GvW(u"1.5"), 3, 3, 5, true));
    EXPECT_FALSE(GvIsNumberCharAccepted('-', GvW(u"12"), 2, 2, 5, false));
}

TEST(NumberCharFilter, EmptyTextAcceptsEveryAllowedCharacter)
{
    EXPECT_TRUE(GvIsNumberCharAccepted('-', GvW(u""), 0, 0, 5, true));
    EXPECT_TRUE(GvIsNumberCharAccepted(',', GvW(u""), 0, 0, 5, true));
    EXPECT_TRUE(GvIsNumberCharAccepted('.', nullptr, 0, 0, 5, true));
    EXPECT_FALSE(GvIsNumberCharAccepted('x', GvW(u""), 0, 0, 5, true));
}

TEST_F(NumberTextTest, MinusMovesToTheFront)
{
    GvStringW text(GvW(u"12-"));
    EXPECT_TRUE(GvMoveMinusToFront(text));
    EXPECT_EQ("-12", Narrow(text));
    text = GvW(u"1-2-");
    EXPECT_TRUE(GvMoveMinusToFront(text));
    EXPECT_EQ("-12-", Narrow(text));
    text = GvW(u"-3");
    EXPECT_TRUE(GvMoveMinusToFront(text));
    EXPECT_EQ("-3", Narrow(text));
    text = GvW(u"3.5");
    EXPECT_FALSE(GvMoveMinusToFront(text));
    EXPECT_EQ("3.5", Narrow(text));
    text = GvW(u"");
    EXPECT_FALSE(GvMoveMinusToFront(text));
}

} // namespace
