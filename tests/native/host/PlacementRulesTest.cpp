#include <gtest/gtest.h>

#include "GvPlacementRules.h"

namespace {

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

TEST(PlacementRulesTest, EdgeToEdgeWithOffsetStretchesOrMovesTheControl)
{
    const GvPlacementRect control = {10, 10, 50, 30}, reference = {0, 40, 100, 60};
    // (3, 3, 4): the control's bottom 4 pixels below the reference's bottom.
    EXPECT_EQ(
        (GvPlacementRect{10, 10, 50, 64}),
        GvApplyControlBinding(Edge(GV_LOCATION_BOTTOM, GV_LOCATION_BOTTOM, 4, 0, true), control, reference, kParent));
    // (1, 0): right edge at the reference's left.
    const GvPlacementRect right = {120, 0, 140, 10};
    EXPECT_EQ((GvPlacementRect{10, 10, 120, 30}),
              GvApplyControlBinding(Edge(GV_LOCATION_RIGHT, GV_LOCATION_LEFT, 0, 0, true), control, right, kParent));
    // (3, 2): bottom at the reference's top.
    EXPECT_EQ(
        (GvPlacementRect{10, 10, 50, 40}),
        GvApplyControlBinding(Edge(GV_LOCATION_BOTTOM, GV_LOCATION_TOP, 0, 0, true), control, reference, kParent));
    // Without the resize flag the control moves whole.
    EXPECT_EQ(
        (GvPlacementRect{10, 14, 50, 34}),
        GvApplyControlBinding(Edge(GV_LOCATION_BOTTOM, GV_LOCATION_TOP, -6, 0, false), control, reference, kParent));
}

TEST(PlacementRulesTest, RatioMeasuresAlongTheReferenceAndCentresMove)
{
    const GvPlacementRect control = {0, 0, 20, 10}, reference = {100, 0, 200, 50};
    EXPECT_EQ(
        (GvPlacementRect{0, 0, 150, 10}),
        GvApplyControlBinding(Edge(GV_LOCATION_RIGHT, GV_LOCATION_LEFT, 0, 0.5f, true), control, reference, kParent));
    EXPECT_EQ(
        (GvPlacementRect{0, 0, 125, 10}),
        GvApplyControlBinding(Edge(GV_LOCATION_RIGHT, GV_LOCATION_RIGHT, 0, 0.75f, true), control, reference, kParent));
    EXPECT_EQ(
        (GvPlacementRect{140, 0, 160, 10}),
        GvApplyControlBinding(Edge(GV_LOCATION_HCENTER, GV_LOCATION_HCENTER, 0, 0, true), control, reference, kParent));
    EXPECT_EQ((GvPlacementRect{0, 20, 20, 30}),
              GvApplyControlBinding(Edge(GV_LOCATION_VCENTER, GV_LOCATION_VCENTER, 0, 0, false), control, reference,
                                    kParent));
}

TEST(PlacementRulesTest, StretchingNeverTurnsTheControlInsideOut)
{
    const GvPlacementRect control = {50, 50, 80, 70}, reference = {0, 0, 10, 10};
    EXPECT_EQ(
        (GvPlacementRect{50, 50, 50, 70}),
        GvApplyControlBinding(Edge(GV_LOCATION_RIGHT, GV_LOCATION_RIGHT, 0, 0, true), control, reference, kParent));
    EXPECT_EQ(
        (GvPlacementRect{50, 70, 80, 70}),
        GvApplyControlBinding(Edge(GV_LOCATION_TOP, GV_LOCATION_BOTTOM, 100, 0, true), control, reference, kParent));
}

TEST(PlacementRulesTest, TopRightOfAndBottomOfMoveKeepingTheSizeVisibilityLeavesIt)
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

TEST(PlacementRulesTest, RelativeRightAndBottomKeepTheirDistanceToTheClientEdges)
{
    GvControlBinding right = Simple(GV_BIND_RELATIVE_RIGHT, 0);
    GvControlBinding bottom = Simple(GV_BIND_RELATIVE_BOTTOM, 3);
    const GvPlacementRect control = {250, 150, 290, 180};
    const GvPlacementRect larger = {0, 0, 400, 260};
    EXPECT_EQ((GvPlacementRect{350, 150, 390, 180}), Recorded(right, control, GvPlacementRect{}, larger));
    EXPECT_EQ((GvPlacementRect{250, 207, 290, 237}), Recorded(bottom, control, GvPlacementRect{}, larger))
        << "20 from the bottom, plus the margin 3";
}

} // namespace
