#include <gtest/gtest.h>
#include <tuple>
#include "color/ColorSliderMath.h"

namespace {

TEST(ColorSliderMath, ValueFromPointClampsBeyondTheEnds)
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

} // namespace
