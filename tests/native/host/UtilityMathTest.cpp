#include <gtest/gtest.h>
#include <tuple>
#include "GvUtilities.h"
#include "GvPlacementRules.h"

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
TEST(ColorConversionTest, ColoursToHsvAndBackAnyHueModulo360AndOutOfRangeValuesByTheFormulas)
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

const GvPlacementRect kParent = {0, 0, 300, 200};

GvControlBinding Edge(GvControlLocationType location, GvControlLocationType refLocation, int offset, float ratio,
                      bool resize)
{
    return GvControlBinding{GV_BIND_EDGE, nullptr, nullptr, location, refLocation, offset, ratio, resize, true, 0, 0};
}

GvControlBinding Simple(GvControlBindingType type, int offset)
{
    return GvControlBinding{type, nullptr, nullptr, GV_LOCATION_LEFT, GV_LOCATION_LEFT, offset, 0.0f, false,
                            true, 0,       0};
}

GvPlacementRect Recorded(GvControlBinding& binding, const GvPlacementRect& control, const GvPlacementRect& reference,
                         const GvPlacementRect& parentNow)
{
    GvRecordControlBinding(binding, control, reference, kParent);
    return GvApplyControlBinding(binding, control, reference, parentNow);
}

TEST(PlacementRulesTest, EdgeBindingsStretchOrMoveTheControlAndNeverTurnItInsideOut)
{
    const GvPlacementRect control = {10, 10, 50, 30}, below = {0, 40, 100, 60}, right = {120, 0, 140, 10};
    const GvPlacementRect small = {0, 0, 20, 10}, wide = {100, 0, 200, 50};
    const GvPlacementRect far = {50, 50, 80, 70}, corner = {0, 0, 10, 10};
    using Row = std::tuple<const char*, GvPlacementRect, GvPlacementRect, GvControlLocationType, GvControlLocationType,
                           int, float, bool, GvPlacementRect>;
    const Row cases[] = {
        {"4 below the bottom", control, below, GV_LOCATION_BOTTOM, GV_LOCATION_BOTTOM, 4, 0, true, {10, 10, 50, 64}},
        {"right at the left", control, right, GV_LOCATION_RIGHT, GV_LOCATION_LEFT, 0, 0, true, {10, 10, 120, 30}},
        {"bottom at the top", control, below, GV_LOCATION_BOTTOM, GV_LOCATION_TOP, 0, 0, true, {10, 10, 50, 40}},
        {"moved whole", control, below, GV_LOCATION_BOTTOM, GV_LOCATION_TOP, -6, 0, false, {10, 14, 50, 34}},
        {"half along", small, wide, GV_LOCATION_RIGHT, GV_LOCATION_LEFT, 0, 0.5f, true, {0, 0, 150, 10}},
        {"three quarters", small, wide, GV_LOCATION_RIGHT, GV_LOCATION_RIGHT, 0, 0.75f, true, {0, 0, 125, 10}},
        {"centres", small, wide, GV_LOCATION_HCENTER, GV_LOCATION_HCENTER, 0, 0, true, {140, 0, 160, 10}},
        {"middles", small, wide, GV_LOCATION_VCENTER, GV_LOCATION_VCENTER, 0, 0, false, {0, 20, 20, 30}},
        {"right left of the left", far, corner, GV_LOCATION_RIGHT, GV_LOCATION_RIGHT, 0, 0, true, {50, 50, 50, 70}},
        {"top below the bottom", far, corner, GV_LOCATION_TOP, GV_LOCATION_BOTTOM, 100, 0, true, {50, 70, 80, 70}}};
    for (const auto& [what, rect, reference, location, refLocation, offset, ratio, resize, expected] : cases)
        EXPECT_EQ(expected,
                  GvApplyControlBinding(Edge(location, refLocation, offset, ratio, resize), rect, reference, kParent))
            << what;
}

TEST(PlacementRulesTest, TopRightOfBottomOfAndRelativeRightAndBottom)
{
    const GvPlacementRect control = {10, 10, 50, 30}, reference = {0, 40, 100, 60};
    EXPECT_EQ((GvPlacementRect{10, 7, 50, 27}),
              GvApplyControlBinding(Simple(GV_BIND_TOP, 7), control, reference, GvPlacementRect{0, 0, 300, 200}));
    EXPECT_EQ((GvPlacementRect{104, 10, 144, 30}),
              GvApplyControlBinding(Simple(GV_BIND_RIGHT_OF, 4), control, reference, kParent));
    EXPECT_EQ((GvPlacementRect{10, 64, 50, 84}),
              GvApplyControlBinding(Simple(GV_BIND_BOTTOM_OF, 4), control, reference, kParent));
    const GvPlacementRect small = {1, 2, 3, 4};
    EXPECT_EQ(small, GvApplyControlBinding(Simple(GV_BIND_VISIBILITY, 0), small, GvPlacementRect{}, kParent))
        << "visibility leaves the rectangle";
    GvControlBinding right = Simple(GV_BIND_RELATIVE_RIGHT, 0);
    GvControlBinding bottom = Simple(GV_BIND_RELATIVE_BOTTOM, 3);
    const GvPlacementRect corner = {250, 150, 290, 180}, larger = {0, 0, 400, 260};
    EXPECT_EQ((GvPlacementRect{350, 150, 390, 180}), Recorded(right, corner, GvPlacementRect{}, larger));
    EXPECT_EQ((GvPlacementRect{250, 207, 290, 237}), Recorded(bottom, corner, GvPlacementRect{}, larger))
        << "20 from the bottom, plus the margin 3";
}

TEST(PlacementRulesTest, RelativeToFollowsTheReferencesMoves)
{
    GvControlBinding binding = Simple(GV_BIND_RELATIVE_TO, 0);
    const GvPlacementRect control = {30, 80, 60, 90}, reference = {10, 60, 40, 70};
    EXPECT_EQ(control, Recorded(binding, control, reference, kParent));
    const GvPlacementRect moved = {15, 100, 60, 130}; // moved by (5, 40), and larger
    EXPECT_EQ((GvPlacementRect{35, 120, 65, 130}), GvApplyControlBinding(binding, control, moved, kParent));
    // From wherever the control stands, it goes back to its offset.
    EXPECT_EQ((GvPlacementRect{35, 120, 65, 130}),
              GvApplyControlBinding(binding, GvPlacementRect{0, 0, 30, 10}, moved, kParent));
}

} // namespace
