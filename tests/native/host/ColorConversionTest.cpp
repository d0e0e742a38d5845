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

TEST(ColorConversionTest, PrimariesAndSecondariesInDegrees)
{
    const struct
    {
        float r, g, b, h;
    } cases[] = {
        {1, 0, 0, 0}, {1, 1, 0, 60}, {0, 1, 0, 120}, {0, 1, 1, 180}, {0, 0, 1, 240}, {1, 0, 1, 300},
    };
    for (const auto& c : cases) {
        const Hsv hsv = ToHsv(c.r, c.g, c.b);
        EXPECT_FLOAT_EQ(c.h, hsv.h) << c.r << c.g << c.b;
        EXPECT_FLOAT_EQ(1.0f, hsv.s);
        EXPECT_FLOAT_EQ(1.0f, hsv.v);
        float r, g, b;
        HSVtoRGB(&r, &g, &b, c.h, 1, 1);
        EXPECT_FLOAT_EQ(c.r, r);
        EXPECT_FLOAT_EQ(c.g, g);
        EXPECT_FLOAT_EQ(c.b, b);
    }
}

TEST(ColorConversionTest, GreysHaveNoHueAndBlackNoSaturation)
{
    const Hsv grey = ToHsv(0.5f, 0.5f, 0.5f);
    EXPECT_EQ(0.0f, grey.h);
    EXPECT_EQ(0.0f, grey.s);
    EXPECT_FLOAT_EQ(0.5f, grey.v);
    const Hsv black = ToHsv(0, 0, 0);
    EXPECT_EQ(0.0f, black.s);
    EXPECT_EQ(0.0f, black.v);
}

TEST(ColorConversionTest, HueBelowRedWrapsToTheTopOfTheCircle)
{
    const Hsv hsv = ToHsv(1.0f, 0.0f, 0.5f); // between magenta and red
    EXPECT_FLOAT_EQ(330.0f, hsv.h);
    EXPECT_LT(hsv.h, 360.0f);
}

TEST(ColorConversionTest, AnyHueIsTakenModulo360)
{
    float r, g, b;
    HSVtoRGB(&r, &g, &b, 360.0f, 1, 1);
    EXPECT_EQ(1.0f, r);
    EXPECT_EQ(0.0f, g);
    HSVtoRGB(&r, &g, &b, 420.0f, 1, 1); // 60: yellow
    EXPECT_FLOAT_EQ(1.0f, g);
    EXPECT_FLOAT_EQ(0.0f, b);
    HSVtoRGB(&r, &g, &b, -120.0f, 1, 1); // 240: blue
    EXPECT_FLOAT_EQ(0.0f, r);
    EXPECT_FLOAT_EQ(1.0f, b);
}

TEST(ColorConversionTest, RoundTripOfAnInBetweenColour)
{
    const Hsv hsv = ToHsv(0.2f, 0.4f, 0.6f);
    EXPECT_FLOAT_EQ(210.0f, hsv.h);
    EXPECT_NEAR(2.0f / 3.0f, hsv.s, 1e-6);
    EXPECT_FLOAT_EQ(0.6f, hsv.v);
    float r, g, b;
    HSVtoRGB(&r, &g, &b, hsv.h, hsv.s, hsv.v);
    EXPECT_NEAR(0.2f, r, 1e-6);
    EXPECT_NEAR(0.4f, g, 1e-6);
    EXPECT_NEAR(0.6f, b, 1e-6);
}

TEST(ColorConversionTest, ValuesOutsideTheUnitRangeGiveTheFormulasResults)
{
    const Hsv hsv = ToHsv(1.2f, -0.1f, 0.0f);
    EXPECT_FLOAT_EQ(1.2f, hsv.v);
    EXPECT_GT(hsv.s, 1.0f);
    const Hsv negative = ToHsv(-1.0f, -2.0f, -3.0f);
    EXPECT_EQ(0.0f, negative.s);
    EXPECT_EQ(-1.0f, negative.v);
}

} // namespace
