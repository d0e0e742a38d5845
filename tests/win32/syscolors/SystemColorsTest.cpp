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

// A row whose control is made and set up by make (false: not made).
template <class Control, class Make>
ColorRow Row(const char* name, Make make, CPixels::Area area = CPixels::WholeWindow)
{
    return {name,
            [make](CWnd& parent) {
                auto control = std::make_unique<Control>();
                return make(*control, parent) ? std::unique_ptr<CWnd>(std::move(control)) : nullptr;
            },
            area};
}

const ColorRow kRows[] = {
    Row<CGvNumericEdit>("CGvNumericEdit",
                        [](auto& edit, CWnd& parent) {
                            if (!edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, kRect, &parent, 101))
                                return false;
                            edit.SetData(2.5f, 3, true);
                            return true;
                        }),
    Row<CGvSliderEdit>("CGvSliderEdit",
                       [](auto& edit, CWnd& parent) {
                           if (!edit.Create(0, WS_EX_CLIENTEDGE, L"", WS_CHILD | WS_VISIBLE, kRect, &parent, 102))
                               return false;
                           edit.SetData(2.5f, 0.0f, 10.0f, false, 300, 3, true);
                           return true;
                       }),
    Row<CGvColorWheel>("CGvColorWheel",
                       [](auto& wheel, CWnd& parent) {
                           wheel.m_color = g_color;
                           return wheel.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE,
                                                 CRect(10, 10, 110, 110), &parent, 103);
                       }),
    Row<CGvColorPickerCtrl>("CGvColorPickerCtrl",
                            [](auto& picker, CWnd& parent) {
                                RECT area = {10, 10, 265, 310};
                                return picker.Create(parent.m_hWnd, &area, g_color, nullptr, nullptr, nullptr, false, 0,
                                                     true, false);
                            }),
    Row<CKeptPickerDlg>(
        "CGvColorPickerDlg",
        [](auto& dlg, CWnd& parent) {
            return dlg.Create(parent.m_hWnd, L"Colour", g_color, nullptr, nullptr, nullptr, false, 0);
        },
        CPixels::ClientArea),
    Row<CColorButton>("CColorButton",
                      [](auto& button, CWnd& parent) {
                          return button.Create(L"Colour", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, kRect, &parent, 105);
                      }),
    Row<CColorButton>("CColorButton with host colours",
                      [](auto& button, CWnd& parent) {
                          if (!button.Create(L"Colour", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, kRect, &parent, 105))
                              return false;
                          button.SetColor(RGB(255, 255, 255), RGB(40, 90, 160));
                          return true;
                      }),
    Row<CBCGPEditCtrl>("CBCGPEditCtrl",
                       [](auto& edit, CWnd& parent) {
                           if (!edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 310, 90), &parent, 107))
                               return false;
                           edit.SetWindowText(L"first row\nsecond row\nthird row");
                           edit.SetSel(3, 15, FALSE);
                           return true;
                       }),
    Row<CScrolledLabel>(
        "CGvScrollWnd",
        [](auto& scroll, CWnd& parent) {
            return scroll.CreateScrollWnd(parent.m_hWnd, CRect(10, 10, 210, 110), WS_CHILD | WS_VISIBLE, true)
                   && scroll.m_label.Create(L"label", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), &parent)
                   && scroll.AttachScrollChild(&scroll.m_label);
        }),
    Row<CWithVariable<CGvVariableEditCtrl, GvMatrixVariable>>(
        "CGvVariableEditCtrl",
        [](auto& edit, CWnd& parent) { return edit.Create(parent.m_hWnd, &edit.m_variable, true, &kSourceId) != 0; }),
    Row<CWithVariable<CGvTextureEditCtrl, GvTextureVariable>>(
        "CGvTextureEditCtrl",
        [](auto& edit, CWnd& parent) {
            return edit.m_variable.SetFileName(Units(SamplePath("mips_bgra.dds")), true)
                   && edit.Create(parent.m_hWnd, &edit.m_variable, &kSourceId) != 0;
        }),
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
