#include "GvApplication.h"
#include "HostWindowTest.h"

namespace {

class ApplicationWindowsTest : public HostWindowTest
{
protected:
    void SetUp() override
    {
        HostWindowTest::SetUp();
        ACCEL f5 = {FVIRTKEY, VK_F5, 101}, f6 = {FVIRTKEY, VK_F6, 102};
        m_appTable = CreateAcceleratorTableW(&f5, 1);
        m_editorTable = CreateAcceleratorTableW(&f6, 1);
    }
    void TearDown() override
    {
        DestroyAcceleratorTable(m_appTable);
        DestroyAcceleratorTable(m_editorTable);
        HostWindowTest::TearDown();
    }

    static MSG Key(HWND window, WPARAM key) { return MSG{window, WM_KEYDOWN, key, 0, 0, {0, 0}}; }

    HACCEL m_appTable = nullptr, m_editorTable = nullptr;
};

TEST_F(ApplicationWindowsTest, TheTableOfTheNearestRegisteredAncestor)
{
    GvApplication app;
    HWND editor = CreateRecordingWindow(0, 0, 200, 100);
    HWND inner = CreateRecordingWindow(0, 0, 50, 50, editor);
    HWND other = CreateRecordingWindow(0, 120, 50, 50);
    app.SetAcceleratorTable(m_appTable);
    app.SetWindowAcceleratorTable(editor, m_editorTable);
    MSG message = Key(inner, VK_F6);
    EXPECT_EQ(m_editorTable, app.GetAcceleratorTable(&message));
    message.hwnd = other;
    EXPECT_EQ(m_appTable, app.GetAcceleratorTable(&message));
    app.SetWindowAcceleratorTable(editor, nullptr);
    message.hwnd = inner;
    EXPECT_EQ(m_appTable, app.GetAcceleratorTable(&message));
}

TEST_F(ApplicationWindowsTest, PreTranslateSendsAcceleratorCommandsToTheMainWindow)
{
    GvApplication app;
    app.SetMainWindow(m_top);
    app.SetAcceleratorTable(m_appTable);
    HWND child = CreateRecordingWindow(0, 0, 50, 50);
    MSG f5 = Key(child, VK_F5);
    EXPECT_TRUE(app.PreTranslateMessage(&f5));
    ASSERT_EQ(1u, Spy(m_top).Of(WM_COMMAND).size());
    EXPECT_EQ(101, LOWORD(Spy(m_top).Of(WM_COMMAND)[0].wParam));
    MSG other = Key(child, 'Q');
    EXPECT_FALSE(app.PreTranslateMessage(&other));
    EXPECT_FALSE(app.PreTranslateMessage(nullptr));
}

TEST_F(ApplicationWindowsTest, RegisteredModelessWindowsGetTheDialogKeys)
{
    GvApplication app;
    HWND dialog = CreateRecordingWindow(0, 0, 200, 100, nullptr, WS_TABSTOP);
    HWND first = CreateControl(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 5, 5, 60, 20, dialog, 1);
    HWND second = CreateControl(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 5, 30, 60, 20, dialog, 2);
    SetFocus(first);
    ASSERT_EQ(first, GetFocus());
    MSG tab = Key(first, VK_TAB);
    EXPECT_FALSE(app.PreTranslateMessage(&tab)) << "not registered yet";
    app.RegisterModelessWindow(dialog, 1, 0, 0, 0, 0);
    EXPECT_TRUE(app.PreTranslateMessage(&tab));
    EXPECT_EQ(second, GetFocus());
    app.UnregisterModelessWindow(dialog);
    EXPECT_FALSE(app.PreTranslateMessage(&tab));
}

TEST_F(ApplicationWindowsTest, TheSystemIconStandsInForAMissingOne)
{
    GvApplication app;
    EXPECT_TRUE(app.GetAppIcon(11, 0));
    EXPECT_TRUE(app.GetAppIcon(11, 1));
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(app.GetAppIcon(11, 1), &info));
    BITMAP mask = {};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), mask.bmWidth);
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
}

} // namespace
