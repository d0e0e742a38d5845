#include <gtest/gtest.h>
#include "color/ColorSliderMath.h"

namespace {

TEST(ColorSliderMath, ValueFromPointClampsBeyondTheEnds)
{
    struct Case
    {
        bool vertical;
        GvPoint point;
        GvSize client;
        float expected;
    } cases[] = {
        {false, {25, 5}, {100, 20}, 0.25f}, {false, {150, 5}, {100, 20}, 1.0f}, {false, {-3, 5}, {100, 20}, 0.0f},
        {true, {5, 21}, {16, 84}, 0.75f},   {true, {5, -4}, {16, 84}, 1.0f},   // above the top while dragging
        {true, {5, 84}, {16, 84}, 0.0f},    {true, {500, 42}, {16, 84}, 0.5f}, // x does not count on a vertical slider
    };
    for (const Case& c : cases) {
        float value = -1.0f;
        EXPECT_TRUE(GvColorSliderValueFromPoint(c.vertical, c.point, c.client, &value));
        EXPECT_FLOAT_EQ(c.expected, value) << c.point.x << ", " << c.point.y;
    }
    float value = 0.3f;
    EXPECT_FALSE(GvColorSliderValueFromPoint(false, {0, 0}, {0, 20}, &value));
    EXPECT_FALSE(GvColorSliderValueFromPoint(true, {0, 0}, {16, 0}, &value));
    EXPECT_EQ(0.3f, value);
}

TEST(ColorSliderMath, SevenStopsOn100PixelsMakeBandsAtTheTruncatedSixths)
{
    GvColorStop stops[7];
    for (int i = 0; i < 7; ++i)
        stops[i] = {i / 6.0f, 0.0f, 1.0f};
    ASSERT_EQ(6, GvColorSliderBandCount(7));
    const int edges[7] = {0, 16, 33, 50, 66, 83, 100};
    for (int band = 0; band < 6; ++band) {
        GvGradientVertex v[4];
        GvColorSliderBand(false, {100, 12}, stops, 7, band, v);
        EXPECT_EQ(edges[band], v[0].x);
        EXPECT_EQ(edges[band], v[1].x);
        EXPECT_EQ(edges[band + 1], v[2].x);
        EXPECT_EQ(edges[band + 1], v[3].x);
        EXPECT_EQ(0, v[0].y);
        EXPECT_EQ(12, v[1].y);
        EXPECT_EQ(GvChannel16(stops[band].red), v[0].red);
        EXPECT_EQ(GvChannel16(stops[band].red), v[1].red);
        EXPECT_EQ(GvChannel16(stops[band + 1].red), v[3].red);
        EXPECT_EQ(65535, v[2].blue);
    }
}

TEST(ColorSliderMath, VerticalBandsPutTheLastStopAtTheTop)
{
    const GvColorStop stops[3] = {{0, 0, 0}, {0.5f, 0.5f, 0.5f}, {1, 1, 1}};
    GvGradientVertex v[4];
    GvColorSliderBand(true, {16, 84}, stops, 3, 0, v);
    const int expected[4][3] = {{0, 0, 65535}, {0, 42, 32767}, {16, 0, 65535}, {16, 42, 32767}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(expected[i][0], v[i].x);
        EXPECT_EQ(expected[i][1], v[i].y);
        EXPECT_EQ(expected[i][2], v[i].green);
    }
    GvColorSliderBand(true, {16, 84}, stops, 3, 1, v);
    EXPECT_EQ(42, v[0].y);
    EXPECT_EQ(84, v[1].y);
    EXPECT_EQ(0, v[1].green);
}

TEST(ColorSliderMath, BandCountFollowsTheStopsWithinTheirLimits)
{
    EXPECT_EQ(0, GvColorSliderBandCount(-3));
    EXPECT_EQ(0, GvColorSliderBandCount(1));
    EXPECT_EQ(1, GvColorSliderBandCount(2));
    EXPECT_EQ(31, GvColorSliderBandCount(32));
    EXPECT_EQ(31, GvColorSliderBandCount(500));
}

TEST(ColorSliderMath, ThumbIsAFourPixelBarInsetByTwoScaledToTheDpi)
{
    EXPECT_EQ((GvRect{24, 2, 28, 18}), GvColorSliderThumb(false, {100, 20}, 0.25f));
    EXPECT_EQ((GvRect{0, 2, 4, 18}), GvColorSliderThumb(false, {100, 20}, 0.0f));
    EXPECT_EQ((GvRect{96, 2, 100, 18}), GvColorSliderThumb(false, {100, 20}, 1.0f));
    EXPECT_EQ((GvRect{2, 20, 14, 24}), GvColorSliderThumb(true, {16, 84}, 0.75f));
    EXPECT_EQ((GvRect{2, 0, 14, 4}), GvColorSliderThumb(true, {16, 84}, 1.0f));
    EXPECT_EQ((GvRect{23, 3, 29, 27}), GvColorSliderThumb(false, {150, 30}, 0.16f, 144));
    EXPECT_EQ((GvRect{4, 80, 28, 88}), GvColorSliderThumb(true, {32, 168}, 0.5f, 192));
}

TEST(ColorSliderMath, ArrowKeysStepByTwoHundredthsAndClamp)
{
    struct Case
    {
        unsigned int key;
        float before, after;
    } cases[] = {
        {GvKeyUp, 0.99f, 1.0f},    {GvKeyDown, 0.01f, 0.0f}, {GvKeyLeft, 0.5f, 0.48f},
        {GvKeyRight, 0.5f, 0.52f}, {GvKeyUp, 1.5f, 1.0f},    {GvKeyDown, -0.5f, 0.0f},
    };
    for (const Case& c : cases) {
        float value = c.before;
        EXPECT_TRUE(GvColorSliderKeyStep(c.key, &value));
        EXPECT_FLOAT_EQ(c.after, value) << c.key << " from " << c.before;
    }
    float value = 0.5f;
    EXPECT_FALSE(GvColorSliderKeyStep('A', &value));
    EXPECT_FALSE(GvColorSliderKeyStep(0x24, &value)); // Home
    EXPECT_EQ(0.5f, value);
}

} // namespace
