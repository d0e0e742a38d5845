// The editor control against the platform's multi-line EDIT control, both
// given the same generated 10 MB shader in one run under Wine: open it, move
// to the middle, type 1,000 characters with a repaint after each, undo them,
// then scroll to the end page by page. Prints each figure and the ratio.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>
#include "platform/edit/BCGPEditCtrl.h"

namespace {

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Committed private memory of the process (the heaps' pages included),
// counted region by region: the emulator's process counters leave it out.
size_t PrivateBytes()
{
    size_t total = 0;
    MEMORY_BASIC_INFORMATION region = {};
    for (const char* address = nullptr; ::VirtualQuery(address, &region, sizeof(region)) == sizeof(region);
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            total += region.RegionSize;
        }
    }
    return total;
}

// About 10 MB of HLSL-like rows, "\r\n" ended, the same every run.
std::wstring MakeShader(size_t units)
{
    static const wchar_t* const rows[] = {
        L"float4 main(float2 uv : TEXCOORD0) : COLOR0",
        L"{",
        L"    float3 n = normalize(tex2D(normalMap, uv).xyz * 2 - 1);",
        L"    // diffuse and specular terms",
        L"    float d = saturate(dot(n, lightDir));",
        L"    return float4(color.rgb * d, 1.0);",
        L"}",
        L"/* block comment */ sampler2D s;",
    };
    std::wstring text;
    text.reserve(units + 128);
    unsigned state = 1;
    while (text.size() < units) {
        state = state * 1664525u + 1013904223u;
        text += rows[(state >> 8) % 8];
        text += L"\r\n";
    }
    return text;
}

struct Figures
{
    double open = 0;
    double move = 0;
    double keyMedian = 0;
    double keyMax = 0;
    double fullRepaint = 0;
    double undo = 0;
    double scroll = 0;
    double scrollPage = 0;
    double megabytes = 0;
};

// What differs between the two controls.
struct Subject
{
    virtual ~Subject() = default;
    virtual HWND Create(HWND parent) = 0;
    virtual void MoveTo(int offset) = 0;
    virtual void UndoAll() = 0;
};

struct Ours : Subject
{
    CBCGPEditCtrl m_edit;
    CWnd* m_parent = nullptr;
    HWND Create(HWND parent) override
    {
        m_parent = CWnd::FromHandle(parent);
        m_edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 780, 560), m_parent, 1);
        // Coloured as in use: the block state is followed from the top.
        m_edit.LoadXMLSettings(CString(L"" GV_DATA_DIR L"/syntax/hlsl.xml"));
        return m_edit.m_hWnd;
    }
    void MoveTo(int offset) override { m_edit.SetCaret(offset, TRUE, TRUE); }
    void UndoAll() override
    {
        while (m_edit.CanUndo()) {
            m_edit.OnUndo(TRUE, TRUE);
        }
    }
};

struct PlatformEdit : Subject
{
    HWND m_hWnd = nullptr;
    HWND Create(HWND parent) override
    {
        m_hWnd = ::CreateWindowExW(0, L"EDIT", nullptr,
                                   WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL
                                       | ES_AUTOHSCROLL | ES_WANTRETURN,
                                   0, 0, 780, 560, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::SendMessageW(m_hWnd, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
        return m_hWnd;
    }
    void MoveTo(int offset) override
    {
        ::SendMessageW(m_hWnd, EM_SETSEL, offset, offset);
        ::SendMessageW(m_hWnd, EM_SCROLLCARET, 0, 0);
    }
    void UndoAll() override { ::SendMessageW(m_hWnd, EM_UNDO, 0, 0); }
};

Figures Run(Subject& subject, HWND frame, const std::wstring& text, HFONT font)
{
    Figures figures;
    const size_t before = PrivateBytes();
    const double start = Now();
    HWND hWnd = subject.Create(frame);
    ::SendMessageW(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ::SetWindowTextW(hWnd, text.c_str());
    ::UpdateWindow(hWnd);
    figures.open = Now() - start;
    figures.megabytes = static_cast<double>(PrivateBytes() - before) / (1 << 20);
    std::printf("  opened in %.3f s, %.1f MB more memory\n", figures.open, figures.megabytes);
    std::fflush(stdout);

    double phase = Now();
    subject.MoveTo(static_cast<int>(text.size() / 2));
    ::UpdateWindow(hWnd);
    figures.move = Now() - phase;
    std::vector<double> keys;
    for (int i = 0; i < 1000; ++i) {
        const double keyStart = Now();
        ::SendMessageW(hWnd, WM_CHAR, L"float x;"[i % 8], 1);
        ::UpdateWindow(hWnd);
        keys.push_back(Now() - keyStart);
    }
    std::sort(keys.begin(), keys.end());
    figures.keyMedian = keys[keys.size() / 2];
    figures.keyMax = keys.back();
    // For reference: the whole view painted again, as a scroll would.
    std::vector<double> repaints;
    for (int i = 0; i < 10; ++i) {
        const double repaintStart = Now();
        ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        repaints.push_back(Now() - repaintStart);
    }
    std::sort(repaints.begin(), repaints.end());
    figures.fullRepaint = repaints[repaints.size() / 2];
    std::printf("  moved to the middle in %.3f ms; typed, median %.3f ms, slowest %.3f ms\n", figures.move * 1000,
                figures.keyMedian * 1000, figures.keyMax * 1000);
    std::fflush(stdout);

    phase = Now();
    subject.UndoAll();
    ::UpdateWindow(hWnd);
    figures.undo = Now() - phase;
    std::printf("  whole view repainted, median %.3f ms; undone in %.3f ms\n", figures.fullRepaint * 1000,
                figures.undo * 1000);
    std::fflush(stdout);

    // A control too slow to reach the end within the budget has its time
    // extrapolated from the pages it scrolled.
    constexpr double kScrollBudget = 30;
    phase = Now();
    int pages = 0;
    double fraction = 1;
    for (;;) {
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        ::GetScrollInfo(hWnd, SB_VERT, &info);
        if (info.nPos + static_cast<int>(info.nPage) > info.nMax || info.nMax == 0) {
            break;
        }
        if (Now() - phase > kScrollBudget) {
            fraction = static_cast<double>(info.nPos) / (info.nMax - static_cast<int>(info.nPage) + 1);
            std::printf("  scrolling stopped after %d pages, %.1f%% of the way\n", pages, fraction * 100);
            break;
        }
        const int position = info.nPos;
        ::SendMessageW(hWnd, WM_VSCROLL, SB_PAGEDOWN, 0);
        ::UpdateWindow(hWnd);
        ++pages;
        ::GetScrollInfo(hWnd, SB_VERT, &info);
        if (info.nPos == position) {
            break;
        }
    }
    const double scrolled = Now() - phase;
    figures.scroll = scrolled / fraction;
    figures.scrollPage = pages > 0 ? scrolled / pages : 0;
    std::printf("  scrolled to the end in %.3f s, %.3f ms a page\n", figures.scroll, figures.scrollPage * 1000);
    std::fflush(stdout);
    ::DestroyWindow(hWnd);
    return figures;
}

void Line(const char* what, double ours, double edit, const char* unit, double scale)
{
    std::printf("%-34s %12.3f %12.3f %s   ratio %.3f\n", what, ours * scale, edit * scale, unit,
                edit > 0 ? ours / edit : 0.0);
}

} // namespace

int main()
{
    const std::wstring text = MakeShader(10u << 20);
    int rows = 0;
    for (wchar_t c : text) {
        rows += c == L'\n';
    }
    HWND frame = ::CreateWindowExW(0, AfxRegisterWndClass(0), L"EditBench", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 800, 600,
                                   nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetWindowPos(frame, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    LOGFONTW logFont = {};
    logFont.lfHeight = -13;
    logFont.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpyW(logFont.lfFaceName, L"Courier New");
    HFONT font = ::CreateFontIndirectW(&logFont);

    std::printf("text: %zu UTF-16 units (%.1f MB as UTF-16), %d rows\n", text.size(), text.size() * 2.0 / (1 << 20),
                rows);
    Ours ours;
    const Figures a = Run(ours, frame, text, font);
    std::printf("CBCGPEditCtrl done; now the EDIT control\n");
    std::fflush(stdout);
    PlatformEdit edit;
    const Figures b = Run(edit, frame, text, font);

    std::printf("%-34s %12s %12s\n", "", "CBCGPEditCtrl", "EDIT");
    Line("open (set text, first paint)", a.open, b.open, "ms", 1000);
    Line("move to the middle", a.move, b.move, "ms", 1000);
    Line("keystroke + repaint, median", a.keyMedian, b.keyMedian, "ms", 1000);
    Line("keystroke + repaint, slowest", a.keyMax, b.keyMax, "ms", 1000);
    Line("whole view repainted, median", a.fullRepaint, b.fullRepaint, "ms", 1000);
    Line("undo the 1,000 characters", a.undo, b.undo, "ms", 1000);
    Line("scroll to the end page by page", a.scroll, b.scroll, "ms", 1000);
    Line("scroll one page", a.scrollPage, b.scrollPage, "ms", 1000);
    Line("memory after opening", a.megabytes, b.megabytes, "MB", 1);
    std::printf("memory / UTF-16 size of the text: %.2f (goal < 3)\n", a.megabytes / (text.size() * 2.0 / (1 << 20)));
    ::DeleteObject(font);
    ::DestroyWindow(frame);
    return 0;
}
