#include <gtest/gtest.h>

#include "GvUtilities.h"

namespace {

struct Hsv
{
    float h, s, v;
};

Hsv ToHsv(float r, float g, float b)
{
    Hsv hsv{-1, -1, -1};
    RGBtoHSV(r, g, b, &hsv.h, &hsv.s, &hsv.v);
    return hsv;
}

// Each colour to HSV and back: primaries and secondaries, a hue below red
// (wrapped to the top of the circle), a grey (no hue) and an in-between colour.
TEST(ColorConversionTest, ColoursToHsvAndBack)
{
    const float cases[][6] = {// r, g, b, h, s, v
                              {1, 0, 0, 0, 1, 1},
                              {1, 1, 0, 60, 1, 1},
                              {0, 1, 0, 120, 1, 1},
                              {0, 1, 1, 180, 1, 1},
                              {0, 0, 1, 240, 1, 1},
                              {1, 0, 1, 300, 1, 1},
                              {1, 0, 0.5f, 330, 1, 1},
                              {0.5f, 0.5f, 0.5f, 0, 0, 0.5f},
                              {0.2f, 0.4f, 0.6f, 210, 2.0f / 3.0f, 0.6f}};
    for (const auto& [r, g, b, h, s, v] : cases) {
        SCOPED_TRACE(testing::Message() << r << ", " << g << ", " << b);
        const Hsv hsv = ToHsv(r, g, b);
        EXPECT_FLOAT_EQ(h, hsv.h);
        EXPECT_NEAR(s, hsv.s, 1e-6);
        EXPECT_FLOAT_EQ(v, hsv.v);
        float back[3];
        HSVtoRGB(&back[0], &back[1], &back[2], hsv.h, hsv.s, hsv.v);
        EXPECT_NEAR(r, back[0], 1e-6);
        EXPECT_NEAR(g, back[1], 1e-6);
        EXPECT_NEAR(b, back[2], 1e-6);
    }
    const Hsv black = ToHsv(0, 0, 0);
    EXPECT_EQ(std::make_pair(0.0f, 0.0f), std::make_pair(black.s, black.v));
}

TEST(ColorConversionTest, AnyHueIsTakenModulo360AndValuesOutsideTheUnitRangeGiveTheFormulasResults)
{
    float r, g, b;
    HSVtoRGB(&r, &g, &b, 360.0f, 1, 1);
    EXPECT_EQ(std::make_pair(1.0f, 0.0f), std::make_pair(r, g));
    HSVtoRGB(&r, &g, &b, 420.0f, 1, 1); // 60: yellow
    EXPECT_FLOAT_EQ(1.0f, g);
    EXPECT_FLOAT_EQ(0.0f, b);
    HSVtoRGB(&r, &g, &b, -120.0f, 1, 1); // 240: blue
    EXPECT_FLOAT_EQ(0.0f, r);
    EXPECT_FLOAT_EQ(1.0f, b);
    const Hsv hsv = ToHsv(1.2f, -0.1f, 0.0f);
    EXPECT_FLOAT_EQ(1.2f, hsv.v);
    EXPECT_GT(hsv.s, 1.0f);
    const Hsv negative = ToHsv(-1.0f, -2.0f, -3.0f);
    EXPECT_EQ(std::make_pair(0.0f, -1.0f), std::make_pair(negative.s, negative.v));
}

} // namespace
