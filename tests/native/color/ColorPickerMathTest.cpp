#include <gtest/gtest.h>
#include <cmath>
#include <tuple>
#include "color/ColorButtonFrame.h"
#include "color/ColorPickerMath.h"

namespace {

struct Rgb
{
    float r, g, b;
};

void ExpectStop(float r, float g, float b, const GvColorStop& stop)
{
    EXPECT_NEAR(r, stop.red, 1e-6f);
    EXPECT_NEAR(g, stop.green, 1e-6f);
    EXPECT_NEAR(b, stop.blue, 1e-6f);
}

TEST(ColorPickerMath, PackedFormTruncatesEachByte)
{
    EXPECT_EQ(0xFF007FFFu, GvPickerPack({1.0f, 0.5f, 0.0f, 1.0f}));
    EXPECT_EQ(0x00000000u, GvPickerPack({0, 0, 0, 0}));
    // A typed 300 (of 255) wraps in its byte, as the packed output always did.
    EXPECT_EQ(0xFF00002Cu, GvPickerPack({300.0f / 255.0f, 0, 0, 1}));
    const GvRGBA unpacked = GvRGBA::FromPacked(0x80FF0000u);
    EXPECT_EQ(std::make_tuple(0.0f, 0.0f, 1.0f), std::make_tuple(unpacked.r, unpacked.g, unpacked.b));
    EXPECT_NEAR(0.50196f, unpacked.a, 1e-5f);
    float edits[4];
    GvPickerEditValues(GvPickerRGB, unpacked, GvPickerHSVOf(unpacked), 255.0f, edits);
    EXPECT_FLOAT_EQ(0.0f, edits[0]);
    EXPECT_FLOAT_EQ(255.0f, edits[2]);
    EXPECT_FLOAT_EQ(128.0f, edits[3]);
}

TEST(ColorPickerMath, HsvModeOfPureRedShowsHueZeroAndSevenHueStops)
{
    const GvRGBA red = {1, 0, 0, 0.25f};
    const GvHSV hsv = GvPickerHSVOf(red);
    EXPECT_EQ(std::make_tuple(0.0f, 1.0f, 1.0f), std::make_tuple(hsv.h, hsv.s, hsv.v));
    float edits[4];
    GvPickerEditValues(GvPickerHSV, red, hsv, 255.0f, edits);
    // Alpha is never scaled in HSV.
    EXPECT_EQ(std::make_tuple(0.0f, 1.0f, 1.0f, 0.25f), std::make_tuple(edits[0], edits[1], edits[2], edits[3]));
    GvColorStop stops[7];
    ASSERT_EQ(7, GvPickerSliderStops(GvPickerHSV, GvPickerRedSlider, red, hsv, stops));
    const float expected[7][3] = {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 1, 1}, {0, 0, 1}, {1, 0, 1}, {1, 0, 0}};
    for (int i = 0; i < 7; ++i)
        ExpectStop(expected[i][0], expected[i][1], expected[i][2], stops[i]);
}

TEST(ColorPickerMath, TwoStopGradientsOfEachSliderAndMode)
{
    const GvRGBA c = {0.2f, 0.4f, 0.8f, 1};
    const GvHSV hsv = GvPickerHSVOf(c); // h 220/360, s 0.75, v 0.8
    const std::tuple<GvPickerColorType, GvPickerSliderType, Rgb, Rgb> cases[] = {
        {GvPickerRGB, GvPickerRedSlider, {0, 0.4f, 0.8f}, {1, 0.4f, 0.8f}},
        {GvPickerRGB, GvPickerGreenSlider, {0.2f, 0, 0.8f}, {0.2f, 1, 0.8f}},
        {GvPickerRGB, GvPickerBlueSlider, {0.2f, 0.4f, 0}, {0.2f, 0.4f, 1}},
        {GvPickerRGB, GvPickerAlphaSlider, {1, 1, 1}, {0.2f, 0.4f, 0.8f}},
        {GvPickerRGB, GvPickerValueSlider, {0, 0, 0}, {0.25f, 0.5f, 1}},
        {GvPickerHSV, GvPickerGreenSlider, {0.8f, 0.8f, 0.8f}, {0, 0.26666668f, 0.8f}},
        {GvPickerHSV, GvPickerBlueSlider, {0, 0, 0}, {0.25f, 0.5f, 1}},
        {GvPickerHSV, GvPickerValueSlider, {0, 0, 0}, {0.25f, 0.5f, 1}},
        {GvPickerHSV, GvPickerAlphaSlider, {1, 1, 1}, {0.2f, 0.4f, 0.8f}},
    };
    for (const auto& [type, slider, from, to] : cases) {
        GvColorStop stops[7];
        SCOPED_TRACE(::testing::Message() << "type " << type << " slider " << slider);
        ASSERT_EQ(2, GvPickerSliderStops(type, slider, c, hsv, stops));
        ExpectStop(from.r, from.g, from.b, stops[0]);
        ExpectStop(to.r, to.g, to.b, stops[1]);
    }
}

TEST(ColorPickerMath, TypedValuesRgbStayAsTypedHsvIsClamped)
{
    GvRGBA c = {1, 1, 1, 1};
    GvHSV hsv = GvPickerHSVOf(c);
    const float rgb255[4] = {300, 0, 0, 255};
    GvPickerApplyTyped(GvPickerRGB, rgb255, 255.0f, c, hsv);
    EXPECT_NEAR(1.1765f, c.r, 1e-4f);
    EXPECT_NEAR(1.1765f, hsv.v, 1e-4f);
    const float negative[4] = {-5, 0.5f, 0, 1};
    GvPickerApplyTyped(GvPickerRGB, negative, 1.0f, c, hsv);
    EXPECT_EQ(std::make_pair(-5.0f, 0.5f), std::make_pair(c.r, c.g));

    const float hsvTyped[4] = {400, 1.5f, -2, 7};
    GvPickerApplyTyped(GvPickerHSV, hsvTyped, 255.0f, c, hsv);
    // A hue of 360 degrees.
    EXPECT_EQ(std::make_tuple(1.0f, 1.0f, 0.0f, 1.0f, 0.0f), std::make_tuple(hsv.h, hsv.s, hsv.v, c.a, c.r));
}

TEST(ColorPickerMath, SliderMovesKeepTheEditedModel)
{
    GvRGBA c = {1, 0, 0, 1};
    GvHSV hsv = {0.5f, 1, 1};
    GvPickerSliderMoved(GvPickerHSV, false, c, hsv); // HSV edited: RGB follows
    EXPECT_EQ(std::make_tuple(0.0f, 1.0f, 1.0f), std::make_tuple(c.r, c.g, c.b));
    hsv.v = 0.5f;
    GvPickerSliderMoved(GvPickerRGB, true, c, hsv); // the value slider edits V in RGB mode too
    EXPECT_EQ(0.5f, c.g);
    c.r = 0.5f;
    GvPickerSliderMoved(GvPickerRGB, false, c, hsv); // RGB edited: HSV follows
    EXPECT_EQ(std::make_pair(0.0f, 0.5f), std::make_pair(hsv.s, hsv.v));
}

TEST(ColorPickerMath, ViewAndDialogLayout)
{
    EXPECT_EQ((GvSize{10 + 160 + 28 + 4, 4 * 18}), GvPickerSmallViewSize(10, 160, 28, 18));
    EXPECT_EQ((GvSize{116, 20 - 150 + 280}),
              GvPickerLargeMinimum({84, 230, 250, 248}, {6, 6, 48, 26}, {84, 150, 250, 168}, {6, 250, 84, 280}));
    EXPECT_EQ((GvSize{116, 248}), GvPickerSmallMinimum({84, 230, 250, 248}));

    const GvPickerDialogLayout layout = GvPickerDialogLayoutOf({300, 250}, {75, 23});
    EXPECT_EQ((GvRect{0, 0, 300, 223}), layout.picker);
    EXPECT_EQ((GvRect{73, 227, 148, 250}), layout.ok);
    EXPECT_EQ((GvRect{152, 227, 227, 250}), layout.cancel);
    EXPECT_EQ((GvSize{255, 327}), GvPickerDialogClientSize({255, 300}, true, 23));
    EXPECT_EQ((GvSize{255, 300}), GvPickerDialogClientSize({255, 300}, false, 23));
    // At 144 DPI the gaps are 6 and 3, the slider's least width 48.
    EXPECT_EQ((GvSize{255, 329}), GvPickerDialogClientSize({255, 300}, true, 23, 144));
    EXPECT_EQ((GvRect{153, 227, 228, 250}), GvPickerDialogLayoutOf({300, 250}, {75, 23}, 144).cancel);
    EXPECT_EQ((GvSize{132, 248}), GvPickerSmallMinimum({84, 230, 250, 248}, 144));
}

TEST(ColorPickerMath, EditsAndAccessibleTextShowEachChannelRounded)
{
    EXPECT_EQ(u"R 255 G 128 B 0", GvColorAccessibleText({1.0f, 0.5f, 0.0f, 0.25f}));
    // Beyond 0..1 (a typed 300) and NaN are limited, not wrapped.
    EXPECT_EQ(u"R 255 G 0 B 0", GvColorAccessibleText({300.0f / 255.0f, -0.5f, std::nanf(""), 1.0f}));
    EXPECT_EQ(u"R 1 G 0 B 254", GvColorAccessibleText({0.6f / 255.0f, 0.4f / 255.0f, 253.6f / 255.0f, 1.0f}));
    EXPECT_FALSE(GvPickerEditDiffers(0.5f, 0.500005f));
    EXPECT_TRUE(GvPickerEditDiffers(0.5f, 0.50002f));
    EXPECT_TRUE(GvPickerEditDiffers(128.0f, 127.5f));
}

TEST(ColorButtonFrame, StyleFollowsTheItemStateAndStrokesRunOutsideIn)
{
    GvFrameStroke s[GvFrameMaxStrokes];
    ASSERT_EQ(12, GvColorButtonFrame({0, 0, 50, 20}, 6, s));
    const GvFrameStroke expected[12] = {
        {{0, 0}, {50, 0}, GvButtonBlack},        {{0, 0}, {0, 20}, GvButtonBlack},
        {{0, 19}, {50, 19}, GvButtonBlack},      {{49, 0}, {49, 20}, GvButtonBlack},
        {{1, 1}, {49, 1}, GvButtonHighlight},    {{1, 1}, {1, 19}, GvButtonHighlight},
        {{1, 18}, {49, 18}, GvButtonDarkShadow}, {{48, 1}, {48, 19}, GvButtonDarkShadow},
        {{2, 2}, {48, 2}, GvButtonLight},        {{2, 2}, {2, 18}, GvButtonLight},
        {{2, 17}, {48, 17}, GvButtonShadow},     {{47, 2}, {47, 18}, GvButtonShadow},
    };
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(std::make_tuple(expected[i].from, expected[i].to, expected[i].color),
                  std::make_tuple(s[i].from, s[i].to, s[i].color))
            << i;
    ASSERT_EQ(8, GvColorButtonFrame({0, 0, 50, 20}, 1, s));
    EXPECT_EQ(GvButtonDarkShadow, s[3].color);
    EXPECT_EQ((GvPoint{1, 1}), s[4].from);
    EXPECT_EQ(GvButtonShadow, s[7].color);
    EXPECT_EQ(0, GvColorButtonFrame({0, 0, 50, 20}, 0, s));
    const unsigned int cases[][2] = {{0x0000, 2}, {0x0001, 1}, {0x0011, 1}, {0x0010, 6},
                                     {0x0020, 6}, {0x0004, 2}, {0x0014, 6}};
    for (const auto& c : cases)
        EXPECT_EQ(static_cast<int>(c[1]), GvColorButtonFrameStyle(c[0])) << std::hex << c[0];
}

} // namespace
