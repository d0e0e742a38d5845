#include <gtest/gtest.h>
#include <tuple>
#include "platform/portable/DpiScale.h"

namespace {

TEST(DpiScale, ValuesRoundAsMulDivAndComeBack)
{
    const std::tuple<int, unsigned, int> cases[] = {
        {5, 96, 5},  {5, 0, 5},     {5, 144, 8},   {-5, 144, -8},       {1, 120, 1},
        {3, 120, 4}, {18, 144, 27}, {20, 192, 40}, {125, 144, 188},     {7, 168, 12},
        {0, 192, 0}, {-1, 144, -2}, {1, 72, 1},    {32767, 192, 65534}, {-32768, 144, -49152}};
    for (const auto& [value, dpi, scaled] : cases) {
        EXPECT_EQ(scaled, GvScaleToDpi(value, dpi)) << value << " at " << dpi;
        EXPECT_EQ(value, GvUnscaleFromDpi(scaled, dpi)) << scaled << " at " << dpi;
    }
    EXPECT_EQ(std::make_pair(13, -13), std::make_pair(GvUnscaleFromDpi(25, 192), GvUnscaleFromDpi(-25, 192))); // 12.5
}

TEST(DpiScale, SizesPointsAndRectanglesScaleEachField)
{
    EXPECT_EQ((GvSize{24, 30}), GvScaleToDpi(GvSize{16, 20}, 144));
    EXPECT_EQ((GvPoint{-9, 3}), GvScaleToDpi(GvPoint{-6, 2}, 144));
    // Neighbours meet at every DPI because each edge scales alone.
    const GvRect left = GvScaleToDpi(GvRect{0, 0, 5, 3}, 144), right = GvScaleToDpi(GvRect{5, 0, 11, 3}, 144);
    EXPECT_EQ((GvRect{0, 0, 8, 5}), left);
    EXPECT_EQ(left.right, right.left);
    EXPECT_EQ((GvRect{1, 2, 3, 4}), GvScaleToDpi(GvRect{1, 2, 3, 4}, 96));
}

} // namespace
