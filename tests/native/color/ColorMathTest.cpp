#include <gtest/gtest.h>
#include <cmath>
#include <tuple>
#include "color/ColorButtonFrame.h"
#include "color/ColorPickerMath.h"
#include "color/ColorSliderMath.h"
#include "color/WheelGeometry.h"

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

TEST(ColorPickerMath, PackedFormTruncatesEachByteEditsAndAccessibleTextRoundEachChannel)
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
    EXPECT_EQ(u"R 255 G 128 B 0", GvColorAccessibleText({1.0f, 0.5f, 0.0f, 0.25f}));
    EXPECT_EQ(u"R 255 G 0 B 0", GvColorAccessibleText({300.0f / 255.0f, -0.5f, std::nanf(""), 1.0f}));
    EXPECT_EQ(u"R 1 G 0 B 254", GvColorAccessibleText({0.6f / 255.0f, 0.4f / 255.0f, 253.6f / 255.0f, 1.0f}));
    EXPECT_FALSE(GvPickerEditDiffers(0.5f, 0.500005f));
    EXPECT_TRUE(GvPickerEditDiffers(0.5f, 0.50002f));
    EXPECT_TRUE(GvPickerEditDiffers(128.0f, 127.5f));
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
        {GvPickerHSV, GvPickerAlphaSlider, {1, 1, 1}, {0.2f, 0.4f, 0.8f}}};
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
        {{2, 17}, {48, 17}, GvButtonShadow},     {{47, 2}, {47, 18}, GvButtonShadow}};
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

TEST(ColorSliderMath, ValueFromPointClampsSevenStopsOn100PixelsMakeBandsAtTheTruncatedSixths)
{
    const std::tuple<bool, GvPoint, GvSize, float> cases[] = {
        {false, {25, 5}, {100, 20}, 0.25f}, {false, {150, 5}, {100, 20}, 1.0f}, {false, {-3, 5}, {100, 20}, 0.0f},
        {true, {5, 21}, {16, 84}, 0.75f},   {true, {5, -4}, {16, 84}, 1.0f},   // above the top while dragging
        {true, {5, 84}, {16, 84}, 0.0f},    {true, {500, 42}, {16, 84}, 0.5f}, // x does not count on a vertical slider
    };
    for (const auto& [vertical, point, client, expected] : cases) {
        float value = -1.0f;
        EXPECT_TRUE(GvColorSliderValueFromPoint(vertical, point, client, &value));
        EXPECT_FLOAT_EQ(expected, value) << point.x << ", " << point.y;
    }
    float value = 0.3f;
    EXPECT_FALSE(GvColorSliderValueFromPoint(false, {0, 0}, {0, 20}, &value));
    EXPECT_FALSE(GvColorSliderValueFromPoint(true, {0, 0}, {16, 0}, &value));
    EXPECT_EQ(0.3f, value);
    GvColorStop stops[7];
    for (int i = 0; i < 7; ++i)
        stops[i] = {i / 6.0f, 0.0f, 1.0f};
    ASSERT_EQ(6, GvColorSliderBandCount(7));
    const int edges[7] = {0, 16, 33, 50, 66, 83, 100};
    for (int band = 0; band < 6; ++band) {
        GvGradientVertex v[4];
        GvColorSliderBand(false, {100, 12}, stops, 7, band, v);
        const int from = edges[band], to = edges[band + 1];
        EXPECT_EQ((std::vector<int>{from, from, to, to, 0, 12}),
                  (std::vector<int>{v[0].x, v[1].x, v[2].x, v[3].x, v[0].y, v[1].y}));
        const int red = GvChannel16(stops[band].red), nextRed = GvChannel16(stops[band + 1].red);
        EXPECT_EQ((std::vector<int>{red, red, nextRed, 65535}),
                  (std::vector<int>{v[0].red, v[1].red, v[3].red, v[2].blue}));
    }
    for (const auto& [stops, bands] : {std::pair{-3, 0}, {1, 0}, {2, 1}, {32, 31}, {500, 31}})
        EXPECT_EQ(bands, GvColorSliderBandCount(stops)) << stops;
}

TEST(ColorSliderMath, VerticalBandsPutTheLastStopAtTheTop)
{
    const GvColorStop stops[3] = {{0, 0, 0}, {0.5f, 0.5f, 0.5f}, {1, 1, 1}};
    GvGradientVertex v[4];
    GvColorSliderBand(true, {16, 84}, stops, 3, 0, v);
    const int expected[4][3] = {{0, 0, 65535}, {0, 42, 32767}, {16, 0, 65535}, {16, 42, 32767}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(std::make_tuple(expected[i][0], expected[i][1], expected[i][2]),
                  std::make_tuple(v[i].x, v[i].y, int(v[i].green)))
            << i;
    GvColorSliderBand(true, {16, 84}, stops, 3, 1, v);
    EXPECT_EQ(std::make_tuple(42, 84, 0), std::make_tuple(v[0].y, v[1].y, int(v[1].green)));
}

TEST(ColorSliderMath, ThumbIsAFourPixelBarInsetByTwoArrowKeysStepByTwoHundredths)
{
    EXPECT_EQ((GvRect{24, 2, 28, 18}), GvColorSliderThumb(false, {100, 20}, 0.25f));
    EXPECT_EQ((GvRect{0, 2, 4, 18}), GvColorSliderThumb(false, {100, 20}, 0.0f));
    EXPECT_EQ((GvRect{96, 2, 100, 18}), GvColorSliderThumb(false, {100, 20}, 1.0f));
    EXPECT_EQ((GvRect{2, 20, 14, 24}), GvColorSliderThumb(true, {16, 84}, 0.75f));
    EXPECT_EQ((GvRect{2, 0, 14, 4}), GvColorSliderThumb(true, {16, 84}, 1.0f));
    EXPECT_EQ((GvRect{23, 3, 29, 27}), GvColorSliderThumb(false, {150, 30}, 0.16f, 144));
    EXPECT_EQ((GvRect{4, 80, 28, 88}), GvColorSliderThumb(true, {32, 168}, 0.5f, 192));
    const std::tuple<unsigned int, float, float> cases[] = {
        {GvKeyUp, 0.99f, 1.0f},    {GvKeyDown, 0.01f, 0.0f}, {GvKeyLeft, 0.5f, 0.48f},
        {GvKeyRight, 0.5f, 0.52f}, {GvKeyUp, 1.5f, 1.0f},    {GvKeyDown, -0.5f, 0.0f},
    };
    for (const auto& [key, before, after] : cases) {
        float value = before;
        EXPECT_TRUE(GvColorSliderKeyStep(key, &value));
        EXPECT_FLOAT_EQ(after, value) << key << " from " << before;
    }
    float value = 0.5f;
    EXPECT_FALSE(GvColorSliderKeyStep('A', &value));
    EXPECT_FALSE(GvColorSliderKeyStep(0x24, &value)); // Home
    EXPECT_EQ(0.5f, value);
}

const GvWheelGeometry kWheel100 = GvWheelGeometryOf({0, 0, 100, 100});

void ExpectRgb(Rgb expected, const float* actual)
{
    EXPECT_FLOAT_EQ(expected.r, actual[0]);
    EXPECT_FLOAT_EQ(expected.g, actual[1]);
    EXPECT_FLOAT_EQ(expected.b, actual[2]);
}

TEST(ColorWheelGeometry, CornersUseSinglePrecisionTrigonometryCentreAndRadiusTruncateAndTakeTheShorterSide)
{
    EXPECT_EQ(std::make_tuple(50, 50, 50, 24, 43),
              std::make_tuple(kWheel100.cx, kWheel100.cy, kWheel100.radius, kWheel100.tc, kWheel100.ts));
    GvPoint corners[6];
    GvWheelCorners(kWheel100, corners);
    const GvPoint expected[6] = {{100, 50}, {74, 7}, {26, 7}, {0, 50}, {26, 93}, {74, 93}};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(expected[i], corners[i]) << "corner " << i;
    const GvWheelGeometry g = GvWheelGeometryOf({10, 20, 125, 121});
    EXPECT_EQ(std::make_tuple(67, 70, 50), std::make_tuple(g.cx, g.cy, g.radius));
}

TEST(ColorWheelGeometry, MarkerAndPositionToColourThroughTheQuantisedColourAndHexagonalDistance)
{
    const std::tuple<Rgb, bool, GvPoint, bool> cases[] = {
        {{1, 0, 0}, true, {99, 50}, true}, // X comes out as 0.99999988
        {{1, 1, 0}, true, {74, 7}, true},  // offset (24, -43)
        {{0.5f, 0.5f, 0.5f}, true, {50, 50}, false},
        {{0.59f, 0, 0}, true, {99, 50}, false}, // white below 0.6
        {{0.6f, 0, 0}, true, {99, 50}, true},
        {{0, 0, 0}, false, {50, 50}, false},              // black has no position
        {{0.003f, 0.003f, 0.0f}, false, {50, 50}, false}, // black once quantised
    };
    for (const auto& [color, visible, centre, black] : cases) {
        const float rgb[3] = {color.r, color.g, color.b};
        const GvWheelMarker m = GvWheelMarkerOf(kWheel100, rgb);
        SCOPED_TRACE(::testing::Message() << color.r << " " << color.g << " " << color.b);
        EXPECT_EQ(std::make_tuple(visible, centre, black), std::make_tuple(m.visible, m.centre, m.black));
    }
    GvPoint offset = {7, 7};
    EXPECT_FALSE(GvWheelMapColorToPosition(0, 0, 0, 50, &offset));
    EXPECT_EQ((GvPoint{7, 7}), offset);
    EXPECT_TRUE(GvWheelMapColorToPosition(0.2f, 0.2f, 0.2f, 50, &offset));
    EXPECT_EQ((GvPoint{0, 0}), offset);
    const std::tuple<int, int, Rgb> positions[] = {
        {0, 0, {1, 1, 1}},                     // atan2(0, 0) gives hue 0, saturation 0
        {0, 1000, {0.5f, 1, 0}},               // straight up, far outside: hue 90, saturation 1
        {-1000, 0, {0, 1, 1}},                 // hue 180
        {0, -1000, {0.5f, 0, 1}},              // hue -90 + 360
        {0, 25, {0.7113249f, 1, 0.42264974f}}, // half way up: d = 25 of 43.30127
    };
    for (const auto& [x, y, expected] : positions) {
        float rgb[3];
        GvWheelMapPositionToColor(x, y, 50, &rgb[0], &rgb[1], &rgb[2]);
        SCOPED_TRACE(::testing::Message() << x << ", " << y);
        ExpectRgb(expected, rgb);
    }
    // A zero radius gives white at the centre and full saturation elsewhere.
    float rgb[3];
    GvWheelMapPositionToColor(0, 0, 0, &rgb[0], &rgb[1], &rgb[2]);
    ExpectRgb({1, 1, 1}, rgb);
    GvWheelMapPositionToColor(5, 0, 0, &rgb[0], &rgb[1], &rgb[2]);
    ExpectRgb({1, 0, 0}, rgb);
}

TEST(ColorWheelGeometry, OwnHsvConversionSectorsOutOfRangeHuesAndPicksKeepingTheValue)
{
    const std::tuple<float, float, float, Rgb> cases[] = {
        {0, 1, 1, {1, 0, 0}},
        {60, 1, 1, {1, 1, 0}},
        {150, 1, 1, {0, 1, 0.5f}},
        {240, 0.5f, 1, {0.5f, 0.5f, 1}},
        {330, 1, 0.5f, {0.5f, 0, 0.25f}},
        {360, 1, 1, {1, 0, 0}}, // 360 counts as 0
        {std::nanf(""), 1, 1, {1, 0, 0}},
        {-30, 1, 1, {1, 0, 0.5f}}, // a negative sector ends in the last case
        {123, 0, 0.25f, {0.25f, 0.25f, 0.25f}}};
    for (const auto& [h, s, v, expected] : cases) {
        float rgb[3];
        GvWheelHSVtoRGB(&rgb[0], &rgb[1], &rgb[2], h, s, v);
        SCOPED_TRACE(::testing::Message() << "h " << h << " s " << s << " v " << v);
        ExpectRgb(expected, rgb);
    }
    const std::tuple<Rgb, GvPoint, Rgb> picks[] = {
        {{0.8f, 0.4f, 0.2f}, {50, 50}, {0.8f, 0.8f, 0.8f}},
        {{0, 0, 0}, {99, 50}, {0, 0, 0}},
        {{1, 1, 1}, {50, -500}, {0.5f, 1, 0}},
        {{0.2f, 0.5f, 0.1f}, {50, -500}, {0.25f, 0.5f, 0}},
    };
    for (const auto& [before, point, after] : picks) {
        float rgb[3] = {before.r, before.g, before.b};
        GvWheelPick(kWheel100, point, rgb);
        SCOPED_TRACE(::testing::Message() << point.x << ", " << point.y);
        ExpectRgb(after, rgb);
    }
}

TEST(ColorWheelGeometry, HexagonVerticesCarryTheValueAsSixteenBitGreyAndChannelsTruncate)
{
    GvGradientVertex v[7];
    GvWheelHexagon(kWheel100, 0.5f, v);
    EXPECT_EQ(std::make_tuple(50, 50, 32767, 32767, 32767),
              std::make_tuple(v[0].x, v[0].y, v[0].red, v[0].green, v[0].blue));
    const unsigned short lit[6][3] = {{32767, 0, 0},     {32767, 32767, 0}, {0, 32767, 0},
                                      {0, 32767, 32767}, {0, 0, 32767},     {32767, 0, 32767}};
    const GvPoint corners[6] = {{100, 50}, {74, 7}, {26, 7}, {0, 50}, {26, 93}, {74, 93}};
    for (int i = 0; i < 6; ++i) {
        const GvGradientVertex& c = v[i + 1];
        EXPECT_EQ(std::make_tuple(corners[i].x, corners[i].y, lit[i][0], lit[i][1], lit[i][2], 0),
                  std::make_tuple(c.x, c.y, c.red, c.green, c.blue, c.alpha))
            << i;
        EXPECT_EQ(std::make_tuple(0ul, i + 1ul, i == 5 ? 1ul : i + 2ul),
                  std::make_tuple(GvWheelTriangles[i][0], GvWheelTriangles[i][1], GvWheelTriangles[i][2]));
    }
    EXPECT_EQ(65535, GvChannel16(1.0f));
    EXPECT_EQ(0, GvChannel16(std::nanf("")));
    EXPECT_EQ(static_cast<unsigned short>(78642), GvChannel16(1.2f)); // 78642 kept to 16 bits
    EXPECT_EQ(127u, GvChannel8(0.5f));
    EXPECT_EQ(44u, GvChannel8(300.0f / 255.0f));
    EXPECT_EQ(1u, GvChannel8(-1.0f)); // -255 kept to 8 bits
}

TEST(ColorWheelGeometry, KeyStepsTurnTheHueByADegreeAndMoveTheSaturationKeepingTheValue)
{
    const std::tuple<unsigned int, Rgb, Rgb> cases[] = {
        {GvKeyRight, {1, 0, 0}, {1, 1.0f / 60, 0}},                // hue 1
        {GvKeyLeft, {1, 0, 0}, {1, 0, 1.0f / 60}},                 // hue 359
        {GvKeyUp, {1, 0, 0}, {1, 0, 0}},                           // saturation stays at 1
        {GvKeyDown, {1, 0, 0}, {1, 0.01f, 0.01f}},                 // 0.99
        {GvKeyPageUp, {0.8f, 0.4f, 0.4f}, {0.8f, 0.32f, 0.32f}},   // 0.5 to 0.6
        {GvKeyPageDown, {0.8f, 0.4f, 0.4f}, {0.8f, 0.48f, 0.48f}}, // 0.5 to 0.4
        {GvKeyPageDown, {0.5f, 0.45f, 0.45f}, {0.5f, 0.5f, 0.5f}}, // 0.1 to 0, grey
        {GvKeyUp, {0.5f, 0.5f, 0.5f}, {0.5f, 0.495f, 0.495f}},     // grey: hue 0
        {GvKeyRight, {0, 0, 0}, {0, 0, 0}},                        // black stays black
    };
    for (const auto& [key, before, after] : cases) {
        float rgb[3] = {before.r, before.g, before.b};
        EXPECT_TRUE(GvWheelKeyStep(key, rgb)) << key;
        const float want[3] = {after.r, after.g, after.b};
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(want[i], rgb[i], 1e-5f) << key << " channel " << i;
    }
    float rgb[3] = {1, 0, 0};
    ASSERT_TRUE(GvWheelKeyStep(GvKeyLeft, rgb));
    ASSERT_TRUE(GvWheelKeyStep(GvKeyRight, rgb));
    EXPECT_NEAR(0.0f, rgb[2], 1e-5f); // back at red, not across the seam
    EXPECT_NEAR(0.0f, rgb[1], 1e-5f);
    for (unsigned int other : {0x24u, 0x23u, 0x20u, 0x41u}) { // Home, End, Space, 'A'
        EXPECT_FALSE(GvWheelKeyStep(other, rgb));
        ExpectRgb({1, 0, 0}, rgb);
    }
}

} // namespace
