#include <gtest/gtest.h>
#include <cmath>
#include "color/ColorSliderMath.h"
#include "color/WheelGeometry.h"

namespace {

const GvWheelGeometry kWheel100 = GvWheelGeometryOf({0, 0, 100, 100});

struct Rgb
{
    float r, g, b;
};

void ExpectRgb(Rgb expected, const float* actual)
{
    EXPECT_FLOAT_EQ(expected.r, actual[0]);
    EXPECT_FLOAT_EQ(expected.g, actual[1]);
    EXPECT_FLOAT_EQ(expected.b, actual[2]);
}

TEST(ColorWheelGeometry, CornersUseSinglePrecisionTrigonometryCentreAndRadiusTruncateAndTakeTheShorterSide)
{
    EXPECT_EQ(50, kWheel100.cx);
    EXPECT_EQ(50, kWheel100.cy);
    EXPECT_EQ(50, kWheel100.radius);
    EXPECT_EQ(24, kWheel100.tc);
    EXPECT_EQ(43, kWheel100.ts);
    GvPoint corners[6];
    GvWheelCorners(kWheel100, corners);
    const GvPoint expected[6] = {{100, 50}, {74, 7}, {26, 7}, {0, 50}, {26, 93}, {74, 93}};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(expected[i], corners[i]) << "corner " << i;
    const GvWheelGeometry g = GvWheelGeometryOf({10, 20, 125, 121});
    EXPECT_EQ(67, g.cx);
    EXPECT_EQ(70, g.cy);
    EXPECT_EQ(50, g.radius);
}

TEST(ColorWheelGeometry, MarkerSitsOnTheQuantisedColour)
{
    struct Case
    {
        Rgb color;
        bool visible;
        GvPoint centre;
        bool black;
    } cases[] = {
        {{1, 0, 0}, true, {99, 50}, true}, // X comes out as 0.99999988
        {{1, 1, 0}, true, {74, 7}, true},  // offset (24, -43)
        {{0.5f, 0.5f, 0.5f}, true, {50, 50}, false},
        {{0.59f, 0, 0}, true, {99, 50}, false}, // white below 0.6
        {{0.6f, 0, 0}, true, {99, 50}, true},
        {{0, 0, 0}, false, {50, 50}, false},              // black has no position
        {{0.003f, 0.003f, 0.0f}, false, {50, 50}, false}, // black once quantised
    };
    for (const Case& c : cases) {
        const float rgb[3] = {c.color.r, c.color.g, c.color.b};
        const GvWheelMarker m = GvWheelMarkerOf(kWheel100, rgb);
        EXPECT_EQ(c.visible, m.visible) << c.color.r << " " << c.color.g << " " << c.color.b;
        EXPECT_EQ(c.centre, m.centre) << c.color.r << " " << c.color.g << " " << c.color.b;
        EXPECT_EQ(c.black, m.black) << c.color.r << " " << c.color.g << " " << c.color.b;
    }
}

TEST(ColorWheelGeometry, BlackHasNoPosition)
{
    GvPoint offset = {7, 7};
    EXPECT_FALSE(GvWheelMapColorToPosition(0, 0, 0, 50, &offset));
    EXPECT_EQ((GvPoint{7, 7}), offset);
    EXPECT_TRUE(GvWheelMapColorToPosition(0.2f, 0.2f, 0.2f, 50, &offset));
    EXPECT_EQ((GvPoint{0, 0}), offset);
}

TEST(ColorWheelGeometry, PositionToColourTakesThePolarAngleAndHexagonalDistance)
{
    struct Case
    {
        int x, y;
        Rgb expected;
    } cases[] = {
        {0, 0, {1, 1, 1}},                     // atan2(0, 0) gives hue 0, saturation 0
        {0, 1000, {0.5f, 1, 0}},               // straight up, far outside: hue 90, saturation 1
        {-1000, 0, {0, 1, 1}},                 // hue 180
        {0, -1000, {0.5f, 0, 1}},              // hue -90 + 360
        {0, 25, {0.7113249f, 1, 0.42264974f}}, // half way up: d = 25 of 43.30127
    };
    for (const Case& c : cases) {
        float rgb[3];
        GvWheelMapPositionToColor(c.x, c.y, 50, &rgb[0], &rgb[1], &rgb[2]);
        SCOPED_TRACE(::testing::Message() << c.x << ", " << c.y);
        ExpectRgb(c.expected, rgb);
    }
    // A zero radius gives white at the centre and full saturation elsewhere.
    float rgb[3];
    GvWheelMapPositionToColor(0, 0, 0, &rgb[0], &rgb[1], &rgb[2]);
    ExpectRgb({1, 1, 1}, rgb);
    GvWheelMapPositionToColor(5, 0, 0, &rgb[0], &rgb[1], &rgb[2]);
    ExpectRgb({1, 0, 0}, rgb);
}

TEST(ColorWheelGeometry, OwnHsvConversionSectorsAndOutOfRangeHues)
{
    struct Case
    {
        float h, s, v;
        Rgb expected;
    } cases[] = {
        {0, 1, 1, {1, 0, 0}},
        {60, 1, 1, {1, 1, 0}},
        {150, 1, 1, {0, 1, 0.5f}},
        {240, 0.5f, 1, {0.5f, 0.5f, 1}},
        {330, 1, 0.5f, {0.5f, 0, 0.25f}},
        {360, 1, 1, {1, 0, 0}}, // 360 counts as 0
        {std::nanf(""), 1, 1, {1, 0, 0}},
        {-30, 1, 1, {1, 0, 0.5f}}, // a negative sector ends in the last case
        {123, 0, 0.25f, {0.25f, 0.25f, 0.25f}},
    };
    for (const Case& c : cases) {
        float rgb[3];
        GvWheelHSVtoRGB(&rgb[0], &rgb[1], &rgb[2], c.h, c.s, c.v);
        SCOPED_TRACE(::testing::Message() << "h " << c.h << " s " << c.s << " v " << c.v);
        ExpectRgb(c.expected, rgb);
    }
}

TEST(ColorWheelGeometry, PickKeepsTheValue)
{
    struct Case
    {
        Rgb before;
        GvPoint point;
        Rgb after;
    } cases[] = {
        {{0.8f, 0.4f, 0.2f}, {50, 50}, {0.8f, 0.8f, 0.8f}},
        {{0, 0, 0}, {99, 50}, {0, 0, 0}},
        {{1, 1, 1}, {50, -500}, {0.5f, 1, 0}},
        {{0.2f, 0.5f, 0.1f}, {50, -500}, {0.25f, 0.5f, 0}},
    };
    for (const Case& c : cases) {
        float rgb[3] = {c.before.r, c.before.g, c.before.b};
        GvWheelPick(kWheel100, c.point, rgb);
        SCOPED_TRACE(::testing::Message() << c.point.x << ", " << c.point.y);
        ExpectRgb(c.after, rgb);
    }
}

TEST(ColorWheelGeometry, HexagonVerticesCarryTheValueAsSixteenBitGrey)
{
    GvGradientVertex v[7];
    GvWheelHexagon(kWheel100, 0.5f, v);
    EXPECT_EQ(50, v[0].x);
    EXPECT_EQ(50, v[0].y);
    EXPECT_EQ(32767, v[0].red);
    EXPECT_EQ(32767, v[0].green);
    EXPECT_EQ(32767, v[0].blue);
    const unsigned short lit[6][3] = {{32767, 0, 0},     {32767, 32767, 0}, {0, 32767, 0},
                                      {0, 32767, 32767}, {0, 0, 32767},     {32767, 0, 32767}};
    const GvPoint corners[6] = {{100, 50}, {74, 7}, {26, 7}, {0, 50}, {26, 93}, {74, 93}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(corners[i].x, v[i + 1].x);
        EXPECT_EQ(corners[i].y, v[i + 1].y);
        EXPECT_EQ(lit[i][0], v[i + 1].red);
        EXPECT_EQ(lit[i][1], v[i + 1].green);
        EXPECT_EQ(lit[i][2], v[i + 1].blue);
        EXPECT_EQ(0, v[i + 1].alpha);
        EXPECT_EQ(0u, GvWheelTriangles[i][0]);
        EXPECT_EQ(static_cast<unsigned long>(i + 1), GvWheelTriangles[i][1]);
        EXPECT_EQ(static_cast<unsigned long>(i == 5 ? 1 : i + 2), GvWheelTriangles[i][2]);
    }
}

TEST(ColorWheelGeometry, ChannelsTruncateAndKeepTheirLowBits)
{
    EXPECT_EQ(65535, GvChannel16(1.0f));
    EXPECT_EQ(0, GvChannel16(std::nanf("")));
    EXPECT_EQ(static_cast<unsigned short>(78642), GvChannel16(1.2f)); // 78642 kept to 16 bits
    EXPECT_EQ(127u, GvChannel8(0.5f));
    EXPECT_EQ(44u, GvChannel8(300.0f / 255.0f));
    EXPECT_EQ(1u, GvChannel8(-1.0f)); // -255 kept to 8 bits
}

TEST(ColorWheelGeometry, KeyStepsTurnTheHueByADegreeAndMoveTheSaturationKeepingTheValue)
{
    const struct
    {
        unsigned int key;
        Rgb before, after;
    } cases[] = {
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
    for (const auto& c : cases) {
        float rgb[3] = {c.before.r, c.before.g, c.before.b};
        EXPECT_TRUE(GvWheelKeyStep(c.key, rgb)) << c.key;
        EXPECT_NEAR(c.after.r, rgb[0], 1e-5f) << c.key;
        EXPECT_NEAR(c.after.g, rgb[1], 1e-5f) << c.key;
        EXPECT_NEAR(c.after.b, rgb[2], 1e-5f) << c.key;
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
