#include <gtest/gtest.h>
#include <cmath>
#include <tuple>
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

TEST(ColorWheelGeometry, MarkerSitsOnTheQuantisedColourAndBlackHasNoPosition)
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
}

TEST(ColorWheelGeometry, PositionToColourTakesThePolarAngleAndHexagonalDistance)
{
    const std::tuple<int, int, Rgb> cases[] = {
        {0, 0, {1, 1, 1}},                     // atan2(0, 0) gives hue 0, saturation 0
        {0, 1000, {0.5f, 1, 0}},               // straight up, far outside: hue 90, saturation 1
        {-1000, 0, {0, 1, 1}},                 // hue 180
        {0, -1000, {0.5f, 0, 1}},              // hue -90 + 360
        {0, 25, {0.7113249f, 1, 0.42264974f}}, // half way up: d = 25 of 43.30127
    };
    for (const auto& [x, y, expected] : cases) {
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

TEST(ColorWheelGeometry, OwnHsvConversionSectorsAndOutOfRangeHues)
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
        {123, 0, 0.25f, {0.25f, 0.25f, 0.25f}},
    };
    for (const auto& [h, s, v, expected] : cases) {
        float rgb[3];
        GvWheelHSVtoRGB(&rgb[0], &rgb[1], &rgb[2], h, s, v);
        SCOPED_TRACE(::testing::Message() << "h " << h << " s " << s << " v " << v);
        ExpectRgb(expected, rgb);
    }
}

TEST(ColorWheelGeometry, PickKeepsTheValue)
{
    const std::tuple<Rgb, GvPoint, Rgb> cases[] = {
        {{0.8f, 0.4f, 0.2f}, {50, 50}, {0.8f, 0.8f, 0.8f}},
        {{0, 0, 0}, {99, 50}, {0, 0, 0}},
        {{1, 1, 1}, {50, -500}, {0.5f, 1, 0}},
        {{0.2f, 0.5f, 0.1f}, {50, -500}, {0.25f, 0.5f, 0}},
    };
    for (const auto& [before, point, after] : cases) {
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
