#include "TestFrame.h"
#include "GvWindowUtils.h"
#include "resources/GvMFCUtilitiesRes.h"
#include <string>
#include <tuple>

namespace {
// A dialog of the library's templates, made while the guard is held.
BOOL CreateFromLibrary(CDialog& dialog, UINT nID, CWnd* pParent)
{
    GvUtilSetResourceHandle guard(LibraryInstance());
    return dialog.Create(nID, pParent);
}

// One control of a template: class name (ordinals as their names), text,
// id, style and rectangle in dialog units (x, y, width, height).
struct TemplateItem
{
    std::wstring className, text;
    int id;
    DWORD style, exStyle;
    RECT rect;
};

struct DialogTemplate
{
    DWORD style = 0, exStyle = 0;
    SIZE size = {0, 0};
    std::wstring title, fontName;
    int pointSize = 0;
    std::vector<TemplateItem> items;
};

// Reads a DLGTEMPLATEEX: a name or ordinal field, a string, DWORD alignment.
class TemplateReader
{
public:
    explicit TemplateReader(const BYTE* p) : m_p(p) {}
    template <class T>
    T Read()
    {
        T v;
        memcpy(&v, m_p, sizeof(v));
        m_p += sizeof(v);
        return v;
    }
    std::wstring String()
    {
        std::wstring s;
        for (WORD c; (c = Read<WORD>()) != 0;)
            s += (wchar_t)c;
        return s;
    }
    std::wstring NameOrOrdinal()
    {
        if (Read<WORD>() != 0xFFFF) {
            m_p -= 2;
            return String();
        }
        static const wchar_t* const names[] = {L"BUTTON", L"EDIT", L"STATIC", L"LISTBOX", L"SCROLLBAR", L"COMBOBOX"};
        const WORD ordinal = Read<WORD>();
        return ordinal >= 0x80 && ordinal <= 0x85 ? names[ordinal - 0x80] : L"#" + std::to_wstring(ordinal);
    }
    // Resources are DWORD-aligned in memory.
    void AlignDword() { m_p = reinterpret_cast<const BYTE*>((reinterpret_cast<uintptr_t>(m_p) + 3) & ~uintptr_t(3)); }
    void Skip(size_t n) { m_p += n; }

private:
    const BYTE* m_p;
};

DialogTemplate LoadTemplate(int id)
{
    DialogTemplate t;
    HRSRC hRes = ::FindResourceW(LibraryInstance(), MAKEINTRESOURCEW(id), (LPCWSTR)RT_DIALOG);
    if (!hRes)
        return t;
    TemplateReader r((const BYTE*)::LockResource(::LoadResource(LibraryInstance(), hRes)));
    EXPECT_EQ(1, r.Read<WORD>()) << "DLGTEMPLATEEX version";
    EXPECT_EQ(0xFFFF, r.Read<WORD>());
    r.Skip(4); // help id
    t.exStyle = r.Read<DWORD>();
    t.style = r.Read<DWORD>();
    const int count = r.Read<WORD>();
    r.Skip(4); // x, y
    t.size.cx = r.Read<short>();
    t.size.cy = r.Read<short>();
    r.NameOrOrdinal();
    r.NameOrOrdinal();
    t.title = r.String();
    if (t.style & DS_SETFONT) {
        t.pointSize = r.Read<WORD>();
        r.Skip(4); // weight, italic, charset
        t.fontName = r.String();
    }
    for (int i = 0; i < count; ++i) {
        r.AlignDword();
        TemplateItem item;
        r.Skip(4); // help id
        item.exStyle = r.Read<DWORD>();
        item.style = r.Read<DWORD>();
        item.rect = RECT{r.Read<short>(), r.Read<short>(), r.Read<short>(), r.Read<short>()}; // x, y, cx, cy
        item.id = (int)r.Read<DWORD>();
        item.className = r.NameOrOrdinal();
        ::CharUpperW(item.className.data());
        item.text = r.NameOrOrdinal();
        r.Skip(r.Read<WORD>());
        t.items.push_back(item);
    }
    return t;
}

// An expected control: the bits of its style that the table fixes, its
// rectangle as x, y, width, height.
struct ExpectedItem
{
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD styleMask;
    DWORD style;
    DWORD exStyle;
    RECT rect;
};

// The variable edit control's table gives whole styles.
const DWORD kAll = 0xFFFFFFFF;
const ExpectedItem kVariableItems[] = {
    {3030, L"STATIC", L"", kAll, 0x40820000, 0, RECT{6, 72, 91, 12}},
    {3027, L"STATIC", L"[x,y]", kAll, 0x40020002, 0, RECT{6, 74, 23, 8}},
    {3026, L"EDIT", L"", kAll, 0x40810080, 0, RECT{32, 72, 47, 12}},
    {3024, L"BUTTON", L"Values", kAll, 0x50000007, 0, RECT{0, 61, 109, 29}},
    {3020, L"BUTTON", L"   Options", kAll, 0x50000007, 0, RECT{0, 0, 183, 61}},
    {3016, L"BUTTON", L"", kAll, 0x50010003, 0, RECT{0, 0, 8, 8}},
    {3012, L"BUTTON", L"", kAll, 0x50010003, 0, RECT{7, 13, 8, 10}},
    {3022, L"STATIC", L"Clamp from:", kAll, 0x50020000, 0, RECT{19, 14, 42, 8}},
    {3013, L"EDIT", L"", kAll, 0x50810080, 0, RECT{64, 12, 47, 12}},
    {3023, L"STATIC", L"to:", kAll, 0x50020000, 0, RECT{19, 28, 42, 8}},
    {3014, L"EDIT", L"", kAll, 0x50810080, 0, RECT{64, 26, 47, 12}},
    {3015, L"BUTTON", L"Action", kAll, 0x50010000, 0, RECT{7, 41, 104, 14}},
    {3018, L"STATIC", L"Rows:", kAll, 0x50020000, 0, RECT{123, 14, 23, 8}},
    {3010, L"EDIT", L"", kAll, 0x50812080, 0, RECT{150, 12, 28, 12}},
    {3031, L"MSCTLS_UPDOWN32", L"", kAll, 0x50000036, 0, RECT{172, 11, 11, 14}},
    {3019, L"STATIC", L"Cols:", kAll, 0x50020000, 0, RECT{123, 29, 23, 8}},
    {3011, L"EDIT", L"", kAll, 0x50812080, 0, RECT{150, 27, 28, 12}},
    {3032, L"MSCTLS_UPDOWN32", L"", kAll, 0x50000036, 0, RECT{172, 26, 11, 14}},
};

// The texture edit control's table names kinds: visible children whose
// type bits (and the flags it names) are fixed.
const DWORD kChild = WS_CHILD | WS_VISIBLE | WS_POPUP, kButton = kChild | 0x0F, kStatic = kChild | 0x1F;
const DWORD kUpDown = kChild | 0xFF, kShown = WS_CHILD | WS_VISIBLE;
const DWORD kSpin = kShown | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS;
const ExpectedItem kTextureItems[] = {
    {4011, L"COMBOBOX", L"", kChild | 0x03 | CBS_SORT | WS_VSCROLL | WS_DISABLED,
     kShown | CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_DISABLED, 0, RECT{0, 0, 82, 300}},
    {4018, L"BUTTON", L"Browse", kButton, kShown | BS_PUSHBUTTON, 0, RECT{86, 0, 50, 14}},
    {4024, L"BUTTON", L"", kButton, kShown | BS_GROUPBOX, 0, RECT{0, 16, 136, 80}},
    {4019, L"BUTTON", L"Show Texture Properties", kButton, kShown | BS_AUTOCHECKBOX, 0, RECT{4, 16, 100, 10}},
    {4025, L"STATIC", L"Format:", kStatic, kShown | SS_LEFT, 0, RECT{4, 27, 122, 8}},
    {4026, L"STATIC", L"Dimensions:", kStatic, kShown | SS_LEFT, 0, RECT{4, 38, 122, 8}},
    {4027, L"STATIC", L"Mip Map Levels:", kStatic, kShown | SS_LEFT, 0, RECT{4, 49, 122, 8}},
    {4028, L"BUTTON", L"Origin", kButton, kShown | BS_GROUPBOX, 0, RECT{4, 59, 128, 33}},
    {4016, L"BUTTON", L"Top Left", kButton, kShown | BS_AUTORADIOBUTTON, 0, RECT{11, 70, 73, 10}},
    {4017, L"BUTTON", L"Bottom Left", kButton, kShown | BS_AUTORADIOBUTTON, 0, RECT{11, 80, 73, 10}},
    {4029, L"BUTTON", L"", kButton, kShown | BS_GROUPBOX, 0, RECT{0, 102, 136, 71}},
    {4020, L"BUTTON", L"Show View Options", kButton, kShown | BS_AUTOCHECKBOX, 0, RECT{4, 101, 85, 10}},
    {4030, L"STATIC", L"Thumbnail Size:", kStatic, kShown | SS_LEFT, 0, RECT{4, 115, 61, 8}},
    {4021, L"COMBOBOX", L"", kChild | 0x03, kShown | CBS_DROPDOWNLIST, 0, RECT{69, 113, 61, 151}},
    {4031, L"STATIC", L"Mip Level:", kStatic, kShown | SS_LEFT, 0, RECT{4, 131, 61, 8}},
    {4022, L"EDIT", L"", kChild | ES_NUMBER, kShown | ES_NUMBER, 0, RECT{69, 128, 49, 14}},
    {4023, L"MSCTLS_UPDOWN32", L"", kUpDown, kSpin, 0, RECT{120, 128, 10, 14}},
    {4032, L"STATIC", L"Volume Depth:", kStatic, kShown | SS_LEFT, 0, RECT{4, 145, 61, 8}},
    {4033, L"EDIT", L"", kChild | ES_NUMBER, kShown | ES_NUMBER, 0, RECT{69, 143, 49, 14}},
    {4034, L"MSCTLS_UPDOWN32", L"", kUpDown, kSpin, 0, RECT{120, 143, 10, 14}},
    {4035, L"BUTTON", L"Show Alpha", kButton, kShown | BS_AUTOCHECKBOX, 0, RECT{4, 159, 95, 10}},
    {4013, L"BUTTON", L"", kButton, kShown | BS_OWNERDRAW, WS_EX_CLIENTEDGE, RECT{0, 175, 136, 111}},
};

// The template's frame and every control against its table, in order.
template <size_t N>
void ExpectTemplate(int id, int cx, int cy, const ExpectedItem (&table)[N])
{
    DialogTemplate t = LoadTemplate(id);
    EXPECT_EQ((DWORD)(WS_CHILD | WS_VISIBLE | DS_SETFONT), t.style & (WS_CHILD | WS_VISIBLE | WS_POPUP | DS_SETFONT));
    EXPECT_EQ(std::make_tuple((DWORD)WS_EX_CONTROLPARENT, CSize(cx, cy)), std::make_tuple(t.exStyle, CSize(t.size)));
    EXPECT_EQ(std::make_pair(std::wstring(L"MS Sans Serif"), 8), std::make_pair(t.fontName, t.pointSize));
    ASSERT_EQ(N, t.items.size());
    for (size_t i = 0; i < N; ++i) {
        const ExpectedItem& want = table[i];
        const TemplateItem& got = t.items[i];
        SCOPED_TRACE(want.id);
        EXPECT_EQ(std::make_tuple(want.id, std::wstring(want.className), std::wstring(want.text)),
                  std::make_tuple(got.id, got.className, got.text));
        EXPECT_EQ(std::make_pair(want.style, want.exStyle), std::make_pair(got.style & want.styleMask, got.exStyle));
        EXPECT_EQ(CRect(want.rect), CRect(got.rect));
    }
}

class DialogTemplateTest : public Win32WindowTest
{
protected:
    void TearDown() override
    {
        EXPECT_EQ(::GetModuleHandleW(nullptr), AfxGetResourceHandle());
        Win32WindowTest::TearDown();
    }
};
} // namespace

TEST_F(DialogTemplateTest, VariableAndTextureEditTemplatesAreTheirTables)
{
    ExpectTemplate(IDD_GV_VARIABLE_EDIT_CTRL, 183, 112, kVariableItems);
    EXPECT_TRUE(LoadTemplate(IDD_GV_VARIABLE_EDIT_CTRL).style & DS_CONTROL);
    ExpectTemplate(IDD_GV_TEXTURE_EDIT_CTRL, 136, 286, kTextureItems);
}

TEST_F(DialogTemplateTest, ColorTemplatesHoldEveryControl)
{
    DialogTemplate picker = LoadTemplate(IDD_GV_COLOR_PICKER_CTRL);
    std::vector<int> ids;
    for (const TemplateItem& item : picker.items)
        ids.push_back(item.id);
    EXPECT_EQ((std::vector<int>{2004, 2020, 2019, 2022, 2027, 2015, 2023, 2028, 2016, 2024, 2029, 2017, 2025, 2030,
                                2018, 2021, 2031}),
              ids);
    EXPECT_EQ((DWORD)(WS_CHILD | WS_VISIBLE), picker.style & (WS_CHILD | WS_VISIBLE | WS_POPUP));
    for (const TemplateItem& item : picker.items) {
        SCOPED_TRACE(item.id);
        if (item.id >= 2015 && item.id <= 2019) {
            EXPECT_EQ(L"MSCTLS_TRACKBAR32", item.className);
            EXPECT_EQ(item.id == 2019 ? (DWORD)TBS_VERT : 0u, item.style & TBS_VERT);
        }
        if (item.id == 2004 || item.id == 2020) {
            EXPECT_EQ((DWORD)BS_OWNERDRAW, item.style & 0x0F);
        }
        if (item.id == 2031) {
            EXPECT_EQ(L"Floating Point", item.text);
        }
    }

    DialogTemplate editor = LoadTemplate(IDD_GV_COLOR_PICKER_DLG);
    EXPECT_EQ(L"Color Editor", editor.title);
    EXPECT_EQ((DWORD)(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME),
              editor.style & (WS_POPUP | WS_CHILD | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME));
    ASSERT_EQ(3u, editor.items.size());
    EXPECT_EQ(L"Color Picker Ctrl", editor.items[0].text);
    EXPECT_FALSE(editor.items[0].style & WS_VISIBLE);
    EXPECT_EQ(IDOK, editor.items[1].id);
    EXPECT_EQ((DWORD)BS_DEFPUSHBUTTON, editor.items[1].style & 0x0F);
    EXPECT_EQ(IDCANCEL, editor.items[2].id);
    // Laid out as the dialog lays it out: picker on top, OK and Cancel of one
    // size along the bottom edge, centred with 4 units between them and 4
    // above them.
    const RECT& ok = editor.items[1].rect;
    EXPECT_EQ(CRect(RECT{0, 0, editor.size.cx, editor.size.cy - ok.bottom - 4}), CRect(editor.items[0].rect));
    EXPECT_EQ(editor.size.cy, ok.top + ok.bottom);
    EXPECT_EQ(editor.size.cx / 2 - ok.right - 2, ok.left);
    EXPECT_EQ(CRect(RECT{editor.size.cx / 2 + 2, ok.top, ok.right, ok.bottom}), CRect(editor.items[2].rect));
}

namespace {
// A dialog that records its initialisation.
class CTemplateDialog : public CDialog
{
public:
    explicit CTemplateDialog(UINT nID) : CDialog(nID) {}
    int m_initCount = 0;
    BOOL OnInitDialog() override
    {
        ++m_initCount;
        return CDialog::OnInitDialog();
    }
};
} // namespace

TEST_F(DialogTemplateTest, TemplatesAreFoundOnlyWhileTheGuardIsHeld)
{
    for (UINT id :
         {IDD_GV_COLOR_PICKER_DLG, IDD_GV_COLOR_PICKER_CTRL, IDD_GV_VARIABLE_EDIT_CTRL, IDD_GV_TEXTURE_EDIT_CTRL}) {
        SCOPED_TRACE(id);
        CTemplateDialog unguarded(id);
        EXPECT_FALSE(unguarded.Create(id, &m_frame));
        EXPECT_EQ(nullptr, unguarded.m_hWnd);
        EXPECT_EQ(0, unguarded.m_initCount);

        CTemplateDialog dialog(id);
        ASSERT_TRUE(CreateFromLibrary(dialog, id, &m_frame));
        EXPECT_EQ(1, dialog.m_initCount);
        EXPECT_EQ(&dialog, CWnd::FromHandlePermanent(dialog.m_hWnd));
        EXPECT_TRUE(dialog.IsWindowVisible());
        DialogTemplate t = LoadTemplate(id);
        for (const TemplateItem& item : t.items)
            EXPECT_NE(nullptr, ::GetDlgItem(dialog.m_hWnd, item.id)) << item.id;
        dialog.DestroyWindow();
        EXPECT_EQ(nullptr, dialog.m_hWnd);
    }
}

namespace {
// The colour editor's frame: counts Enter and Escape instead of closing.
class CEditorFrameDialog : public CDialog
{
public:
    CEditorFrameDialog() : CDialog(IDD_GV_COLOR_PICKER_DLG) {}
    int m_ok = 0;
    int m_cancel = 0;

protected:
    void OnOK() override { ++m_ok; }
    void OnCancel() override { ++m_cancel; }
};
} // namespace

TEST_F(DialogTemplateTest, EnterAndEscapeInTheEmbeddedPickerReachTheEditorDialog)
{
    CEditorFrameDialog editor;
    CDialog picker(IDD_GV_COLOR_PICKER_CTRL);
    ASSERT_TRUE(CreateFromLibrary(editor, IDD_GV_COLOR_PICKER_DLG, &m_frame));
    ASSERT_TRUE(CreateFromLibrary(picker, IDD_GV_COLOR_PICKER_CTRL, &editor));
    // Other programs on the shared display may take the focus: these keys
    // do not depend on it.
    HWND hRedEdit = ::GetDlgItem(picker.m_hWnd, IDC_GV_RED_EDIT);
    ::PostMessageW(hRedEdit, WM_KEYDOWN, VK_RETURN, 1);
    AfxPumpPendingMessages();
    EXPECT_EQ(1, editor.m_ok) << "Enter in the picker is the editor's default button";
    ::PostMessageW(hRedEdit, WM_KEYDOWN, VK_ESCAPE, 1);
    AfxPumpPendingMessages();
    EXPECT_EQ(1, editor.m_cancel);
    editor.DestroyWindow();
    EXPECT_EQ(nullptr, picker.m_hWnd);
}

TEST_F(DialogTemplateTest, CreationKeepsNoPointerToATemporaryParent)
{
    HWND hHost = CreatePlainWindow(m_frame.m_hWnd, CRect(0, 0, 300, 250));
    CDialog dialog(IDD_GV_VARIABLE_EDIT_CTRL);
    ASSERT_TRUE(CreateFromLibrary(dialog, IDD_GV_VARIABLE_EDIT_CTRL, CWnd::FromHandle(hHost)));
    EXPECT_EQ(hHost, ::GetParent(dialog.m_hWnd));
    EXPECT_EQ(nullptr, dialog.m_pParentWnd) << "the wrapper goes at idle time; the dialog keeps its own parent";
    dialog.DestroyWindow();
    ::DestroyWindow(hHost);
}

namespace {
// Binds members to template 3000's controls by data exchange.
class CExchangeDialog : public CDialog
{
public:
    CExchangeDialog() : CDialog(IDD_GV_VARIABLE_EDIT_CTRL) {}
    CEdit m_minEdit;
    CButton m_clampCheck;
    int m_rows = 3;
    bool m_bindMissing = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_GV_MIN_EDIT, m_minEdit);
        DDX_Control(pDX, IDC_GV_CLAMP_CHECK, m_clampCheck);
        DDX_Text(pDX, IDC_GV_ROWS_EDIT, m_rows);
        if (m_bindMissing)
            DDX_Control(pDX, 9999, m_missing);
    }
    CEdit m_missing;
};
} // namespace

TEST_F(DialogTemplateTest, DataExchangeSubclassesControlsAndMovesIntegers)
{
    CExchangeDialog dialog;
    dialog.m_bindMissing = true;
    EXPECT_FALSE(CreateFromLibrary(dialog, IDD_GV_VARIABLE_EDIT_CTRL, &m_frame)) << "its first exchange failed";
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    EXPECT_EQ(nullptr, dialog.m_minEdit.m_hWnd);
    EXPECT_EQ(nullptr, ::GetWindow(m_frame.m_hWnd, GW_CHILD)) << "no window is left behind";

    dialog.m_bindMissing = false;
    ASSERT_TRUE(CreateFromLibrary(dialog, IDD_GV_VARIABLE_EDIT_CTRL, &m_frame));
    EXPECT_TRUE(dialog.IsWindowVisible());
    HWND hMin = ::GetDlgItem(dialog.m_hWnd, IDC_GV_MIN_EDIT);
    EXPECT_EQ(hMin, dialog.m_minEdit.m_hWnd);
    EXPECT_EQ(&dialog.m_minEdit, CWnd::FromHandlePermanent(hMin));
    EXPECT_EQ((LONG_PTR)AfxWndProc, ::GetWindowLongPtrW(hMin, GWLP_WNDPROC));
    EXPECT_EQ(&dialog.m_clampCheck, dialog.GetDlgItem(IDC_GV_CLAMP_CHECK));
    // The auto-buddy spins found their edits.
    EXPECT_EQ(::GetDlgItem(dialog.m_hWnd, IDC_GV_ROWS_EDIT),
              (HWND)::SendDlgItemMessageW(dialog.m_hWnd, IDC_GV_ROWS_SPIN, UDM_GETBUDDY, 0, 0));
    EXPECT_EQ(::GetDlgItem(dialog.m_hWnd, IDC_GV_COLUMNS_EDIT),
              (HWND)::SendDlgItemMessageW(dialog.m_hWnd, IDC_GV_COLUMNS_SPIN, UDM_GETBUDDY, 0, 0));

    CString text;
    dialog.GetDlgItemText(IDC_GV_ROWS_EDIT, text);
    EXPECT_EQ(CString(L"3"), text);
    dialog.SetDlgItemText(IDC_GV_ROWS_EDIT, L"4");
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(4, dialog.m_rows);
    // A second exchange leaves the attached members as they are.
    EXPECT_EQ(hMin, dialog.m_minEdit.m_hWnd);
    dialog.DestroyWindow();
    EXPECT_EQ(nullptr, dialog.m_minEdit.m_hWnd) << "the members were detached with their windows";
}
