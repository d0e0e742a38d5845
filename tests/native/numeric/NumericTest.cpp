#include <gtest/gtest.h>
#include <climits>
#include <cmath>
#include <string>
#include <tuple>
#include "GvLeakCheck.h"
#include "numeric/NumberText.h"
#include "numeric/SliderMath.h"

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

TEST_F(NumberTextTest, FormsByMagnitudePrecisionAndFlagsMinusMovesToTheFront)
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
    const std::tuple<const char16_t*, bool, const char*> minusRows[] = {
        {u"12-", true, "-12"}, {u"1-2-", true, "-12-"}, {u"-3", true, "-3"}, {u"3.5", false, "3.5"}, {u"", false, ""}};
    for (const auto& [before, moved, after] : minusRows) {
        GvStringW text(GvW(before));
        EXPECT_EQ(moved, GvMoveMinusToFront(text)) << after;
        EXPECT_EQ(after, Narrow(text));
    }
}

TEST(NumberCharFilter, ClassesOfCharactersAndASecondSeparatorOrMinusOutsideTheSelection)
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
    // Character, text (null: none), selection, negatives allowed, accepted.
    const std::tuple<unsigned int, const char16_t*, int, int, bool, bool> rows[] = {
        {'.', u"1.5", 1, 1, true, false}, {',', u"1.5", 1, 1, true, false}, {'.', u"1.5", 1, 3, true, true},
        {'.', u"1.5", 0, 3, true, true},  {'.', u"1.5", 2, 3, true, false}, {'.', u"1,5", 3, 3, true, false},
        {'5', u"1.5", 1, 1, true, true},  {'-', u"-12", 3, 3, true, false}, {'-', u"-12", 0, 1, true, true},
        {'.', u"-12", 3, 3, true, true},  {'-', u"1.5", 3, 3, true, true},  {'-', u"12", 2, 2, false, false},
        {'-', u"", 0, 0, true, true},     {',', u"", 0, 0, true, true},     {'.', nullptr, 0, 0, true, true},
        {'x', u"", 0, 0, true, false}};
    for (const auto& [ch, units, start, end, allowNegative, accepted] : rows) {
        const std::u16string text = units ? units : u"(null)";
        SCOPED_TRACE(::testing::Message() << static_cast<char>(ch) << " into " << std::string(text.begin(), text.end())
                                          << " at " << start << ".." << end);
        EXPECT_EQ(accepted, GvIsNumberCharAccepted(ch, units ? GvW(units) : nullptr, start, end, 5, allowNegative));
    }
}

TEST(PopupSliderMath, ValueAndPositionOfTheDocumentedSweepAndOutsideTheTrackOrRange)
{
    const float position = GvSliderPositionFromValue(2.5f, 0.0f, 10.0f);
    EXPECT_FLOAT_EQ(25.0f, position);
    EXPECT_EQ(37, GvSliderThumbTipX(position));
    const float moved = GvSliderPositionFromPointerX(47, true);
    EXPECT_FLOAT_EQ(35.0f, moved);
    EXPECT_EQ(3.5f, GvSliderValueFromPosition(moved, 0.0f, 10.0f));
    for (const auto& [position, tip] : {std::pair{33.9f, 12 + 33}, {-0.5f, 12}, {std::nanf(""), 12}, {1e30f, 112}})
        EXPECT_EQ(tip, GvSliderThumbTipX(position)) << position;
    const float unclamped = GvSliderPositionFromPointerX(2, false);
    EXPECT_EQ(-10.0f, unclamped);
    EXPECT_EQ(-1.0f, GvSliderValueFromPosition(unclamped, 0.0f, 10.0f));
    EXPECT_EQ(19.0f, GvSliderValueFromPosition(unclamped, 20.0f, 30.0f));
    EXPECT_EQ(12, GvSliderThumbTipX(unclamped));
    const float clamped = GvSliderPositionFromPointerX(2, true);
    EXPECT_EQ(0.0f, clamped);
    EXPECT_EQ(20.0f, GvSliderValueFromPosition(clamped, 20.0f, 30.0f));
    EXPECT_EQ(100.0f, GvSliderPositionFromPointerX(300, true));
    EXPECT_EQ(288.0f, GvSliderPositionFromPointerX(300, false));
    EXPECT_EQ(112, GvSliderThumbTipX(288.0f));
    // A value outside the range starts at the nearer end.
    EXPECT_EQ(100.0f, GvSliderPositionFromValue(20.0f, 0.0f, 10.0f));
    EXPECT_EQ(0.0f, GvSliderPositionFromValue(-5.0f, 0.0f, 10.0f));
    EXPECT_EQ(50.0f, GvSliderPositionFromValue(0.0f, -1.0f, 1.0f));
}

TEST(PopupSliderMath, DegenerateRangesWidenRangeStateRefusesTooNarrowOrInverted)
{
    float min = 5.0f, max = 5.0f;
    EXPECT_TRUE(GvWidenDegenerateRange(min, max));
    EXPECT_EQ(std::make_pair(4.0f, 6.0f), std::make_pair(min, max));
    min = 0.0f;
    max = 0.00001f;
    EXPECT_FALSE(GvWidenDegenerateRange(min, max));
    EXPECT_EQ(0.0f, min);
    max = 0.000009f;
    EXPECT_TRUE(GvWidenDegenerateRange(min, max));
    EXPECT_EQ(-1.0f, min);
    EXPECT_FLOAT_EQ(0.1f, GvSliderRangeStep(0.0f, 10.0f));
    EXPECT_FLOAT_EQ(0.1f, GvSliderRangeStep(10.0f, 0.0f));
    min = 0.0f;
    max = 10.0f;
    EXPECT_TRUE(GvSliderUpdateRange(min, max, 0.5f));
    EXPECT_EQ(std::make_pair(-0.5f, 10.5f), std::make_pair(min, max));
    EXPECT_TRUE(GvSliderUpdateRange(min, max, -1.0f));
    EXPECT_EQ(std::make_pair(0.5f, 9.5f), std::make_pair(min, max));
    EXPECT_FALSE(GvSliderUpdateRange(min, max, -4.5f));
    EXPECT_FALSE(GvSliderUpdateRange(min, max, -4.49998f));
    EXPECT_FALSE(GvSliderUpdateRange(min, max, -6.0f));
    EXPECT_EQ(std::make_pair(0.5f, 9.5f), std::make_pair(min, max));
    EXPECT_TRUE(GvSliderUpdateRange(min, max, -4.4999f));
}

TEST(PopupSliderMath, StepsClampOnlyWhenAskedAndOnlyAtTheEndTheyMoveTo)
{
    EXPECT_EQ(100.0f, GvSliderStepPosition(100.0f, 1, true));
    EXPECT_EQ(101.0f, GvSliderStepPosition(100.0f, 1, false));
    EXPECT_EQ(0.0f, GvSliderStepPosition(0.0f, -1, true));
    EXPECT_EQ(-1.0f, GvSliderStepPosition(0.0f, -1, false));
    EXPECT_EQ(42.5f, GvSliderStepPosition(41.5f, 1, true));
    // An inverted clamped range starts at -100; a step right goes on from there.
    const float start = GvSliderPositionFromValue(5.0f, 10.0f, 0.0f);
    EXPECT_EQ(-100.0f, start);
    EXPECT_EQ(-99.0f, GvSliderStepPosition(start, 1, true));
    EXPECT_EQ(0.0f, GvSliderStepPosition(start, -1, true));
    EXPECT_EQ(101.0f, GvSliderStepPosition(102.0f, -1, true));
    EXPECT_EQ(100.0f, GvSliderStepPosition(102.0f, 1, true));
}

TEST(PopupSliderMath, PlacementInsideTheWorkAreaTrackThumbAndPlacementScaleWithTheDpi)
{
    const GvRect work = {0, 0, 1280, 1024}, tiny = {10, 10, 50, 20};
    EXPECT_EQ((GvPoint{108, 200}), GvPlacePopupSlider({100, 200}, &work));
    EXPECT_EQ((GvPoint{1280 - 125, 1024 - 20}), GvPlacePopupSlider({1270, 1010}, &work));
    EXPECT_EQ((GvPoint{0, 0}), GvPlacePopupSlider({-50, -5}, &work));
    EXPECT_EQ((GvPoint{50 - 125, 20 - 20}), GvPlacePopupSlider({0, 0}, &tiny)); // too small: the upper bound wins
    EXPECT_EQ((GvPoint{5008, 5000}), GvPlacePopupSlider({5000, 5000}, nullptr));
    // At 144 DPI the track starts at 18 and a percent is 1.5 pixels.
    EXPECT_EQ(18 + 38, GvSliderThumbTipX(25.0f, 144));
    EXPECT_FLOAT_EQ(38.0f / 1.5f, GvSliderPositionFromPointerX(18 + 38, true, 144));
    EXPECT_EQ(24 + 200, GvSliderThumbTipX(100.0f, 192));
    EXPECT_FLOAT_EQ(100.0f, GvSliderPositionFromPointerX(24 + 250, true, 192));
    EXPECT_FLOAT_EQ(125.0f, GvSliderPositionFromPointerX(24 + 250, false, 192));
    EXPECT_EQ((GvPoint{1280 - 250, 1024 - 40}), GvPlacePopupSlider({1270, 1010}, &work, 192));
    EXPECT_EQ(100 + 12, GvPlacePopupSlider({100, 200}, nullptr, 144).x);
}

TEST(SliderEditMath, PopupRangeIncludesTheValueUnlessClamped)
{
    float lo, hi;
    // Value, clamped, popup range over the range 0..1.
    const std::tuple<float, bool, float, float> rows[] = {
        {3.0f, false, 0.0f, 3.0f}, {-2.0f, false, -2.0f, 1.0f}, {0.5f, false, 0.0f, 1.0f}, {3.0f, true, 0.0f, 1.0f}};
    for (const auto& [value, clamped, min, max] : rows) {
        GvSliderEditPopupRange(value, 0.0f, 1.0f, clamped, &lo, &hi);
        EXPECT_EQ(std::make_pair(min, max), std::make_pair(lo, hi)) << value;
    }
    EXPECT_EQ(100.0f, GvSliderPositionFromValue(3.0f, lo, hi));
}

TEST(SliderEditMath, ButtonTakesTheRightOrLeftStripNormalisedInANarrowClient)
{
    // Client, style, mapped, origin; button, client after.
    const std::tuple<GvRect, int, bool, GvPoint, GvRect, GvRect> rows[] = {
        {{2, 2, 102, 22}, 0, false, {0, 0}, {86, 2, 102, 22}, {2, 2, 86, 22}},
        {{2, 2, 102, 21}, 1, false, {0, 0}, {2, 2, 17, 21}, {17, 2, 102, 21}},
        {{12, 22, 112, 42}, 7, true, {10, 20}, {2, 2, 18, 22}, {28, 22, 112, 42}},
        {{10, 0, 15, 20}, 0, false, {0, 0}, {-1, 0, 15, 20}, {10, 0, -1, 20}},
        {{10, 0, 15, 20}, 1, false, {0, 0}, {10, 0, 26, 20}, {26, 0, 15, 20}}};
    for (auto [client, style, mapped, origin, button, after] : rows) {
        EXPECT_EQ(button, GvSliderButtonLayout(client, style, mapped, origin)) << style;
        EXPECT_EQ(after, client) << style;
    }
    for (const auto& [height, width] : {std::pair{20, 16}, {19, 15}, {1, 0}, {0, 0}})
        EXPECT_EQ(width, GvSliderButtonWidth(height)) << height;
    EXPECT_EQ((GvRect{76, 2, 100, 22}), GvSliderEditPopupAnchor({84, 2, 100, 22}));
    EXPECT_EQ((GvRect{77, 2, 99, 22}), GvSliderEditPopupAnchor({84, 2, 99, 22}));
}

TEST(SliderEditMath, IntPositionAcrossALimitedRangeSnappedToSteps)
{
    const std::tuple<float, float, int, int> rows[] = {
        {-50000.0f, 50000.0f, -32767, 32767}, {-2.7f, 9.9f, -2, 9}, {-32767.0f, 32767.0f, -32767, 32767}};
    for (const auto& [min, max, expectedLo, expectedHi] : rows) {
        int lo, hi;
        GvSliderIntegerRange(min, max, &lo, &hi);
        EXPECT_EQ(std::make_pair(expectedLo, expectedHi), std::make_pair(lo, hi)) << min;
    }
    EXPECT_EQ(-32767, GvSliderIntPosition(-50000.0f, -50000.0f, 50000.0f, 300));
    EXPECT_EQ(150 * 218 - 32767, GvSliderIntPosition(0.0f, -50000.0f, 50000.0f, 300));
    EXPECT_EQ(300 * 218 - 32767, GvSliderIntPosition(50000.0f, -50000.0f, 50000.0f, 300));
    EXPECT_EQ(187 * 218 - 32767, GvSliderIntPosition(12345.0f, -50000.0f, 50000.0f, 300));
    EXPECT_EQ(0, GvSliderPosPerc(-32767, -50000.0f, 50000.0f));
    EXPECT_EQ(49, GvSliderPosPerc(150 * 218 - 32767, -50000.0f, 50000.0f));
    EXPECT_EQ(99, GvSliderPosPerc(300 * 218 - 32767, -50000.0f, 50000.0f));
    EXPECT_EQ(50, GvSliderIntPosition(55.0f, 0.0f, 100.0f, 10));
    EXPECT_EQ(150, GvSliderIntPosition(150.0f, 0.0f, 300.0f, 300));
    EXPECT_EQ(60, GvSliderIntPosition(60.0f, 10.0f, 110.0f, 100));
    // A positive lower end is not taken off the percentage.
    EXPECT_EQ(60, GvSliderPosPerc(60, 10.0f, 110.0f));
    EXPECT_EQ(3, GvSliderIntPosition(5.0f, 3.0f, 10.0f, 0));
    EXPECT_EQ(3, GvSliderIntPosition(5.0f, 3.0f, 3.0f, 300));
    EXPECT_EQ(0, GvSliderPosPerc(3, 3.0f, 3.0f));
    EXPECT_EQ(INT_MAX, GvSliderIntPosition(1e30f, 0.0f, 100.0f, 100));
    EXPECT_EQ(0, GvSliderIntPosition(std::nanf(""), 0.0f, 100.0f, 100));
    EXPECT_EQ(-2147483647 - 1, GvSliderTruncate(-1e20f));
}

} // namespace
