#include "ColorTest.h"

#include <algorithm>

#include "resources/GvMFCUtilitiesRes.h"

namespace {

int s_deleted = 0;

class CCountedDlg : public CGvColorPickerDlg
{
public:
    ~CCountedDlg() override { ++s_deleted; }
    HWND Picker() const { return m_picker.m_hWnd; }
};

class ColorPickerDlgTest : public ColorTest
{
protected:
    void SetUp() override
    {
        ColorTest::SetUp();
        s_deleted = 0;
    }
    void TearDown() override
    {
        if (m_dlg && ::IsWindow(m_hDlg))
            ::DestroyWindow(m_hDlg);
        ColorTest::TearDown();
    }
    void Open(HWND owner)
    {
        m_dlg = new CCountedDlg;
        ASSERT_TRUE(m_dlg->Create(owner, L"Test colour", m_color, &m_packed, &m_node, nullptr, false, 0));
        m_hDlg = m_dlg->m_hWnd;
        m_hPicker = m_dlg->Picker();
        AfxPumpPendingMessages();
        Forget();
    }
    HWND Item(int id) const { return ::GetDlgItem(m_hPicker, id); }
    void DragWheel() { SendDrag(Item(IDC_GV_COLOR_WHEEL), CPoint(20, 20), CPoint(30, 25), 1); }
    void ExpectGoneOnce()
    {
        AfxPumpPendingMessages();
        EXPECT_FALSE(::IsWindow(m_hDlg));
        EXPECT_EQ(1, s_deleted);
        EXPECT_FALSE(m_app.IsModelessWindowRegistered(m_hDlg));
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
    Open(m_frame.m_hWnd);
    EXPECT_EQ(L"Test colour", WindowText(m_hDlg));
    EXPECT_TRUE(m_app.IsModelessWindowRegistered(m_hDlg));
    CRect client;
    ::GetClientRect(m_hDlg, &client);
    const CRect picker = RectIn(m_hPicker), ok = RectIn(::GetDlgItem(m_hDlg, IDOK));
    const CRect cancel = RectIn(::GetDlgItem(m_hDlg, IDCANCEL));
    EXPECT_EQ(CRect(0, 0, client.right, client.bottom - ok.Height() - 4), picker);
    EXPECT_EQ(client.bottom, ok.bottom);
    EXPECT_EQ(client.right / 2 - 2, ok.right);
    EXPECT_EQ(client.right / 2 + 2, cancel.left);
    // The picker wrote its colour into both outputs once while opening.
    EXPECT_EQ(0xFF996633u, m_packed);

    // A swatch click is fitted back into the dialog.
    ::SendMessageW(m_hPicker, WM_COMMAND, MAKEWPARAM(IDC_GV_COLOR_BUTTON, BN_CLICKED),
                   reinterpret_cast<LPARAM>(Item(IDC_GV_COLOR_BUTTON)));
    EXPECT_EQ(picker, RectIn(m_hPicker));
    EXPECT_FALSE(::IsWindowVisible(Item(IDC_GV_COLOR_WHEEL)));
}

TEST_F(ColorPickerDlgTest, EnterInAnEditAppliesTheTypedValueAndStaysOpenWithoutOwnerNothingIsSent)
{
    Open(m_frame.m_hWnd);
    const HWND red = Item(IDC_GV_RED_EDIT);
    ASSERT_EQ(red, ::GetFocus());
    ::SetWindowTextW(red, L"255");
    ::PostMessageW(red, WM_KEYDOWN, VK_RETURN, 0);
    AfxPumpPendingMessages();
    EXPECT_EQ(1.0f, m_color[0]);
    EXPECT_TRUE(::IsWindow(m_hDlg));
    EXPECT_EQ(red, ::GetFocus());
    ::DestroyWindow(m_hDlg);
    ExpectGoneOnce();

    // Without an owner an outside colour still reaches the picker; nothing is sent.
    s_deleted = 0;
    Open(nullptr);
    const float outside[4] = {0.0f, 1.0f, 0.0f, 1.0f};
    EXPECT_EQ(1, ::SendMessageW(m_hDlg, GVM_COLOR_CHANGED, 0, reinterpret_cast<LPARAM>(outside)));
    EXPECT_EQ(1.0f, m_color[1]);
    EXPECT_EQ(0xFF00FF00u, m_packed);
    DragWheel();
    EXPECT_NE(0xFF00FF00u, m_packed); // the outputs still follow
    EXPECT_TRUE(Heard().empty());
    ::SendMessageW(m_hDlg, WM_CLOSE, 0, 0);
    ExpectGoneOnce();
}

// After a wheel drag: OK and the close box apply a green of 0 still being
// typed and keep the colour, Cancel restores both outputs and tells the owner
// once; each way the dialog deletes itself once its window is gone.
TEST_F(ColorPickerDlgTest, EachWayOfClosingKeepsOrRestoresTheColourAndDeletesOnce)
{
    const int EnterOnOk = 0, CloseBox = 1, CancelButton = 2;
    for (int way : {EnterOnOk, CloseBox, CancelButton}) {
        SCOPED_TRACE(way);
        s_deleted = 0;
        Open(m_frame.m_hWnd);
        const float opened[4] = {m_color[0], m_color[1], m_color[2], m_color[3]};
        const DWORD openedPacked = m_packed;
        DragWheel();
        EXPECT_NE(openedPacked, m_packed);
        EXPECT_GT(HeardCount(GVM_COLOR_CHANGED), 0);
        for (const SpiedMessage& note : m_spy->Of(GVM_COLOR_CHANGED))
            EXPECT_EQ(reinterpret_cast<WPARAM>(m_hDlg), note.wParam); // always from the dialog's window
        if (way != CancelButton) {
            const HWND green = Item(IDC_GV_GREEN_EDIT);
            ::SetFocus(green);
            ::SetWindowTextW(green, L"0");
        }
        Forget();

        if (way == EnterOnOk) {
            const HWND ok = ::GetDlgItem(m_hDlg, IDOK);
            ::SetFocus(ok); // commits the typed green
            ::PostMessageW(ok, WM_KEYDOWN, VK_RETURN, 0);
            AfxPumpPendingMessages();
        } else {
            ::SendMessageW(m_hDlg, way == CloseBox ? WM_CLOSE : WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
        if (way == CancelButton) {
            EXPECT_TRUE(std::equal(opened, opened + 4, m_color));
            EXPECT_EQ(openedPacked, m_packed);
            ASSERT_EQ(1, HeardCount(GVM_COLOR_CHANGED));
            EXPECT_EQ(reinterpret_cast<WPARAM>(m_hDlg), m_spy->Of(GVM_COLOR_CHANGED)[0].wParam);
            EXPECT_EQ(0, m_spy->Of(GVM_COLOR_CHANGED)[0].lParam);
        } else {
            EXPECT_EQ(0.0f, m_color[1]); // the typed value, applied and kept
            EXPECT_EQ(0u, m_packed >> 8 & 0xFF);
        }
        ExpectGoneOnce();
        std::copy(opened, opened + 4, m_color);
        m_packed = 0x11223344;
    }
}

} // namespace
