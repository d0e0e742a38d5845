#include <gtest/gtest.h>
#include <cmath>
#include <ostream>
#include <tuple>
#include "platform/portable/DpiScale.h"
#include "platform/portable/GraphicsTypes.h"

static std::ostream& operator<<(std::ostream& os, const GvRect& r)
{
    return os << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}

namespace {

TEST(GraphicsTypes, RectangleMeasuresContainmentAndOperations)
{
    const GvRect r = {10, 20, 40, 25};
    EXPECT_EQ(std::make_pair(30, 5), std::make_pair(r.Width(), r.Height()));
    EXPECT_EQ((GvSize{30, 5}), r.Size());
    EXPECT_EQ(std::make_pair((GvPoint{10, 20}), (GvPoint{40, 25})), std::make_pair(r.TopLeft(), r.BottomRight()));
    // Left and top inside, right and bottom outside.
    const std::pair<GvPoint, bool> points[] = {
        {{10, 20}, true}, {{39, 24}, true}, {{40, 24}, false}, {{39, 25}, false}, {{9, 22}, false}};
    for (const auto& [p, inside] : points)
        EXPECT_EQ(inside, r.Contains(p)) << p.x << ',' << p.y;
    EXPECT_FALSE(r.IsEmpty());
    EXPECT_TRUE((GvRect{5, 5, 5, 9}).IsEmpty() && (GvRect{5, 5, 9, 4}).IsEmpty());
    EXPECT_FALSE((GvRect{5, 5, 5, 9}).Contains({5, 6}));
    const std::pair<GvRect, GvRect> cases[] = {
        // got, wanted
        {r.Offset(-10, 5), {0, 25, 30, 30}},
        {r.Inflate(2, -1), {8, 21, 42, 24}},
        {GvRect{40, 25, 10, 20}.Normalized(), r},
        {GvRect{40, 20, 10, 25}.Normalized(), r},
        {r.Intersect({30, 0, 100, 22}), {30, 20, 40, 22}},
        {r.Intersect({40, 20, 50, 25}), {0, 0, 0, 0}}, // touching only
        {r.Union({0, 0, 15, 21}), {0, 0, 40, 25}},
        {r.Union({100, 100, 100, 200}), r}, // an empty one counts for nothing
        {GvRect{1, 1, 1, 5}.Union({3, 3, 3, 3}), {0, 0, 0, 0}},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i)
        EXPECT_EQ(cases[i].second, cases[i].first) << "case " << i;
    EXPECT_NE(r, r.Offset(0, 1));
    EXPECT_NE((GvPoint{1, 2}), (GvPoint{2, 1}));
    EXPECT_NE((GvSize{1, 2}), (GvSize{2, 1}));
}

TEST(GraphicsTypes, PackedColourTruncatesEachComponent)
{
    EXPECT_EQ(0x80FF3F00u, (GvRGBA{0.0f, 0.25f, 1.0f, 0.503f}.ToPacked()));
    // Out of range and NaN are limited first.
    EXPECT_EQ(0x00FF00FFu, (GvRGBA{2.0f, -1.0f, 1.5f, std::nanf("")}.ToPacked()));
    const GvRGBA back = GvRGBA::FromPacked(0x80FF3F00u);
    EXPECT_EQ((GvRGBA{0.0f, 63 / 255.0f, 1.0f, 128 / 255.0f}), back);
    EXPECT_EQ(0x80FF3F00u, back.ToPacked());
    EXPECT_NE((GvRGBA{0, 0, 0, 1}), (GvRGBA{0, 0, 0, 0}));
    EXPECT_EQ((GvHSV{0.5f, 1, 1}), (GvHSV{0.5f, 1, 1}));
    EXPECT_NE((GvHSV{0.5f, 1, 1}), (GvHSV{0.5f, 1, 0}));
}

TEST(DpiScale, ValuesSizesPointsAndRectanglesRoundAsMulDivAndComeBack)
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
    EXPECT_EQ((GvSize{24, 30}), GvScaleToDpi(GvSize{16, 20}, 144));
    EXPECT_EQ((GvPoint{-9, 3}), GvScaleToDpi(GvPoint{-6, 2}, 144));
    // Neighbours meet at every DPI because each edge scales alone.
    const GvRect left = GvScaleToDpi(GvRect{0, 0, 5, 3}, 144), right = GvScaleToDpi(GvRect{5, 0, 11, 3}, 144);
    EXPECT_EQ((GvRect{0, 0, 8, 5}), left);
    EXPECT_EQ(left.right, right.left);
    EXPECT_EQ((GvRect{1, 2, 3, 4}), GvScaleToDpi(GvRect{1, 2, 3, 4}, 96));
}

} // namespace
