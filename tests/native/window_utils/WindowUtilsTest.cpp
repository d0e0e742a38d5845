#include <gtest/gtest.h>
#include <tuple>
#include "window_utils/ScrollMath.h"
#include "window_utils/IconMenuLayout.h"
#include "GvFakeClock.h"
#include "color/ColorPickerMath.h"
#include "variable_editors/VariableGridLayout.h"

namespace {

const int kBar = 17; // the bar thickness used throughout

TEST(ScrollMath, BarRequirementsLayoutRequestOffsetsAndWheelNotches)
{
    const std::tuple<GvSize, GvSize, bool, bool> cases[] = {
        {{200, 100}, {200, 100}, false, false}, // exactly as large
        {{200, 100}, {201, 83}, true, false},   // wider; fits above the bar
        {{200, 100}, {201, 84}, true, true},    // wider; taller than what the bar leaves
        {{200, 100}, {183, 101}, false, true},  // taller; fits beside the bar
        {{200, 100}, {184, 101}, true, true},   {{200, 100}, {0, 0}, false, false}};
    for (const auto& [viewport, content, horizontal, vertical] : cases) {
        const GvScrollBarNeeds needs = GvScrollBarRequirements(viewport, content, kBar, kBar);
        EXPECT_EQ(std::make_pair(horizontal, vertical), std::make_pair(needs.horizontal, needs.vertical))
            << content.cx << "x" << content.cy;
    }
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
    const int requests[][4] = {
        // code, current offset, thumb, offset
        {GvScrollLineBack, 10, 0, 0},         {GvScrollLineBack, 50, 0, 30},  {GvScrollLineForward, 90, 0, 100},
        {GvScrollLineForward, 50, 0, 70},     {GvScrollPageBack, 70, 0, 10},  {GvScrollPageForward, 70, 0, 100},
        {GvScrollThumbPosition, 0, 250, 100}, {GvScrollThumbTrack, 0, -5, 0}, {GvScrollThumbTrack, 0, 42, 42}};
    for (const auto& [code, cur, thumb, expected] : requests) {
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

TEST(IconMenuLayout, SizesAndRectanglesPerKindScaleWithTheDpiAcceleratorTabOnlyInTheMiddle)
{
    const std::tuple<GvSize, bool, GvSize, int, GvSize> cases[] = {
        {{50, 13}, false, {0, 0}, 0, {72, 19}},   // 13 pixels high is 19
        {{50, 26}, false, {0, 0}, 1, {72, 26}},   // two lines
        {{50, 13}, true, {40, 32}, 0, {72, 53}},  // 32 + 19 + 2
        {{50, 13}, true, {80, 32}, 2, {102, 53}}, // the picture is wider
        {{50, 13}, false, {0, 0}, 3, {90, 19}},   // sub-menu arrow
    };
    for (const auto& [text, bitmap, picture, kind, expected] : cases)
        EXPECT_EQ(expected, GvIconMenuItemSize(text, bitmap, picture, kind)) << kind;
    EXPECT_EQ((std::vector<int>{4, -1, -1, 1, -1}),
              (std::vector<int>{GvIconMenuTabPosition(L"Open\tCtrl+O"), GvIconMenuTabPosition(L"\tCtrl+O"),
                                GvIconMenuTabPosition(L"Open\t"), GvIconMenuTabPosition(L"A\tB"),
                                GvIconMenuTabPosition(L"Open")}));
    const GvRect item = {0, 40, 120, 93};
    const GvIconMenuItemLayout icon = GvLayoutIconMenuItem(item, true, true, true, {40, 32}, true);
    EXPECT_EQ((GvPoint{2, 41}), icon.icon);
    EXPECT_EQ((GvRect{0, 40, 20, 58}), icon.edge);
    EXPECT_EQ((GvRect{20, 40, 120, 59}), icon.fill);
    EXPECT_EQ((GvRect{20, 40, 102, 59}), icon.text);
    EXPECT_EQ(icon.text, icon.accelerator);
    EXPECT_EQ((GvRect{20, 60, 60, 92}), icon.bitmap);
    const GvIconMenuItemLayout mark = GvLayoutIconMenuItem(item, false, true, false, {0, 0}, false);
    EXPECT_EQ((GvRect{4, 43, 16, 55}), mark.mark);
    EXPECT_EQ(std::make_pair(20, 120), std::make_pair(mark.fill.left, mark.text.right));
    const GvIconMenuItemLayout plain = GvLayoutIconMenuItem(item, false, false, false, {0, 0}, false);
    EXPECT_EQ(item, plain.fill);
    EXPECT_EQ(std::make_pair(24, 32), std::make_pair(GvIconMenuIconSize(144), GvIconMenuIconSize(192)));
    EXPECT_EQ((GvSize{50 + 33 + 27, 29}), GvIconMenuItemSize({50, 20}, false, {0, 0}, 3, 144));
    const GvIconMenuItemLayout icon144 = GvLayoutIconMenuItem({0, 0, 200, 60}, true, false, false, {0, 0}, true, 144);
    EXPECT_EQ((GvPoint{3, 2}), icon144.icon);
    EXPECT_EQ((GvRect{0, 0, 30, 27}), icon144.edge);
    EXPECT_EQ((GvRect{30, 0, 173, 60}), icon144.text);
    const GvIconMenuItemLayout mark192 = GvLayoutIconMenuItem({0, 0, 200, 60}, false, true, false, {0, 0}, false, 192);
    EXPECT_EQ((GvRect{8, 6, 32, 30}), mark192.mark);
    EXPECT_EQ(40, mark192.fill.left);
}

TEST(NotifyThrottle, PassesAfterMoreThanTenTicksEachFamilyOnItsOwnRecord)
{
    GvFakeClock clock;
    GvTickThrottle throttle;
    const std::pair<long, bool> steps[] = {{5, false},   {10, false},   {11, true},  {21, false},  {22, true},
                                           {1000, true}, {1009, false}, {500, true}, {510, false}, {511, true}};
    for (const auto& [now, passes] : steps) {
        GvFakeClock::Set(now);
        EXPECT_EQ(passes, throttle.Pass()) << "at " << now;
    }
    // Each family passes once, not held back by the others, from a time far
    // beyond the records of earlier tests.
    GvFakeClock::Advance(100000);
    for (bool expected : {true, false}) {
        EXPECT_EQ(expected, GvPickerValueThrottle().Pass());
        EXPECT_EQ(expected, GvPickerColorThrottle().Pass());
        EXPECT_EQ(expected, GvGridThrottle().Pass());
        GvFakeClock::Advance(10);
    }
}

} // namespace
