#include <gtest/gtest.h>
#include <tuple>
#include "window_utils/ScrollMath.h"

namespace {

const int kBar = 17; // the bar thickness used throughout

TEST(ScrollBarRequirements, ExactSizesAndTheBarThatCallsTheOther)
{
    const std::tuple<GvSize, GvSize, bool, bool> cases[] = {
        {{200, 100}, {200, 100}, false, false}, // exactly as large
        {{200, 100}, {201, 83}, true, false},   // wider; fits above the bar
        {{200, 100}, {201, 84}, true, true},    // wider; taller than what the bar leaves
        {{200, 100}, {183, 101}, false, true},  // taller; fits beside the bar
        {{200, 100}, {184, 101}, true, true},   {{200, 100}, {0, 0}, false, false},
    };
    for (const auto& [viewport, content, horizontal, vertical] : cases) {
        const GvScrollBarNeeds needs = GvScrollBarRequirements(viewport, content, kBar, kBar);
        EXPECT_EQ(std::make_pair(horizontal, vertical), std::make_pair(needs.horizontal, needs.vertical))
            << content.cx << "x" << content.cy;
    }
}

TEST(ScrollLayout, BarsFrameScrollInformationAndCentring)
{
    const GvRect client = {0, 0, 200, 100};
    const GvScrollLayout both = GvLayoutScrollWindow(client, true, {400, 300}, {50, 500}, false, kBar, kBar);
    EXPECT_EQ((GvRect{0, 0, 183, 83}), both.frame);
    EXPECT_EQ((GvRect{0, 83, 183, 100}), both.horizontalBar);
    EXPECT_EQ((GvRect{183, 0, 200, 83}), both.verticalBar);
    EXPECT_EQ(std::make_tuple(400, 183, 50),
              std::make_tuple(both.horizontalInfo.max, both.horizontalInfo.page, both.horizontalInfo.pos));
    EXPECT_EQ(300, both.verticalInfo.pos);      // the bar clamps to the child's height
    EXPECT_EQ((GvPoint{50, 217}), both.offset); // the child clamps to height - frame
    const GvScrollLayout onlyH = GvLayoutScrollWindow(client, true, {201, 50}, {9, 9}, false, kBar, kBar);
    EXPECT_EQ((GvRect{0, 83, 200, 100}), onlyH.horizontalBar);
    EXPECT_EQ((GvPoint{1, 0}), onlyH.offset);
    const GvScrollLayout none = GvLayoutScrollWindow(client, false, {400, 300}, {50, 50}, false, kBar, kBar);
    EXPECT_FALSE(none.needs.horizontal || none.needs.vertical);
    EXPECT_EQ(client, none.frame);
    EXPECT_EQ((GvPoint{0, 0}), none.offset);
    const GvScrollLayout layout = GvLayoutScrollWindow({0, 0, 200, 100}, true, {151, 40}, {0, 0}, true, kBar, kBar);
    EXPECT_EQ((GvPoint{-24, -30}), layout.offset); // child at 24..175 of 200: 25 pixels right
    const GvScrollLayout wide = GvLayoutScrollWindow({0, 0, 200, 100}, true, {300, 40}, {30, 0}, true, kBar, kBar);
    EXPECT_EQ((GvPoint{30, -21}), wide.offset); // centred only where no bar is needed
}

TEST(ScrollRequests, OffsetsPerCodeAndWheelNotches)
{
    const int cases[][4] = {
        // code, current offset, thumb, offset
        {GvScrollLineBack, 10, 0, 0},         {GvScrollLineBack, 50, 0, 30},  {GvScrollLineForward, 90, 0, 100},
        {GvScrollLineForward, 50, 0, 70},     {GvScrollPageBack, 70, 0, 10},  {GvScrollPageForward, 70, 0, 100},
        {GvScrollThumbPosition, 0, 250, 100}, {GvScrollThumbTrack, 0, -5, 0}, {GvScrollThumbTrack, 0, 42, 42},
    };
    for (const auto& [code, cur, thumb, expected] : cases) {
        int offset = -1;
        EXPECT_TRUE(GvScrollOffsetForRequest(code, cur, 100, 60, thumb, &offset));
        EXPECT_EQ(expected, offset) << "code " << code;
    }
    int untouched = 7;
    for (int code : {6, 7, 8}) // top, bottom, end of scroll
        EXPECT_FALSE(GvScrollOffsetForRequest(code, 50, 100, 60, 0, &untouched));
    EXPECT_EQ(7, untouched);
    EXPECT_EQ(35, GvChildScrollPosition(40, -5));
    EXPECT_EQ(-32768, GvChildScrollPosition(32767, 1));
    // From 100: two notches up; any turn down is one notch; below one notch up counts one.
    for (const auto& [delta, position] : {std::pair{240, 40}, {-120, 130}, {-240, 130}, {0, 130}, {119, 70}})
        EXPECT_EQ(position, GvWheelScrollPosition(100, delta)) << delta;
    EXPECT_EQ(std::make_pair(1, 3), std::make_pair(GvWheelNotches(-360), GvWheelNotches(360)));
    // Steps are 96-DPI pixels: 45 a notch at 144 DPI, a line of 40 at 192.
    EXPECT_EQ(10, GvWheelScrollPosition(100, 240, 144));
    int offset = 0;
    EXPECT_TRUE(GvScrollOffsetForRequest(GvScrollLineForward, 10, 100, 60, 0, &offset, 192));
    EXPECT_EQ(50, offset);
}

} // namespace
