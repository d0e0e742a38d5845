// A change of the system's colours reaches every control through its
// top-level window (MFC's forwarding of WM_SYSCOLORCHANGE), and what the
// control kept (pictures, erase colours, default colours) is made again: a
// control standing through the change paints exactly as a fresh one made
// under the new colours, and differently from before.
#include <functional>
#include <memory>
#include <string>
#include "GvApplication.h"
#include "GvColor.h"
#include "GvNumeric.h"
#include "GvShaderEditor.h"
#include "GvTextureVariable.h"
#include "GvVariableEditors.h"
#include "GvWindowUtils.h"
#include "HostTestSupport.h"
#include "TestFrame.h"
#include "TestPixels.h"
#include "demo/HighContrastColors.h"
#include <gtest/gtest.h>

namespace {

const CRect kRect(10, 10, 210, 34);
float g_color[4] = {0.2f, 0.5f, 0.8f, 1.0f};
const GvGuid kSourceId = {1, 2, 3, {4}};

// A variable editor with the variable it shows, which outlives its window.
template <class Control, class Variable>
class CWithVariable : public Control
{
public:
    ~CWithVariable() override
    {
        if (this->m_hWnd)
            this->DestroyWindow();
    }
    Variable m_variable;
};

// The picker dialog stays with its test's pointer instead of deleting itself.
class CKeptPickerDlg : public CGvColorPickerDlg
{
protected:
    void PostNcDestroy() override {}
};

class CScrolledLabel : public CGvScrollWnd
{
public:
    CStatic m_label;
};

struct ColorRow
{
    const char* name;
    std::function<std::unique_ptr<CWnd>(CWnd& parent)> create;
    // The pop-up dialog is compared by its client area, the children with
    // their frames (the slider edit's button lies there).
    CPixels::Area area = CPixels::WholeWindow;
};

// The control once made (a reference: nothing moves before `created` is known).
template <class Control>
std::unique_ptr<CWnd> Made(std::unique_ptr<Control>&& control, bool created)
{
    if (!created)
        return nullptr;
    return std::move(control);
}

const ColorRow kRows[] = {
    {"CGvNumericEdit",
     [](CWnd& parent) {
         auto edit = std::make_unique<CGvNumericEdit>();
         const bool made = edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, kRect, &parent, 101);
         if (made)
             edit->SetData(2.5f, 3, true);
         return Made(std::move(edit), made);
     }},
    {"CGvSliderEdit",
     [](CWnd& parent) {
         auto edit = std::make_unique<CGvSliderEdit>();
         const bool made = edit->Create(0, WS_EX_CLIENTEDGE, L"", WS_CHILD | WS_VISIBLE, kRect, &parent, 102);
         if (made)
             edit->SetData(2.5f, 0.0f, 10.0f, false, 300, 3, true);
         return Made(std::move(edit), made);
     }},
    {"CGvColorWheel",
     [](CWnd& parent) {
         auto wheel = std::make_unique<CGvColorWheel>();
         wheel->m_color = g_color;
         return Made(std::move(wheel), wheel->CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE,
                                                       CRect(10, 10, 110, 110), &parent, 103));
     }},
    {"CGvColorPickerCtrl",
     [](CWnd& parent) {
         auto picker = std::make_unique<CGvColorPickerCtrl>();
         RECT area = {10, 10, 265, 310};
         return Made(std::move(picker),
                     picker->Create(parent.m_hWnd, &area, g_color, nullptr, nullptr, nullptr, false, 0, true, false));
     }},
    {"CGvColorPickerDlg",
     [](CWnd& parent) {
         auto dlg = std::make_unique<CKeptPickerDlg>();
         return Made(std::move(dlg),
                     dlg->Create(parent.m_hWnd, L"Colour", g_color, nullptr, nullptr, nullptr, false, 0));
     },
     CPixels::ClientArea},
    {"CColorButton",
     [](CWnd& parent) {
         auto button = std::make_unique<CColorButton>();
         return Made(std::move(button),
                     button->Create(L"Colour", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, kRect, &parent, 105));
     }},
    {"CColorButton with host colours",
     [](CWnd& parent) {
         auto button = std::make_unique<CColorButton>();
         const bool made = button->Create(L"Colour", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, kRect, &parent, 105);
         if (made)
             button->SetColor(RGB(255, 255, 255), RGB(40, 90, 160));
         return Made(std::move(button), made);
     }},
    {"CBCGPEditCtrl",
     [](CWnd& parent) {
         auto edit = std::make_unique<CBCGPEditCtrl>();
         const bool made = edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 310, 90), &parent, 107);
         if (made) {
             edit->SetWindowText(L"first row\nsecond row\nthird row");
             edit->SetSel(3, 15, FALSE);
         }
         return Made(std::move(edit), made);
     }},
    {"CGvScrollWnd",
     [](CWnd& parent) {
         auto scroll = std::make_unique<CScrolledLabel>();
         const bool made = scroll->CreateScrollWnd(parent.m_hWnd, CRect(10, 10, 210, 110), WS_CHILD | WS_VISIBLE, true)
                           && scroll->m_label.Create(L"label", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), &parent)
                           && scroll->AttachScrollChild(&scroll->m_label);
         return Made(std::move(scroll), made);
     }},
    {"CGvVariableEditCtrl",
     [](CWnd& parent) {
         auto edit = std::make_unique<CWithVariable<CGvVariableEditCtrl, GvMatrixVariable>>();
         return Made(std::move(edit), edit->Create(parent.m_hWnd, &edit->m_variable, true, &kSourceId) != 0);
     }},
    {"CGvTextureEditCtrl",
     [](CWnd& parent) {
         auto edit = std::make_unique<CWithVariable<CGvTextureEditCtrl, GvTextureVariable>>();
         const bool made = edit->m_variable.SetFileName(Units(SamplePath("mips_bgra.dds")), true)
                           && edit->Create(parent.m_hWnd, &edit->m_variable, &kSourceId) != 0;
         return Made(std::move(edit), made);
     }},
};

void PrintTo(const ColorRow& row, std::ostream* os)
{
    *os << row.name;
}

// How many pixels differ, and the first that does.
std::string Difference(const CPixels& a, const CPixels& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return "sizes differ";
    int count = 0;
    std::string first;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.At(x, y) != b.At(x, y) && count++ == 0)
                first = " first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return count ? std::to_string(count) + " pixels differ," + first : std::string();
}

class SystemColorsTest : public Win32WindowTest, public ::testing::WithParamInterface<ColorRow>
{
protected:
    void SetUp() override
    {
        Win32WindowTest::SetUp();
        m_frame.SetWindowPos(nullptr, 0, 0, 700, 600, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_app.SetMainWindow(m_frame.m_hWnd);
    }
    // The control's pixels with nothing pending and the focus elsewhere.
    CPixels Read(CWnd& control)
    {
        m_frame.SetFocus();
        AfxPumpPendingMessages();
        return CPixels(control.m_hWnd, GetParam().area);
    }
    static void Destroy(std::unique_ptr<CWnd>& control)
    {
        control->DestroyWindow();
        control.reset();
        AfxPumpPendingMessages();
    }

    GvApplication m_app;
};

TEST_P(SystemColorsTest, DrawsAsAFreshControlAfterTheColoursChange)
{
    std::unique_ptr<CWnd> standing = GetParam().create(m_frame);
    ASSERT_TRUE(standing);
    const CPixels before = Read(*standing);
    {
        CHighContrastColors scheme;
        const CPixels through = Read(*standing);
        Destroy(standing);
        std::unique_ptr<CWnd> fresh = GetParam().create(m_frame);
        ASSERT_TRUE(fresh);
        const CPixels made = Read(*fresh);
        EXPECT_EQ(Difference(through, made), "") << "standing through the change";
        EXPECT_NE(Difference(before, made), "") << "the scheme shows nowhere";
        standing = std::move(fresh);
    }
    EXPECT_EQ(Difference(Read(*standing), before), "") << "after the colours came back";
    Destroy(standing);
}

INSTANTIATE_TEST_SUITE_P(Controls, SystemColorsTest, ::testing::ValuesIn(kRows));

} // namespace
