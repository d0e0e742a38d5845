#include <gtest/gtest.h>
#include <tuple>
#include "window_utils/IconMenuLayout.h"

namespace {

TEST(IconMenuMeasure, SizesPerKindAndPictureAcceleratorTabOnlyInTheMiddle)
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
}

TEST(IconMenuDraw, RectanglesOfAnItem)
{
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
}

TEST(IconMenuDraw, MeasuresScaleWithTheDpi)
{
    EXPECT_EQ(std::make_pair(24, 32), std::make_pair(GvIconMenuIconSize(144), GvIconMenuIconSize(192)));
    EXPECT_EQ((GvSize{50 + 33 + 27, 29}), GvIconMenuItemSize({50, 20}, false, {0, 0}, 3, 144));
    const GvIconMenuItemLayout icon = GvLayoutIconMenuItem({0, 0, 200, 60}, true, false, false, {0, 0}, true, 144);
    EXPECT_EQ((GvPoint{3, 2}), icon.icon);
    EXPECT_EQ((GvRect{0, 0, 30, 27}), icon.edge);
    EXPECT_EQ((GvRect{30, 0, 173, 60}), icon.text);
    const GvIconMenuItemLayout mark = GvLayoutIconMenuItem({0, 0, 200, 60}, false, true, false, {0, 0}, false, 192);
    EXPECT_EQ((GvRect{8, 6, 32, 30}), mark.mark);
    EXPECT_EQ(40, mark.fill.left);
}

} // namespace
