#include "ColorTestWindows.h"

#include "resources/GvMFCUtilitiesRes.h"

namespace {

int s_deleted = 0;

class CCountedDlg : public CGvColorPickerDlg
{
public:
    ~CCountedDlg() override { ++s_deleted; }
    HWND Picker() const { return m_picker.m_hWnd; }
};

class ColorPickerDlgTest : public ColorWindowTest
{
protected:
    void SetUp() override
    {
        ColorWindowTest::SetUp();
        s_deleted = 0;
    }
    void TearDown() override
    {
        if (m_dlg && ::IsWindow(m_hDlg))
            ::DestroyWindow(m_hDlg);
        ColorWindowTest::TearDown();
    }
    void Open(HWND owner)
    {
        m_dlg = new CCountedDlg;
        ASSERT_TRUE(m_dlg->Create(owner, L"Test colour", m_color, &m_packed, &m_node, nullptr, false, 0));
        m_hDlg = m_dlg->m_hWnd;
        m_hPicker = m_dlg->Picker();
        AfxPumpPendingMessages();
        m_parent.m_notes.clear();
    }
    HWND Item(int id) const { return ::GetDlgItem(m_hPicker, id); }
    void DragWheel()
    {
        const HWND wheel = Item(IDC_GV_COLOR_WHEEL);
        ::SendMessageW(wheel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
        ::SendMessageW(wheel, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 25));
        ::SendMessageW(wheel, WM_LBUTTONUP, 0, MAKELPARAM(30, 25));
    }
    void ExpectGoneOnce()
    {
        AfxPumpPendingMessages();
        EXPECT_FALSE(::IsWindow(m_hDlg));
        EXPECT_EQ(1, s_deleted);
        m_dlg = nullptr;
    }

    GvVectorVariable m_node;
    float m_color[4] = {0.2f, 0.4f, 0.6f, 1.0f};
    DWORD m_packed = 0x11223344;
    CCountedDlg* m_dlg = nullptr;
    HWND m_hDlg = nullptr, m_hPicker = nullptr;
};

TEST_F(ColorPickerDlgTest, OpensAroundThePickerWithTheButtonsBelow)
{
    Open(m_parent.m_hWnd);
    wchar_t title[64];
    ::GetWindowTextW(m_hDlg, title, 64);
    EXPECT_STREQ(L"Test colour", title);
    EXPECT_TRUE(m_app.IsModelessWindowRegistered(m_hDlg));
    CRect client, picker, ok, cancel;
    ::GetClientRect(m_hDlg, &client);
    ::GetWindowRect(m_hPicker, &picker);
    ::GetWindowRect(::GetDlgItem(m_hDlg, IDOK), &ok);
    ::GetWindowRect(::GetDlgItem(m_hDlg, IDCANCEL), &cancel);
    ::MapWindowPoints(nullptr, m_hDlg, reinterpret_cast<POINT*>(&picker), 2);
    ::MapWindowPoints(nullptr, m_hDlg, reinterpret_cast<POINT*>(&ok), 2);
    ::MapWindowPoints(nullptr, m_hDlg, reinterpret_cast<POINT*>(&cancel), 2);
    EXPECT_EQ(CRect(0, 0, client.right, client.bottom - ok.Height() - 4), picker);
    EXPECT_EQ(client.bottom, ok.bottom);
    EXPECT_EQ(client.right / 2 - 2, ok.right);
    EXPECT_EQ(client.right / 2 + 2, cancel.left);
    // The picker wrote its colour into both outputs once while opening.
    EXPECT_EQ(0xFF99FF66u & 0xFF000000u, m_packed & 0xFF000000u);
}

TEST_F(ColorPickerDlgTest, CancelAfterADragRestoresBothOutputsTellsTheOwnerOnceAndDeletesItself)
{
    Open(m_parent.m_hWnd);
    const DWORD openedPacked = m_packed;
    DragWheel();
    EXPECT_NE(openedPacked, m_packed);
    EXPECT_GT(m_parent.Count(GVM_COLOR_CHANGED), 0);
    for (const auto& note : m_parent.m_notes)
        EXPECT_EQ(reinterpret_cast<WPARAM>(m_hDlg), note.wParam); // always from the dialog's window
    m_parent.m_notes.clear();

    ::SendMessageW(m_hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(0.2f, m_color[0]);
    EXPECT_EQ(0.6f, m_color[2]);
    EXPECT_EQ(openedPacked, m_packed);
    ASSERT_EQ(1, m_parent.Count(GVM_COLOR_CHANGED));
    EXPECT_EQ(reinterpret_cast<WPARAM>(m_hDlg), m_parent.m_notes[0].wParam);
    EXPECT_FALSE(m_app.IsModelessWindowRegistered(m_hDlg));
    ExpectGoneOnce();
}

TEST_F(ColorPickerDlgTest, EnterAppliesTypedTextAndStaysOpenEnterOnOkCloses)
{
    Open(m_parent.m_hWnd);
    const HWND red = Item(IDC_GV_RED_EDIT);
    ASSERT_EQ(red, ::GetFocus());
    ::SetWindowTextW(red, L"255");
    ::PostMessageW(red, WM_KEYDOWN, VK_RETURN, 0);
    AfxPumpPendingMessages();
    EXPECT_EQ(1.0f, m_color[0]);
    EXPECT_TRUE(::IsWindow(m_hDlg));
    EXPECT_EQ(red, ::GetFocus());

    ::SetFocus(::GetDlgItem(m_hDlg, IDOK));
    ::PostMessageW(::GetDlgItem(m_hDlg, IDOK), WM_KEYDOWN, VK_RETURN, 0);
    AfxPumpPendingMessages();
    EXPECT_EQ(1.0f, m_color[0]); // kept, not restored
    ExpectGoneOnce();
}

TEST_F(ColorPickerDlgTest, CloseBoxAppliesTypedTextAndKeepsIt)
{
    Open(m_parent.m_hWnd);
    ::SetWindowTextW(Item(IDC_GV_GREEN_EDIT), L"0");
    ::SetFocus(Item(IDC_GV_GREEN_EDIT));
    ::SetWindowTextW(Item(IDC_GV_GREEN_EDIT), L"0");
    ::SendMessageW(m_hDlg, WM_CLOSE, 0, 0);
    EXPECT_EQ(0.0f, m_color[1]);
    EXPECT_EQ(0u, m_packed >> 8 & 0xFF);
    ExpectGoneOnce();
}

TEST_F(ColorPickerDlgTest, ForwardsAnOutsideColourToThePickerAndWithoutOwnerSendsNothing)
{
    Open(nullptr);
    const float outside[4] = {0.0f, 1.0f, 0.0f, 1.0f};
    EXPECT_EQ(1, ::SendMessageW(m_hDlg, GVM_COLOR_CHANGED, 0, reinterpret_cast<LPARAM>(outside)));
    EXPECT_EQ(1.0f, m_color[1]);
    EXPECT_EQ(0xFF00FF00u, m_packed);
    DragWheel();
    EXPECT_NE(0xFF00FF00u, m_packed); // the outputs still follow
    EXPECT_TRUE(m_parent.m_notes.empty());
    ::SendMessageW(m_hDlg, WM_CLOSE, 0, 0);
    ExpectGoneOnce();
}

TEST_F(ColorPickerDlgTest, SwatchClickIsFittedBackIntoTheDialog)
{
    Open(m_parent.m_hWnd);
    CRect before;
    ::GetWindowRect(m_hPicker, &before);
    ::SendMessageW(m_hPicker, WM_COMMAND, MAKEWPARAM(IDC_GV_COLOR_BUTTON, BN_CLICKED),
                   reinterpret_cast<LPARAM>(Item(IDC_GV_COLOR_BUTTON)));
    CRect after;
    ::GetWindowRect(m_hPicker, &after);
    EXPECT_EQ(before, after);
    EXPECT_FALSE(::IsWindowVisible(Item(IDC_GV_COLOR_WHEEL)));
    ::DestroyWindow(m_hDlg);
    ExpectGoneOnce();
}

} // namespace
