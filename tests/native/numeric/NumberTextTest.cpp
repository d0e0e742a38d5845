#include <cmath>
#include <string>
#include <tuple>
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

TEST_F(NumberTextTest, FormsByMagnitudePrecisionAndFlags)
{
    const std::tuple<float, int, bool, bool, const char*> rows[] = {
        {1234.5f, 5, true, false, "1234.50000"},
        {0.0f, 5, true, false, "0.00000"},
        {-2.25f, 5, true, false, "-2.25000"},
        // The thresholds are strict.
        {10000.0f, 5, true, false, "10000.00000"},
        {-10000.0f, 5, true, false, "-10000.00000"},
        {0.00001f, 5, true, false, "0.00001"},
        {-0.00001f, 5, true, false, "-0.00001"},
        {10001.0f, 5, true, false, "1.00010e+04"},
        {12345.0f, 5, true, false, "1.23450e+04"},
        {-12345.0f, 5, true, false, "-1.23450e+04"},
        {0.000001f, 5, true, false, "1.00000e-06"},
        {12345.0f, 1, true, false, "1.2e+04"},
        {12345.0f, 5, false, false, "12345.00000"},
        {0.000001f, 5, false, false, "0.00000"},
        {3.0f, 0, true, false, "3"},
        {100000.0f, 0, true, false, "1e+05"},
        {3.0f, -4, true, false, "3"},
        // The integer form rounds halves away from zero.
        {2.5f, 5, true, true, "3"},
        {-2.5f, 5, true, true, "-3"},
        {2.49f, 5, true, true, "2"},
        {-0.4f, 5, true, true, "0"},
        {12345.0f, 5, true, true, "12345"},
        {2.5f, 5, true, false, "2.50000"},
    };
    for (const auto& [value, precision, scientific, integer, text] : rows) {
        SCOPED_TRACE(::testing::Message()
                     << value << " precision " << precision << " scientific " << scientific << " integer " << integer);
        EXPECT_EQ(text, Shown(value, precision, scientific, integer));
        if (!integer) {
            EXPECT_EQ(text, Fixed(value, precision, scientific));
        }
    }
    EXPECT_FALSE(GvNumberNeedsScientificForm(0.0f));
    EXPECT_FALSE(GvNumberNeedsScientificForm(-0.0f));
    EXPECT_TRUE(GvNumberNeedsScientificForm(std::nextafter(10000.0f, 1e9f)));
    EXPECT_TRUE(GvNumberNeedsScientificForm(std::nextafter(0.00001f, 0.0f)));
    EXPECT_TRUE(GvNumberNeedsScientificForm(std::nextafter(-0.00001f, 0.0f)));
    const std::string wide = Fixed(-3.4e38f, 1000, false);
    EXPECT_EQ(std::string::npos, wide.find('e'));
    EXPECT_EQ(static_cast<size_t>(GvNumberTextMaxPrecision), wide.size() - wide.find('.') - 1);
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
    for (unsigned int separator : {'.', ','}) {
        EXPECT_TRUE(GvIsNumberCharAllowed(separator, 1, true));
        EXPECT_FALSE(GvIsNumberCharAllowed(separator, 0, true) || GvIsNumberCharAllowed(separator, -1, true));
    }
}

TEST(NumberCharFilter, SecondSeparatorOrMinusOutsideTheSelectionIsRefused)
{
    // Character, text (null: none), selection, negatives allowed, accepted.
    const std::tuple<unsigned int, const char16_t*, int, int, bool, bool> rows[] = {
        {'.', u"1.5", 1, 1, true, false}, {',', u"1.5", 1, 1, true, false}, {'.', u"1.5", 1, 3, true, true},
        {'.', u"1.5", 0, 3, true, true},  {'.', u"1.5", 2, 3, true, false}, {'.', u"1,5", 3, 3, true, false},
        {'5', u"1.5", 1, 1, true, true},  {'-', u"-12", 3, 3, true, false}, {'-', u"-12", 0, 1, true, true},
        {'.', u"-12", 3, 3, true, true},  {'-', u"1.5", 3, 3, true, true},  {'-', u"12", 2, 2, false, false},
        {'-', u"", 0, 0, true, true},     {',', u"", 0, 0, true, true},     {'.', nullptr, 0, 0, true, true},
        {'x', u"", 0, 0, true, false},
    };
    for (const auto& [ch, units, start, end, allowNegative, accepted] : rows) {
        const std::u16string text = units ? units : u"(null)";
        SCOPED_TRACE(::testing::Message() << static_cast<char>(ch) << " into " << std::string(text.begin(), text.end())
                                          << " at " << start << ".." << end);
        EXPECT_EQ(accepted, GvIsNumberCharAccepted(ch, units ? GvW(units) : nullptr, start, end, 5, allowNegative));
    }
}

TEST_F(NumberTextTest, MinusMovesToTheFront)
{
    const std::tuple<const char16_t*, bool, const char*> rows[] = {
        {u"12-", true, "-12"}, {u"1-2-", true, "-12-"}, {u"-3", true, "-3"}, {u"3.5", false, "3.5"}, {u"", false, ""}};
    for (const auto& [before, moved, after] : rows) {
        GvStringW text(GvW(before));
        EXPECT_EQ(moved, GvMoveMinusToFront(text)) << after;
        EXPECT_EQ(after, Narrow(text));
    }
}

} // namespace
