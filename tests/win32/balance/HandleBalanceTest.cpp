#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "GvColor.h"
#include "GvApplication.h"
#include "GvNumeric.h"
#include "GvShaderEditor.h"
#include "GvShaderParsing.h"
#include "GvTextureVariable.h"
#include "GvVariableEditors.h"
#include "GvWindowUtils.h"
#include "HostTestSupport.h"
#include "ProcessObjects.h"
#include "TestFrame.h"
#include "TestInput.h"
#include "TestPixels.h"
#include "resources/GvMFCUtilitiesRes.h"

namespace {

// A control of the library as the balance test drives it: how to make one
// under a parent, and what its user can do beyond the typing, clicking,
// dragging, wheel turns and painting every control gets. Adding a control
// to the library adds a row to kControls. A control that is no window (a
// menu) has no create and lives one whole life in ownLife. A control made
// of a dialog is typed into through one of its edits (typedChild), as a
// user types: characters sent to the dialog itself only make the system
// look for a mnemonic through every child. A use with many states (modes,
// levels) takes one per life by g_life, so that a life stays short and
// the lives together reach every state.
struct BalancedControl
{
    const char* name;
    std::function<std::unique_ptr<CWnd>(CWnd& parent, const CRect& rect)> create;
    std::function<void(CWnd& control)> extraUse;
    std::function<void(CWnd& parent)> ownLife;
    int typedChild = 0;
};

const CRect kControlRect(20, 20, 220, 44);

// Lives of warm-up: as many as the most states a row takes in turn, so that
// each is reached once before the counts are taken.
const int kWarmUpLives = 8;

// Lives of each row after the warm-up: GV_BALANCE_LIVES (scripts/test.sh
// --full gives 1,000), else 100. A control that keeps one object a life
// shows as 100 objects either way (the self-test proves it at this count),
// and every state a row takes in turn is lived a dozen times.
int LivesPerRow()
{
    const char* text = std::getenv("GV_BALANCE_LIVES");
    const int lives = text ? std::atoi(text) : 0;
    return lives > 0 ? lives : 100;
}

// The number of the life being lived, counted from 0 by each row.
int g_life = 0;

// The notification throttles of the grid editor and the colour picker see
// 11 ticks a life: the first change of each life notifies the application
// and redraws the control at once, the later ones are dropped, whatever the
// speed of the machine.
long LifeClock()
{
    return g_life * 11L;
}

// A control on LifeClock for as long as it lives.
template <class Control>
class COnLifeClock : public Control
{
public:
    COnLifeClock() : m_previousClock(GvSetNotifyClock(&LifeClock)) {}
    ~COnLifeClock() override
    {
        if (this->m_hWnd)
            this->DestroyWindow();
        GvSetNotifyClock(m_previousClock);
    }

private:
    GvClockFunction m_previousClock;
};

std::unique_ptr<CWnd> CreateNumericEdit(CWnd& parent, const CRect& rect)
{
    auto edit = std::make_unique<CGvNumericEdit>();
    if (!edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, &parent, 101))
        return nullptr;
    edit->SetData(2.5f, 3, true);
    return edit;
}

std::unique_ptr<CWnd> CreateSliderEdit(CWnd& parent, const CRect& rect)
{
    auto edit = std::make_unique<CGvSliderEdit>();
    if (!edit->Create(0, WS_EX_CLIENTEDGE, L"", WS_CHILD | WS_VISIBLE, rect, &parent, 102))
        return nullptr;
    edit->SetData(2.5f, 0.0f, 10.0f, false, 300, 3, true);
    return edit;
}

// A scroll window showing a child larger than itself.
class CScrolledChild : public CGvScrollWnd
{
public:
    CWnd m_child;
};

std::unique_ptr<CWnd> CreateScrollWnd(CWnd& parent, const CRect& rect)
{
    auto scroll = std::make_unique<CScrolledChild>();
    if (!scroll->CreateScrollWnd(parent.GetSafeHwnd(), CRect(rect.TopLeft(), CSize(rect.Width(), 100)),
                                 WS_CHILD | WS_VISIBLE, false)
        || !scroll->m_child.CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &parent, 7)
        || !scroll->AttachScrollChild(&scroll->m_child))
        return nullptr;
    return scroll;
}

// The pop-up slider, opened by its button: its range dragged, wheeled,
// stepped by key, then swept and closed by the button's release or, every
// other life, left open for the destruction.
void UseSliderPopup(CWnd& control)
{
    const bool leaveOpen = g_life % 2 == 0;
    CRect window;
    control.GetWindowRect(&window);
    const CPoint button(window.right - 6, window.CenterPoint().y);
    control.SendMessage(WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(button.x, button.y));
    CPoint up = button;
    control.ScreenToClient(&up);
    control.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
    const HWND popup = ::GetCapture();
    ASSERT_TRUE(popup) << "no pop-up";
    ::SendMessageW(popup, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(60, 10));
    ::SendMessageW(popup, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(60, 4));
    ::SendMessageW(popup, WM_RBUTTONUP, 0, MAKELPARAM(60, 4));
    SendWheel(popup, 1, window.TopLeft());
    PostKey(popup, VK_RIGHT);
    if (!leaveOpen)
        SendDrag(popup, CPoint(30, 10), CPoint(90, 10));
}

// The colour controls edit values their owners hold.
float g_wheelColor[3] = {1.0f, 0.5f, 0.0f};
float g_sliderValue = 0.5f;
float g_pickerColor[4] = {0.2f, 0.4f, 0.6f, 1.0f};

std::unique_ptr<CWnd> CreateColorWheel(CWnd& parent, const CRect& rect)
{
    auto wheel = std::make_unique<CGvColorWheel>();
    if (!wheel->CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE,
                         CRect(rect.TopLeft(), CSize(100, 100)), &parent, 103))
        return nullptr;
    wheel->m_color = g_wheelColor;
    return wheel;
}

std::unique_ptr<CWnd> CreateColorSlider(CWnd& parent, const CRect& rect)
{
    auto slider = std::make_unique<CGvColorSlider>();
    if (!slider->Create(WS_CHILD | WS_VISIBLE | TBS_HORZ, rect, &parent, 104))
        return nullptr;
    slider->m_value = &g_sliderValue;
    return slider;
}

std::unique_ptr<CWnd> CreateColorPicker(CWnd& parent, const CRect& rect)
{
    auto picker = std::make_unique<COnLifeClock<CGvColorPickerCtrl>>();
    RECT area = {rect.left, rect.top, rect.left + 255, rect.top + 300};
    if (!picker->Create(parent.m_hWnd, &area, g_pickerColor, nullptr, nullptr, nullptr, false, 0, true, false))
        return nullptr;
    return picker;
}

// The swatch toggles to the small view and back, the colour type goes to
// HSV, the wheel is dragged.
void UsePicker(CWnd& control)
{
    const HWND swatch = ::GetDlgItem(control.m_hWnd, 2004), combo = ::GetDlgItem(control.m_hWnd, 2021);
    for (int i = 0; i < 2; ++i)
        control.SendMessage(WM_COMMAND, MAKEWPARAM(2004, BN_CLICKED), reinterpret_cast<LPARAM>(swatch));
    ::SendMessageW(combo, CB_SETCURSEL, 1, 0);
    control.SendMessage(WM_COMMAND, MAKEWPARAM(2021, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    SendDrag(::GetDlgItem(control.m_hWnd, 2020), CPoint(20, 20), CPoint(60, 40));
}

// The modeless picker dialog, with an application to register with: a value
// typed, its wheel dragged, then ended by OK, Cancel or the close box in
// turn; it deletes itself once its window is gone.
void ColorPickerDlgLife(CWnd& parent)
{
    const int end = g_life % 3;
    GvApplication app;
    float color[4] = {0.2f, 0.4f, 0.6f, 1.0f};
    DWORD packed = 0;
    auto* dlg = new CGvColorPickerDlg;
    if (!dlg->Create(parent.GetSafeHwnd(), L"Colour", color, &packed, nullptr, nullptr, false, 0)) {
        delete dlg;
        FAIL() << "no dialog";
    }
    const HWND hDlg = dlg->GetSafeHwnd();
    const HWND red = FindDescendant(hDlg, IDC_GV_RED_EDIT);
    ::SetFocus(red);
    PostChars(red, L"128");
    SendDrag(FindDescendant(hDlg, IDC_GV_COLOR_WHEEL), CPoint(20, 20), CPoint(60, 40));
    if (end == 0) {
        ::SetFocus(::GetDlgItem(hDlg, IDOK)); // OK with the focus in the picker only applies the edit
        ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    } else if (end == 1) {
        ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    } else {
        ::SendMessageW(hDlg, WM_CLOSE, 0, 0);
    }
    AfxPumpPendingMessages();
    ASSERT_FALSE(::IsWindow(hDlg)) << "still open after end " << end;
}

std::unique_ptr<CWnd> CreateColorButton(CWnd& parent, const CRect& rect)
{
    auto button = std::make_unique<CColorButton>();
    if (!button->Create(L"Colour", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, rect, &parent, 105))
        return nullptr;
    button->SetColor(RGB(255, 255, 255), RGB(40, 90, 160));
    return button;
}

// A variable editor with the host it needs: the application (whose records
// of changes and undo steps go with it) and the variable, both outliving the
// window.
template <class Control, class Variable>
class CHosted : public Control
{
public:
    ~CHosted() override
    {
        if (this->m_hWnd)
            this->DestroyWindow();
    }
    GvApplication m_app;
    Variable m_variable;
};

const GvGuid kSourceId = {1, 2, 3, {4}};

// Made with the options shown every other life, so that both ways of
// making it are lived and a toggle goes both ways.
std::unique_ptr<CWnd> CreateVariableEdit(CWnd& parent, const CRect&)
{
    auto edit = std::make_unique<CHosted<COnLifeClock<CGvVariableEditCtrl>, GvMatrixVariable>>();
    edit->m_app.SetMainWindow(parent.GetSafeHwnd());
    if (!edit->Create(parent.GetSafeHwnd(), &edit->m_variable, g_life % 2 == 0, &kSourceId))
        return nullptr;
    return edit;
}

const int kTypedCell = IDC_GV_FIRST_VALUE_CONTROL + 5;

// Four lives in turn: the typed cell left by Tab, then by Enter, each with
// a cell's slider swept; the options hidden, then shown by the setup
// button. A cell is wheeled in every life.
void UseVariableEdit(CWnd& control)
{
    CWnd* cell = CWnd::FromHandlePermanent(FindDescendant(control.GetSafeHwnd(), kTypedCell));
    ASSERT_TRUE(cell) << "no cell";
    switch (g_life % 4) {
    case 0:
        PostKey(cell->GetSafeHwnd(), VK_TAB);
        UseSliderPopup(*cell);
        break;
    case 1:
        PostKey(cell->GetSafeHwnd(), VK_RETURN);
        UseSliderPopup(*cell);
        break;
    default: ::SendDlgItemMessageW(control.GetSafeHwnd(), IDC_GV_SHOW_SETUP_CHECK, BM_CLICK, 0, 0);
    }
    CRect window;
    cell->GetWindowRect(&window);
    SendWheel(cell->GetSafeHwnd(), -1, window.CenterPoint());
    AfxPumpPendingMessages();
}

std::unique_ptr<CWnd> CreateTextureEdit(CWnd& parent, const CRect&)
{
    auto edit = std::make_unique<CHosted<CGvTextureEditCtrl, GvTextureVariable>>();
    edit->m_app.SetMainWindow(parent.GetSafeHwnd());
    if (!edit->m_variable.SetFileName(Units(SamplePath("mips_bgra.dds")), true)
        || !edit->Create(parent.GetSafeHwnd(), &edit->m_variable, &kSourceId))
        return nullptr;
    return edit;
}

// One thumbnail mode and mip level a life, in turn (the warm-up reaches
// every mode: a state the system first makes something for after it reads
// as a leak), the thumbnail dragged and painted in it.
void UseTextureEdit(CWnd& control)
{
    const HWND modes = ::GetDlgItem(control.GetSafeHwnd(), IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_COMBO);
    const HWND level = ::GetDlgItem(control.GetSafeHwnd(), IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT);
    const HWND thumbnail = static_cast<CGvTextureEditCtrl&>(control).GetThumbnailButton().GetSafeHwnd();
    const int count = static_cast<int>(::SendMessageW(modes, CB_GETCOUNT, 0, 0));
    ASSERT_LE(count, kWarmUpLives) << "the warm-up must visit every mode";
    const int mode = g_life % count;
    ::SetWindowTextW(level, std::to_wstring(g_life % 6).c_str());
    ::SendMessageW(level, WM_KILLFOCUS, 0, 0);
    ::SendMessageW(modes, CB_SETCURSEL, mode, 0);
    control.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_COMBO, CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(modes));
    SendDrag(thumbnail, CPoint(60, 50), CPoint(20, 30));
    ::RedrawWindow(thumbnail, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    AfxPumpPendingMessages();
}

// A menu of every append form, owning its icons and bitmaps, with a
// sub-menu; each item measured and drawn, plain and selected.
void IconMenuLife(CWnd&)
{
    CGvIconMenu menu;
    menu.AppendMenuItem(L"Plain", 10);
    menu.AppendMenuWithValue(L"Check", 11, GvIconMenuStateCheckBox, true);
    menu.AppendMenuWithValue(L"Radio", 12, GvIconMenuStateRadio, true);
    menu.AppendMenuWithIconHandle(L"Icon", 13, SolidIcon(RGB(0, 0, 255)), true);
    menu.AppendMenuWithBitmapHandle(L"Picture\tCtrl+P", 14, SolidBitmap(40, 32, RGB(255, 0, 0)), 40, 32, true);
    menu.AppendMenuWithBitmapAndIconHandle(L"Both\ntwo lines", 15, SolidIcon(RGB(0, 255, 0)),
                                           SolidBitmap(8, 8, RGB(0, 0, 0)), 8, 8, true, true);
    menu.AppendPopupMenu(L"Sub", ::CreatePopupMenu());
    menu.AppendPopupWithIconHandle(L"Icon sub", ::CreatePopupMenu(), SolidIcon(RGB(9, 9, 9)), true);
    CCanvas canvas(200, 80, RGB(1, 2, 3));
    for (int i = 0; i < ::GetMenuItemCount(menu.m_hMenu); ++i) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA | MIIM_ID;
        ::GetMenuItemInfoW(menu.m_hMenu, i, TRUE, &info);
        MEASUREITEMSTRUCT measure = {ODT_MENU, 0, info.wID, 0, 0, info.dwItemData};
        menu.MeasureItem(&measure);
        for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED)}) {
            const RECT item = {0, 0, static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)};
            DRAWITEMSTRUCT draw = {ODT_MENU, 0,           info.wID, ODA_DRAWENTIRE, state,
                                   nullptr,  canvas.Dc(), item,     info.dwItemData};
            menu.DrawItem(&draw);
        }
    }
}

// The code editor base with more rows than it shows, so the wheel scrolls.
std::unique_ptr<CWnd> CreateCodeEditor(CWnd& parent, const CRect& rect)
{
    auto edit = std::make_unique<CBCGPEditCtrl>();
    if (!edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(rect.TopLeft(), CSize(300, 120)), &parent, 107))
        return nullptr;
    std::wstring text;
    for (int row = 0; row < 40; ++row)
        text += L"row " + std::to_wstring(row) + L" of the text\n";
    edit->SetWindowText(text.c_str());
    return edit;
}

// A copy of the selection pasted back at the end, then undone.
void UseCodeEditor(CWnd& control)
{
    auto& edit = static_cast<CBCGPEditCtrl&>(control);
    edit.SetSel(4, 30, FALSE);
    edit.Copy();
    edit.SetCaret(edit.GetTextLength());
    edit.Paste();
    edit.OnUndo();
}

// The shader editor with the keywords of a parser, loaded from a keyword
// file each life as a host does; the parser goes with the editor.
class CKeywordEditor : public GvMFCShaderEditorTextCtrl
{
public:
    GvMFCShaderHLSLParser m_parser;
};

const wchar_t kShaderText[] = L"float4 main(float2 uv : TEXCOORD0) : COLOR\n{\n    // tint\n"
                              L"    return tex2D(s, uv) * 0.5;\n}\n";

std::unique_ptr<CWnd> CreateShaderEditor(CWnd& parent, const CRect& rect)
{
    auto edit = std::make_unique<CKeywordEditor>();
    GvMFCShaderKeywordLoader loader;
    std::u16string path;
    for (const char* p = GV_DATA_DIR "/keywords/hlsl.kwd"; *p; ++p)
        path += static_cast<char16_t>(*p);
    if (!loader.Load(Units(path), &edit->m_parser)
        || !edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(rect.TopLeft(), CSize(300, 120)), &parent, 106))
        return nullptr;
    edit->LoadKeywords(&edit->m_parser);
    edit->SetWindowText(kShaderText);
    return edit;
}

// A highlighted line, Backspace over a selection, its undo, a jump to a line.
void UseShaderEditor(CWnd& control)
{
    auto& edit = static_cast<GvMFCShaderEditorTextCtrl&>(control);
    edit.HighlightLine(2);
    edit.SetSel(8, 20, FALSE);
    PostKey(edit.GetSafeHwnd(), VK_BACK);
    edit.SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    edit.GotoLine(3);
}

const BalancedControl kControls[] = {
    {"CGvNumericEdit", CreateNumericEdit, nullptr, nullptr},
    {"CGvSliderEdit", CreateSliderEdit, UseSliderPopup, nullptr},
    {"CGvScrollWnd", CreateScrollWnd, nullptr, nullptr},
    {"CGvVariableEditCtrl", CreateVariableEdit, UseVariableEdit, nullptr, kTypedCell},
    {"CGvTextureEditCtrl", CreateTextureEdit, UseTextureEdit, nullptr, IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT},
    {"CGvIconMenu", nullptr, nullptr, IconMenuLife},
    {"CGvColorWheel", CreateColorWheel, nullptr, nullptr},
    {"CGvColorSlider", CreateColorSlider, nullptr, nullptr},
    {"CGvColorPickerCtrl", CreateColorPicker, UsePicker, nullptr},
    {"CGvColorPickerDlg", nullptr, nullptr, ColorPickerDlgLife},
    {"CColorButton", CreateColorButton, nullptr, nullptr},
    {"CBCGPEditCtrl", CreateCodeEditor, UseCodeEditor, nullptr},
    {"GvMFCShaderEditorTextCtrl", CreateShaderEditor, UseShaderEditor, nullptr},
};

void PrintTo(const BalancedControl& control, std::ostream* os)
{
    *os << control.name;
}

// One life of a control: made, typed into, clicked, dragged across, wheeled,
// painted (what the life left to paint on the screen, and the client
// printed into a bitmap) and destroyed. Every control paints on the screen
// in each life: once made, at the first messages handled.
void Cycle(CWnd& parent, const BalancedControl& entry)
{
    if (entry.ownLife) {
        entry.ownLife(parent);
        return;
    }
    std::unique_ptr<CWnd> control = entry.create(parent, kControlRect);
    ASSERT_TRUE(control) << entry.name;
    const HWND hWnd = control->GetSafeHwnd();
    const HWND typed = entry.typedChild ? FindDescendant(hWnd, entry.typedChild) : hWnd;
    ASSERT_TRUE(typed) << entry.name << ": no child " << entry.typedChild;
    ::SetFocus(typed);
    PostChars(typed, L"-12.5e");
    PostKeys(typed, {VK_HOME, VK_DELETE});
    CRect client;
    control->GetClientRect(&client);
    SendClick(hWnd, client.CenterPoint());
    SendDrag(hWnd, CPoint(client.left + 2, client.CenterPoint().y), CPoint(client.right - 2, client.CenterPoint().y));
    CPoint center = client.CenterPoint();
    control->ClientToScreen(&center);
    SendWheel(hWnd, 1, center);
    if (entry.extraUse)
        entry.extraUse(*control);
    control->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    CCanvas canvas(client.Width(), client.Height(), RGB(1, 2, 3));
    control->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT | PRF_ERASEBKGND);
    control.reset();
    AfxPumpPendingMessages();
}

struct Balance
{
    ProcessObjects objects;
    size_t buffers;
    size_t bytes;

    static Balance Now() { return {ProcessObjects::Count(), GvGetLiveBufferCount(), GvGetLiveBufferBytes()}; }
    // Objects and buffers, all kinds together.
    long Total() const { return objects.GdiTotal() + objects.UserTotal() + static_cast<long>(buffers); }
};

// The counts before and after `lives` lives of the control, taken after a
// warm-up that fills the caches the system keeps.
std::pair<Balance, Balance> Live(CWnd& parent, const BalancedControl& entry, int lives)
{
    for (g_life = 0; g_life < kWarmUpLives; ++g_life)
        Cycle(parent, entry);
    const Balance before = Balance::Now();
    for (g_life = 0; g_life < lives && !::testing::Test::HasFatalFailure(); ++g_life)
        Cycle(parent, entry);
    return {before, Balance::Now()};
}

// Whether `lives` lives of the control leave every count where it was.
::testing::AssertionResult Balanced(CWnd& parent, const BalancedControl& entry, int lives)
{
    const auto [before, after] = Live(parent, entry, lives);
    if (before.objects == after.objects && before.buffers == after.buffers && before.bytes == after.bytes)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << entry.name << " after " << lives << " lives:\n  before " << before.objects
                                         << ", buffers " << before.buffers << " (" << before.bytes
                                         << " bytes)\n  after  " << after.objects << ", buffers " << after.buffers
                                         << " (" << after.bytes << " bytes)";
}

class HandleBalanceTest : public Win32WindowTest, public ::testing::WithParamInterface<BalancedControl>
{};

TEST_P(HandleBalanceTest, EveryLifeGivesBackEveryObject)
{
    EXPECT_TRUE(Balanced(m_frame, GetParam(), LivesPerRow()));
}

INSTANTIATE_TEST_SUITE_P(Controls, HandleBalanceTest, ::testing::ValuesIn(kControls),
                         [](const ::testing::TestParamInfo<BalancedControl>& info) { return info.param.name; });

using HandleBalanceSelfTest = Win32WindowTest;

// A window that keeps a pen each time it paints.
class CPaintLeak : public CWnd
{
public:
    explicit CPaintLeak(std::vector<HGDIOBJ>& pens) : m_pens(pens) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAINT)
            m_pens.push_back(::CreatePen(PS_SOLID, 1, 0));
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    std::vector<HGDIOBJ>& m_pens;
};

// The lives of a row notice a control that keeps a menu, a window or a
// buffer when used, or a pen when it paints (every life paints every
// control): at the count the rows live, each life's object shows.
TEST_F(HandleBalanceSelfTest, AControlThatLeaksOneObjectALifeShowsThemAll)
{
    const int lives = LivesPerRow();
    // How a leak is made by a control and freed at the end.
    const std::pair<std::function<HANDLE(CWnd&)>, std::function<void(HANDLE)>> leaks[] = {
        {[](CWnd&) { return ::CreatePopupMenu(); }, [](HANDLE h) { ::DestroyMenu(static_cast<HMENU>(h)); }},
        {[](CWnd& c) { return CreatePlainWindow(c.GetParent()->GetSafeHwnd(), CRect(0, 0, 2, 2), WS_CHILD); },
         [](HANDLE h) { ::DestroyWindow(static_cast<HWND>(h)); }},
        {[](CWnd&) { return GvAllocateBuffer(8); }, [](HANDLE h) { GvDeallocateBuffer(h); }},
    };
    for (const auto& [make, release] : leaks) {
        std::vector<HANDLE> kept;
        const BalancedControl leaking = {"leaking", CreateNumericEdit,
                                         [&, &make = make](CWnd& control) { kept.push_back(make(control)); }, nullptr};
        const auto [before, after] = Live(m_frame, leaking, lives);
        EXPECT_EQ(lives, after.Total() - before.Total());
        for (HANDLE h : kept)
            release(h);
    }
    std::vector<HGDIOBJ> pens;
    const BalancedControl paintLeak = {
        "paint leak",
        [&](CWnd& parent, const CRect& rect) -> std::unique_ptr<CWnd> {
            auto window = std::make_unique<CPaintLeak>(pens);
            if (!window->CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, rect, &parent, 106))
                return nullptr;
            return window;
        },
        nullptr, nullptr};
    const auto [before, after] = Live(m_frame, paintLeak, lives);
    EXPECT_LE(lives, after.Total() - before.Total()); // a life may paint more than once
    for (HGDIOBJ pen : pens)
        ::DeleteObject(pen);
}

} // namespace
