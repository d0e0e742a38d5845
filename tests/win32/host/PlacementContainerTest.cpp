#include "GvUtilities.h"
#include "HostWindowTest.h"

namespace {

using PlacementContainerTest = HostWindowTest;

void MoveTo(HWND window, int x, int y, int width, int height)
{
    SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The edge arithmetic is the native suite's; here the chain reads each
// reference where the binding before it has just put it.
TEST_F(PlacementContainerTest, BottomOfAndRelativeToMoveAChain)
{
    // The texture editor's view options below its properties group.
    HWND properties = CreateControl(L"BUTTON", BS_GROUPBOX, 0, 20, 200, 100);
    HWND viewCheck = CreateControl(L"BUTTON", BS_AUTOCHECKBOX, 6, 130, 120, 16);
    HWND viewGroup = CreateControl(L"BUTTON", BS_GROUPBOX, 0, 131, 200, 80);
    HWND sizeCombo = CreateControl(L"STATIC", 0, 90, 150, 80, 20);
    GvControlPlacementContainer view;
    view.BindControlBottomOf(viewCheck, properties, 4);
    view.BindControlRelativeTo(viewGroup, viewCheck);
    view.BindControlRelativeTo(sizeCombo, viewCheck);
    EXPECT_EQ(3, view.GetBindingCount());

    MoveTo(properties, 0, 20, 200, 30); // the group collapses
    view.ProcessControlPlacementContainer();
    EXPECT_EQ(CRect(6, 54, 126, 70), RectIn(viewCheck));
    EXPECT_EQ(CRect(0, 55, 200, 135), RectIn(viewGroup)) << "moved by as much as the check box";
    EXPECT_EQ(CRect(90, 74, 170, 94), RectIn(sizeCombo));
}

TEST_F(PlacementContainerTest, RelativeRightAndBottomFollowTheParentsSize)
{
    HWND panel = CreateRecordingWindow(10, 10, 300, 200);
    HWND slider = CreateControl(L"STATIC", 0, 270, 10, 20, 150, panel);
    HWND combo = CreateControl(L"STATIC", 0, 10, 170, 100, 20, panel);
    HWND row = CreateControl(L"STATIC", 0, 10, 140, 200, 20, panel);
    GvControlPlacementContainer layout;
    layout.BindControlRelativeBottom(combo, 0);
    layout.BindControlRelativeTo(row, combo);
    layout.BindControlRelativeRight(slider, 0);
    // The channel rows end where the value slider ends; the slider ends above the first row.
    layout.Bind(row, GV_LOCATION_RIGHT, slider, GV_LOCATION_RIGHT, 0, 0.0f, true);
    layout.Bind(slider, GV_LOCATION_BOTTOM, row, GV_LOCATION_TOP, 0, 0.0f, true);

    MoveTo(panel, 10, 10, 360, 260);
    layout.ProcessControlPlacementContainer();
    EXPECT_EQ(CRect(10, 230, 110, 250), RectIn(combo));
    EXPECT_EQ(CRect(10, 200, 350, 220), RectIn(row));
    EXPECT_EQ(CRect(330, 10, 350, 200), RectIn(slider));
}

TEST_F(PlacementContainerTest, TheParentAsReferenceUsesItsWindowRectangle)
{
    // A bordered panel: its window rectangle reaches beyond its client area
    // by the border, and f (client right - window right, on the screen)
    // brings the edge back onto the client edge.
    HWND panel = CreateRecordingWindow(10, 10, 200, 100, nullptr, WS_BORDER);
    HWND slider = CreateControl(L"STATIC", 0, 40, 10, 50, 20, panel);
    RECT client, window;
    GetClientRect(panel, &client);
    MapWindowPoints(panel, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    GetWindowRect(panel, &window);
    const int f = client.right - window.right;
    ASSERT_LT(f, 0);
    GvControlPlacementContainer small;
    small.BindControlTop(slider, 0);
    small.Bind(slider, GV_LOCATION_RIGHT, panel, GV_LOCATION_RIGHT, f, 0.0f, true);
    small.ProcessControlPlacementContainer();
    RECT inside;
    GetClientRect(panel, &inside);
    EXPECT_EQ(CRect(40, 0, inside.right, 20), RectIn(slider));
}

TEST_F(PlacementContainerTest, VisibilityAndWindowsThatAreGone)
{
    HWND a = CreateControl(L"STATIC", 0, 0, 0, 10, 10);
    HWND b = CreateControl(L"STATIC", 0, 20, 0, 10, 10);
    GvControlPlacementContainer hidden, shown;
    hidden.BindControlVisibility(a, false);
    hidden.BindControlVisibility(b, false);
    hidden.BindControlTop(b, 30);
    shown.BindControlVisibility(a, true);
    shown.BindControlVisibility(b, true);
    hidden.ProcessControlPlacementContainer();
    EXPECT_FALSE(IsWindowVisible(a) || IsWindowVisible(b));
    EXPECT_EQ(30, RectIn(b).top) << "a hidden control still moves";
    DestroyWindow(a);
    shown.ProcessControlPlacementContainer();
    EXPECT_TRUE(IsWindowVisible(b));
    shown.BindControlTop(nullptr, 3);
    shown.BindControlRightOf(b, a, 3);
    EXPECT_EQ(2, shown.GetBindingCount()) << "bindings of missing windows are not recorded";
    shown.RemoveAllBindings();
    EXPECT_EQ(0, shown.GetBindingCount());
}

} // namespace
