#include <gtest/gtest.h>
#include <cmath>
#include <memory>
#include <string>
#include <tuple>
#include <vector>
#include "GvApplication.h"
#include "GvFakeClock.h"
#include "GvVariableEditors.h"
#define GV_RESIZE_RECORDER_MAP
#include "ResizeRecorder.h"
#include "TestFrame.h"
#include "TestInput.h"
#include "resources/GvMFCUtilitiesRes.h"

namespace {

class VariableEditCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateFrame());
        m_frame.SetWindowPos(nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void TearDown() override
    {
        m_controls.clear();
        m_frame.DestroyWindow();
        AfxPumpPendingMessages();
        EXPECT_EQ(0u, AfxGetTemporaryObjectCount());
    }
    CGvVariableEditCtrl* Make(GvVariable* pVariable, int orientation = -1, bool showSetup = true)
    {
        m_controls.emplace_back(new CGvVariableEditCtrl);
        CGvVariableEditCtrl* p = m_controls.back().get();
        const int created =
            orientation < 0
                ? p->Create(m_frame.m_hWnd, pVariable, showSetup, &m_source)
                : p->Create(m_frame.m_hWnd, pVariable,
                            static_cast<CGvVariableEditCtrl::SetupOrientationType>(orientation), showSetup, &m_source);
        EXPECT_TRUE(created);
        return p;
    }
    static HWND Item(CGvVariableEditCtrl* p, int id) { return FindDescendant(p->m_hWnd, id); }
    static CGvSliderEdit* Cell(CGvVariableEditCtrl* p, int index)
    {
        return dynamic_cast<CGvSliderEdit*>(CWnd::FromHandlePermanent(Item(p, 0x8000 + index)));
    }
    // The value of a grid cell; NaN when it has no slider edit.
    static float Value(CGvVariableEditCtrl* p, int index)
    {
        CGvSliderEdit* pEdit = Cell(p, index);
        return pEdit ? pEdit->GetNumericValue() : std::nanf("");
    }
    // The labels (or check box titles) of the grid in creation order.
    static std::vector<std::wstring> Labels(CGvVariableEditCtrl* p)
    {
        std::vector<std::wstring> labels;
        HWND hGrid = Item(p, IDC_GV_VARIABLE_SCROLL_CHILD);
        for (HWND h = ::GetWindow(hGrid, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
            wchar_t className[16] = {};
            ::GetClassNameW(h, className, 16);
            if (::GetDlgCtrlID(h) == -1 || std::wstring(className) == L"Button")
                labels.push_back(WindowText(h).GetString());
        }
        return labels;
    }
    static int CellCount(CGvVariableEditCtrl* p)
    {
        int n = 0;
        while (Item(p, 0x8000 + n))
            ++n;
        return n;
    }
    // The range and clamp setting a grid cell's slider edit got.
    static std::tuple<float, float, bool> Range(CGvVariableEditCtrl* p, int index)
    {
        float min = 0, max = 0;
        bool clamp = false;
        Cell(p, index)->GetSliderRange(min, max, clamp);
        return {min, max, clamp};
    }
    static bool Visible(CGvVariableEditCtrl* p, int id) { return ::IsWindowVisible(Item(p, id)) != FALSE; }
    // Types text into an edit and takes the focus away, as leaving it does.
    static void Type(HWND hEdit, const wchar_t* text)
    {
        ::SetWindowTextW(hEdit, text);
        ::SendMessageW(hEdit, WM_KILLFOCUS, 0, 0);
    }
    int Changes(int kind) const
    {
        int n = 0;
        const GvLinkedList<GvNodeChangeRecord>& changes = m_app.GetNodeChanges();
        for (auto it = changes.Begin(); it != changes.End(); ++it)
            n += it->m_kind == kind && it->m_sourceId == &m_source;
        return n;
    }

    CResizeRecorder m_frame;
    GvApplication m_app;
    GvGuid m_source = {1, 2, 3, {4}};
    std::vector<std::unique_ptr<CGvVariableEditCtrl>> m_controls;
    GvFakeClock m_clock;
};

TEST_F(VariableEditCtrlTest, CellsLabelsAndOptionsPerKindOptionsLayoutPerOrientationAndToggle)
{
    GvFloatVariable floatVar(0.5f);
    GvIntegerVariable intVar(7);
    GvBooleanVariable boolVar(true);
    GvVectorVariable vectorVar(1, 2, 3, 4);
    GvMatrixVariable matrixVar;
    GvDynamicVariable dynamicVar(GvDynamicVariable::DYNAMIC_FLOAT, 2, 3, false);
    GvDynamicVariable longVar(GvDynamicVariable::DYNAMIC_INTEGER, 6, 1, true);
    GvDynamicVariable boolGrid(GvDynamicVariable::DYNAMIC_BOOLEAN, 1, 2, true);
    struct Case
    {
        GvVariable* variable;
        int orientation;
        std::vector<std::wstring> labels;
        bool setup, clamp, rows;
        const wchar_t* action; // null: hidden
    } cases[] = {
        {&floatVar, 1, {L"Value"}, true, true, false, nullptr},
        {&intVar, 1, {L"Value"}, true, true, false, nullptr},
        {&boolVar, 1, {L"Value"}, false, false, false, nullptr},
        {&vectorVar, 1, {L"x", L"y", L"z", L"w"}, true, true, false, L"Normalize (xyz)"},
        {&matrixVar, 2, {}, true, true, false, L"Identity"},
        {&dynamicVar, 0, {L"[0,0]", L"[0,1]", L"[0,2]", L"[1,0]", L"[1,1]", L"[1,2]"}, true, true, true, nullptr},
        {&longVar, 1, {L"[0]", L"[1]", L"[2]", L"[3]", L"[4]", L"[5]"}, true, true, false, nullptr},
        {&boolGrid, 1, {L"x", L"y"}, false, false, false, nullptr},
    };
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            cases[4].labels.push_back(L"[" + std::to_wstring(r) + L"," + std::to_wstring(c) + L"]");
    int index = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(index++);
        CGvVariableEditCtrl* p = Make(c.variable);
        EXPECT_EQ(c.orientation, p->GetSetupOrientation());
        EXPECT_EQ(c.labels, Labels(p));
        EXPECT_EQ(static_cast<int>(c.labels.size()), CellCount(p));
        EXPECT_EQ(c.setup, Visible(p, IDC_GV_SHOW_SETUP_CHECK));
        EXPECT_EQ(c.clamp, Visible(p, IDC_GV_CLAMP_CHECK));
        EXPECT_EQ(c.clamp, Visible(p, IDC_GV_MIN_EDIT));
        EXPECT_EQ(c.rows, Visible(p, IDC_GV_ROWS_EDIT));
        EXPECT_EQ(c.action != nullptr, Visible(p, IDC_GV_ACTION_BUTTON));
        if (c.action) {
            EXPECT_EQ(CString(c.action), WindowText(Item(p, IDC_GV_ACTION_BUTTON)));
        }
        p->DestroyWindow();
    }

    // The options lie above, right of or below the values and hide with the setup button.
    for (int orientation = 0; orientation < 3; ++orientation) {
        SCOPED_TRACE(orientation);
        CGvVariableEditCtrl* p = Make(&vectorVar, orientation);
        CRect client;
        p->GetClientRect(&client);
        const CRect options = RectIn(Item(p, IDC_GV_OPTIONS_GROUP), p->m_hWnd);
        const CRect values = RectIn(Item(p, IDC_GV_VALUES_GROUP), p->m_hWnd);
        const CRect grid = RectIn(Item(p, IDC_GV_SCROLL_WND), p->m_hWnd);
        EXPECT_EQ(values, grid);
        // Options above, right or below the values, 4 pixels apart.
        const CRect expected[3][2] = {
            {{0, 0, client.right, options.bottom}, {0, options.bottom + 4, client.right, client.bottom}},
            {{client.right - options.Width(), 0, client.right, options.bottom},
             {0, 0, client.right - options.Width() - 4, client.bottom}},
            {{0, client.bottom - options.Height(), client.right, client.bottom},
             {0, 0, client.right, client.bottom - options.Height() - 4}}};
        EXPECT_EQ(expected[orientation][0], options);
        EXPECT_EQ(expected[orientation][1], values);
        // The grid's content fits: the values frame is the content's size in
        // the direction that the options do not set.
        const CRect content = RectIn(Item(p, IDC_GV_VARIABLE_SCROLL_CHILD), p->m_hWnd);
        EXPECT_EQ(orientation == 1 ? content.Width() : content.Height(),
                  orientation == 1 ? values.Width() : values.Height());
        EXPECT_TRUE(m_frame.m_resizes.empty());

        // Hiding the options leaves the setup button's place and resizes once.
        const CRect setup = RectIn(Item(p, IDC_GV_SHOW_SETUP_CHECK), p->m_hWnd);
        ::SendMessageW(Item(p, IDC_GV_SHOW_SETUP_CHECK), BM_CLICK, 0, 0);
        EXPECT_FALSE(p->GetIsSetupShown());
        EXPECT_FALSE(Visible(p, IDC_GV_OPTIONS_GROUP));
        EXPECT_FALSE(Visible(p, IDC_GV_CLAMP_CHECK));
        ASSERT_EQ(1u, m_frame.m_resizes.size());
        EXPECT_EQ(reinterpret_cast<WPARAM>(p->m_hWnd), m_frame.m_resizes[0]);
        CRect hidden;
        p->GetClientRect(&hidden);
        EXPECT_EQ(orientation == 1 ? CSize(content.Width() + 4 + setup.Width(), content.Height())
                                   : CSize(content.Width(), setup.Height() + 4 + content.Height()),
                  hidden.Size());
        ::SendMessageW(Item(p, IDC_GV_SHOW_SETUP_CHECK), BM_CLICK, 0, 0);
        EXPECT_EQ(2u, m_frame.m_resizes.size());
        CRect shown;
        p->GetClientRect(&shown);
        EXPECT_EQ(client, shown);
        m_frame.m_resizes.clear();
        p->DestroyWindow();
    }
}

TEST_F(VariableEditCtrlTest, ClampAndRangeReachTheSliderEditsNormalizeAndIdentity)
{
    GvFloatVariable floatVar(5.0f);
    CGvVariableEditCtrl* p = Make(&floatVar);
    ::SendMessageW(Item(p, IDC_GV_CLAMP_CHECK), BM_CLICK, 0, 0);
    EXPECT_TRUE(floatVar.IsClamped());
    EXPECT_EQ(std::make_tuple(1.0f, 1.0f), std::make_tuple(floatVar.GetValue(), Value(p, 0)));
    EXPECT_TRUE(std::get<2>(Range(p, 0)));
    EXPECT_EQ(1, Changes(GvNodeChangeValue));

    GvFakeClock::Advance(11);
    Type(Item(p, IDC_GV_MIN_EDIT), L"-2");
    EXPECT_EQ(-2.0f, floatVar.GetMin());
    EXPECT_EQ(std::make_tuple(-2.0f, 1.0f, true), Range(p, 0));
    GvFakeClock::Advance(11);
    Type(Item(p, IDC_GV_MAX_EDIT), L"-3"); // the bounds are put in order
    EXPECT_EQ(std::make_tuple(-3.0f, -2.0f), std::make_tuple(floatVar.GetMin(), floatVar.GetMax()));
    EXPECT_EQ(-2.0f, Value(p, 0));
    EXPECT_EQ(3, Changes(GvNodeChangeValue));
    EXPECT_EQ(3u + 0u, floatVar.GetChangeCount());

    // The vector's action is a check box, the matrix's a button; a matrix's
    // range is fixed.
    GvFakeClock::Advance(11);
    GvVectorVariable vectorVar(3, 4, 0, 0);
    CGvVariableEditCtrl* pVector = Make(&vectorVar);
    HWND hAction = Item(pVector, IDC_GV_ACTION_BUTTON);
    EXPECT_EQ(static_cast<LONG>(BS_AUTOCHECKBOX), ::GetWindowLongW(hAction, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_EQ(BST_UNCHECKED, ::SendMessageW(hAction, BM_GETCHECK, 0, 0));
    ::SendMessageW(hAction, BM_CLICK, 0, 0);
    EXPECT_TRUE(vectorVar.IsNormalized());
    EXPECT_EQ(BST_CHECKED, ::SendMessageW(Item(Make(&vectorVar), IDC_GV_ACTION_BUTTON), BM_GETCHECK, 0, 0))
        << "a new control shows the state";
    EXPECT_FLOAT_EQ(0.6f, Value(pVector, 0));
    EXPECT_FLOAT_EQ(0.8f, Value(pVector, 1));

    GvMatrixVariable matrixVar;
    matrixVar.SetElement(1, 2, 7.0f);
    matrixVar.SetElement(3, 3, 2.0f);
    CGvVariableEditCtrl* pMatrix = Make(&matrixVar);
    for (int id : {IDC_GV_CLAMP_CHECK, IDC_GV_MIN_EDIT, IDC_GV_MAX_EDIT, IDC_GV_CLAMP_FROM_LABEL})
        EXPECT_FALSE(::IsWindowEnabled(Item(pMatrix, id))) << id;
    EXPECT_EQ(std::make_tuple(-100.0f, 100.0f, false), Range(pMatrix, 5));
    EXPECT_EQ(7.0f, Value(pMatrix, 6)); // row 1, column 2
    GvFakeClock::Advance(11);
    const unsigned before = matrixVar.GetChangeCount();
    ::SendMessageW(Item(pMatrix, IDC_GV_ACTION_BUTTON), BM_CLICK, 0, 0);
    EXPECT_TRUE(matrixVar.IsIdentity());
    EXPECT_EQ(before + 1, matrixVar.GetChangeCount());
    EXPECT_EQ(0.0f, Value(pMatrix, 6));
    EXPECT_EQ(1.0f, Value(pMatrix, 15));
    EXPECT_EQ(5, Changes(GvNodeChangeValue));
}

TEST_F(VariableEditCtrlTest, RowsAndColumnsRebuildTheGrid)
{
    GvDynamicVariable dynamicVar(GvDynamicVariable::DYNAMIC_FLOAT, 2, 3, false);
    dynamicVar.SetFloat(1, 2, 0.25f);
    CGvVariableEditCtrl* p = Make(&dynamicVar);
    EXPECT_EQ(0.25f, Value(p, 5));
    CRect before;
    p->GetWindowRect(&before);

    Type(Item(p, IDC_GV_ROWS_EDIT), L"7");
    EXPECT_EQ(4, dynamicVar.GetNumRows());
    EXPECT_EQ(L"4", WindowText(Item(p, IDC_GV_ROWS_EDIT)));
    EXPECT_EQ(12, CellCount(p));
    EXPECT_EQ(L"[3,2]", Labels(p).back());
    EXPECT_EQ(0.25f, Value(p, 5));
    EXPECT_EQ(1, Changes(GvNodeChangeUpdate));
    ASSERT_EQ(1u, m_frame.m_resizes.size());
    CRect taller;
    p->GetWindowRect(&taller);
    EXPECT_EQ(before.Width(), taller.Width());
    EXPECT_GT(taller.Height(), before.Height());

    GvFakeClock::Advance(11);
    Type(Item(p, IDC_GV_COLUMNS_EDIT), L"1");
    EXPECT_EQ(1, dynamicVar.GetNumColumns());
    EXPECT_EQ((std::vector<std::wstring>{L"x", L"y", L"z", L"w"}), Labels(p));
    EXPECT_EQ(2, Changes(GvNodeChangeUpdate));
    EXPECT_EQ(2u, m_frame.m_resizes.size());

    // The spin posts the kill-focus, so the edit's new text is read after it.
    GvFakeClock::Advance(11);
    NMUPDOWN change = {{Item(p, IDC_GV_ROWS_SPIN), IDC_GV_ROWS_SPIN, static_cast<UINT>(UDN_DELTAPOS)}, 4, -1};
    EXPECT_EQ(0, p->SendMessage(WM_NOTIFY, IDC_GV_ROWS_SPIN, reinterpret_cast<LPARAM>(&change)));
    ::SetWindowTextW(Item(p, IDC_GV_ROWS_EDIT), L"3");
    EXPECT_EQ(4, dynamicVar.GetNumRows());
    AfxPumpPendingMessages();
    EXPECT_EQ(std::make_tuple(3, 3), std::make_tuple(dynamicVar.GetNumRows(), CellCount(p)));
}

TEST_F(VariableEditCtrlTest, NotificationsThrottledAcrossControlsEnterCommitsTheCellAndKeepsTheControl)
{
    GvFloatVariable a(0.0f), b(0.0f);
    CGvVariableEditCtrl* pA = Make(&a);
    CGvVariableEditCtrl* pB = Make(&b);
    Type(Cell(pA, 0)->m_hWnd, L"0.5");
    EXPECT_EQ(std::make_tuple(0.5f, 1), std::make_tuple(a.GetValue(), Changes(GvNodeChangeValue)));
    EXPECT_EQ(1u, a.GetChangeCount());
    Type(Cell(pA, 0)->m_hWnd, L"0.5"); // no change, no write
    EXPECT_EQ(1u, a.GetChangeCount());

    GvFakeClock::Advance(10); // not more than 10 ticks: dropped, in the other control too
    Type(Cell(pB, 0)->m_hWnd, L"0.25");
    EXPECT_EQ(std::make_tuple(0.25f, 1u), std::make_tuple(b.GetValue(), b.GetChangeCount()));
    EXPECT_EQ(1, Changes(GvNodeChangeValue));
    GvFakeClock::Advance(1);
    Type(Cell(pB, 0)->m_hWnd, L"0.75");
    EXPECT_EQ(2, Changes(GvNodeChangeValue));
    EXPECT_EQ(&b, m_app.GetNodeChanges().GetTail()->m_value.m_node);

    // Enter in a typed cell commits it, Escape changes nothing, and both keep
    // the embedded control shown with the focus in the cell.
    GvFloatVariable c(0.0f);
    CGvVariableEditCtrl* pC = Make(&c);
    CGvSliderEdit* cell = Cell(pC, 0);
    cell->SetFocus();
    ::SendMessageW(cell->m_hWnd, EM_SETSEL, 0, -1);
    PostChars(cell->m_hWnd, L"0.5");
    PostKey(cell->m_hWnd, VK_RETURN);
    EXPECT_EQ(std::make_tuple(0.5f, 1u), std::make_tuple(c.GetValue(), c.GetChangeCount()));
    PostKey(cell->m_hWnd, VK_ESCAPE);
    EXPECT_TRUE(pC->IsWindowVisible());
    EXPECT_EQ(cell->m_hWnd, ::GetFocus());
    EXPECT_EQ(1u, c.GetChangeCount());
}

TEST_F(VariableEditCtrlTest, SweepAndCheckBoxesWriteElementsALargeGridScrolls)
{
    GvIntegerVariable intVar(3);
    CGvVariableEditCtrl* pInt = Make(&intVar);
    CGvSliderEdit* pEdit = Cell(pInt, 0);
    pEdit->SetNumericValue(5.5f);
    ::SendMessageW(::GetParent(pEdit->m_hWnd), GVM_SLIDER_DELTA, reinterpret_cast<WPARAM>(pEdit), 0);
    EXPECT_EQ(6, intVar.GetValue()); // halves away from zero
    EXPECT_EQ(L"6", WindowText(pEdit->m_hWnd));

    GvDynamicVariable boolGrid(GvDynamicVariable::DYNAMIC_BOOLEAN, 1, 2, true);
    CGvVariableEditCtrl* pBool = Make(&boolGrid);
    GvFakeClock::Advance(11);
    ::SendMessageW(Item(pBool, 0x8001), BM_CLICK, 0, 0);
    EXPECT_TRUE(boolGrid.GetBoolean(0, 1));
    EXPECT_FALSE(boolGrid.GetBoolean(0, 0));
    EXPECT_EQ(2, Changes(GvNodeChangeValue));

    // A large grid scrolls inside the 4 x 4 extent.
    GvDynamicVariable small(GvDynamicVariable::DYNAMIC_FLOAT, 4, 1, true);
    GvDynamicVariable large(GvDynamicVariable::DYNAMIC_FLOAT, 6, 1, true);
    CGvVariableEditCtrl* pSmall = Make(&small, 1);
    CGvVariableEditCtrl* pLarge = Make(&large, 1);
    // The larger grid shows the 4 x 4 extent of the smaller one plus a bar.
    const CRect smallGrid = RectIn(Item(pSmall, IDC_GV_VARIABLE_SCROLL_CHILD), pSmall->m_hWnd);
    const CRect largeValues = RectIn(Item(pLarge, IDC_GV_VALUES_GROUP), pLarge->m_hWnd);
    EXPECT_EQ(CSize(smallGrid.Width() + GetSystemMetrics(SM_CXVSCROLL), smallGrid.Height()), largeValues.Size());
    HWND hScroll = Item(pLarge, IDC_GV_SCROLL_WND);
    EXPECT_NE(nullptr, ::GetDlgItem(hScroll, IDC_GV_SCROLL_VERT_BAR));
    EXPECT_EQ(nullptr, ::GetDlgItem(Item(pSmall, IDC_GV_SCROLL_WND), IDC_GV_SCROLL_VERT_BAR));
    ::SendMessageW(hScroll, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_EQ(-30, RectIn(Item(pLarge, IDC_GV_VARIABLE_SCROLL_CHILD)).top);
}

} // namespace
