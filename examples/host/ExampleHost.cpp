// A host window with every family of the library's controls, built against
// the installed package.
//   GvExampleHost.exe           shows the window until it is closed
//   GvExampleHost.exe --check   drives each family with messages, prints one
//                               line per family and exits (0: all as
//                               expected)
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <memory>
#include <vector>
#include "ExampleHost.h"
#include "GvMessages.h"

BOOL CExampleFamily::CreateFamily(CWnd& parent, const ExampleHostData& host)
{
    if (!CreateEx(0,
                  AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                  Title(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 400, 300), &parent, 0))
        return FALSE;
    // The title's width in the font it is shown in: the family is at
    // least as wide.
    HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    SIZE title = {};
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    ::GetTextExtentPoint32W(dc, Title(), static_cast<int>(std::wcslen(Title())), &title);
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(m_hWnd, dc);
    if (!m_title.Create(Title(), WS_CHILD | WS_VISIBLE, CRect(kMargin, 4, kMargin + title.cx + 4, kTop - 2), this))
        return FALSE;
    m_title.SetFont(CFont::FromHandle(font));
    const CSize size = CreateControls(host);
    if (size.cx <= 0 || size.cy <= 0)
        return FALSE;
    SetWindowPos(nullptr, 0, 0, std::max(static_cast<int>(size.cx), 2 * kMargin + 4 + static_cast<int>(title.cx)),
                 size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

COLORREF ClientPixel(HWND window, CPoint point)
{
    ::UpdateWindow(window);
    HDC dc = ::GetDC(window);
    const COLORREF pixel = ::GetPixel(dc, point.x, point.y);
    ::ReleaseDC(window, dc);
    return pixel;
}

HWND FindDescendant(HWND parent, int id)
{
    struct Search
    {
        int id;
        HWND found;
    } search = {id, nullptr};
    ::EnumChildWindows(
        parent,
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            if (::GetDlgCtrlID(window) != s->id)
                return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring WindowText(HWND window)
{
    wchar_t text[256] = {};
    ::GetWindowTextW(window, text, 256);
    return text;
}

std::string Format(const char* format, ...)
{
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    return text;
}

namespace {

// The families stand in columns up to this high (a taller family has a
// column of its own); the frame fits around them.
const int kColumnHeight = 800;

class CExampleFrame : public CWnd
{
public:
    BOOL CreateFrame(const ExampleHostData& host)
    {
        if (!CreateEx(
                0, AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                L"GvMFCUtilities example host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40, 400, 300, nullptr,
                nullptr))
            return FALSE;
        for (int i = 0; i < kExampleFamilyCount; ++i) {
            m_families.emplace_back(kExampleFamilies[i].make());
            if (!m_families.back()->CreateFamily(*this, host)) {
                std::printf("%s: not created\n", kExampleFamilies[i].name);
                DestroyWindow();
                return FALSE;
            }
        }
        Arrange();
        return TRUE;
    }

    std::vector<std::unique_ptr<CExampleFamily>> m_families;

protected:
    void Arrange()
    {
        CPoint at(0, 0);
        CSize extent(0, 0);
        int columnWidth = 0;
        for (auto& family : m_families) {
            CRect rect;
            family->GetWindowRect(&rect);
            if (at.y > 0 && at.y + rect.Height() > kColumnHeight) {
                at = CPoint(at.x + columnWidth, 0);
                columnWidth = 0;
            }
            family->SetWindowPos(nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            columnWidth = std::max(columnWidth, static_cast<int>(rect.Width()));
            at.y += rect.Height();
            extent = CSize(std::max(extent.cx, at.x + columnWidth), std::max(extent.cy, at.y));
        }
        CRect window(CPoint(0, 0), extent);
        ::AdjustWindowRectEx(&window, GetStyle(), FALSE, GetExStyle());
        SetWindowPos(nullptr, 0, 0, window.Width(), window.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    afx_msg void OnDestroy() { PostQuitMessage(0); }
    // A family whose controls changed their size.
    afx_msg LRESULT OnFamilyResized(WPARAM, LPARAM)
    {
        Arrange();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CExampleFrame, CWnd)
    ON_WM_DESTROY()
    ON_MESSAGE(GVM_CHILD_RESIZE, OnFamilyResized)
END_MESSAGE_MAP()

// The data files (a keyword file, a texture) are copied into data\ beside
// the program when it is built.
std::wstring DataDirectory()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + L"data\\";
}

} // namespace

int main(int argc, char** argv)
{
    const bool check = argc == 2 && std::strcmp(argv[1], "--check") == 0;
    CExampleApplication app;
    const ExampleHostData host = {&app, DataDirectory()};
    CExampleFrame frame;
    if (!frame.CreateFrame(host))
        return 1;
    app.SetMainWindow(frame.m_hWnd);
    frame.SetWindowPos(nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | (check ? SWP_NOACTIVATE : 0));
    if (!check)
        return AfxRunMessageLoop();
    AfxPumpPendingMessages();
    bool ok = true;
    for (int i = 0; i < kExampleFamilyCount; ++i) {
        std::string seen;
        const bool familyOk = frame.m_families[i]->Check(seen);
        AfxPumpPendingMessages();
        std::printf("%s: %s (%s)\n", kExampleFamilies[i].name, familyOk ? "ok" : "FAILED", seen.c_str());
        ok = ok && familyOk;
    }
    frame.DestroyWindow();
    AfxPumpPendingMessages();
    std::printf("%s\n", ok ? "example host: ok" : "example host: FAILED");
    return ok ? 0 : 1;
}
