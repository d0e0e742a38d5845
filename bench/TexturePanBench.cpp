// Pans a 4096 x 4096 texture shown at 800 % in a texture edit control by a
// real mouse drag (SendInput) of 1,000 steps, repainting after each step,
// and pans the same picture by the same drag in the platform's usual kind of
// window (standard scroll bars, ScrollWindowEx, StretchDIBits of the
// uncovered strip); prints the mean, median and 95th percentile of the steps
// of both. One StretchBlt of the visible area is timed for information. Times
// making the control's bitmap against copying its bytes into a new one. Both
// textures, the 4096 x 4096 one and a 256 x 256 x 256 volume, go through the
// host's DDS reader; the volume's middle slice is shown in a control too.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>
#include <windows.h>
#include <psapi.h>
#include "DragSteps.h"
#include "GvApplication.h"
#include "GvGfxUtil.h"
#include "GvTextureVariable.h"
#include "GvVariableEditors.h"
#include "resources/GvMFCUtilitiesRes.h"

namespace {

typedef std::chrono::steady_clock Clock;
const int kSteps = 1000;
const int kStep = 23; // pixels per drag step

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// An uncompressed R8G8B8A8 DDS file (a volume when depth > 1) of a pattern.
std::vector<uint8_t> MakeDds(int width, int height, int depth)
{
    const size_t header = 4 + 124;
    std::vector<uint8_t> file(header + size_t(width) * height * depth * 4);
    Put32(file, 0, 0x20534444); // "DDS "
    Put32(file, 4, 124);
    Put32(file, 8, 0x1 | 0x2 | 0x4 | 0x1000 | (depth > 1 ? 0x800000 : 0));
    Put32(file, 12, height);
    Put32(file, 16, width);
    Put32(file, 20, width * 4);
    Put32(file, 24, depth > 1 ? depth : 0);
    Put32(file, 76, 32);         // pixel format size
    Put32(file, 80, 0x40 | 0x1); // RGB with alpha
    Put32(file, 88, 32);
    Put32(file, 92, 0x000000FF);
    Put32(file, 96, 0x0000FF00);
    Put32(file, 100, 0x00FF0000);
    Put32(file, 104, 0xFF000000);
    Put32(file, 108, 0x1000 | (depth > 1 ? 0x8 : 0));
    Put32(file, 112, depth > 1 ? 0x200000 : 0);
    uint8_t* p = file.data() + header;
    for (int z = 0; z < depth; ++z)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x, p += 4) {
                p[0] = static_cast<uint8_t>(x);
                p[1] = static_cast<uint8_t>(y);
                p[2] = static_cast<uint8_t>(((x ^ y) & 0x40 ? 200 : 0) + z);
                p[3] = 255;
            }
    return file;
}

// A texture variable whose texture object the host's DDS reader made from
// a file in memory.
class LoadedTexture : public GvTextureVariable
{
public:
    // The time the reader took, or a negative number when it refused.
    double Load(int width, int height, int depth)
    {
        const std::vector<uint8_t> file = MakeDds(width, height, depth);
        const auto start = Clock::now();
        GvTextureLoadError error = GV_LOAD_OK;
        GvTexture* texture = GvLoadTextureFromMemory(file.data(), file.size(), &error);
        const double ms = Ms(Clock::now() - start);
        if (!texture)
            return -1;
        SetTexture(texture);
        return ms;
    }
};

// Runs the queued messages; the time spent handling them.
double Pump()
{
    double handling = 0;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        const auto start = Clock::now();
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        handling += Ms(Clock::now() - start);
    }
    return handling;
}

BITMAPINFO TopDown32(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    return info;
}

// A picture at a whole zoom in the platform's usual kind of scrolled window:
// standard scroll bars, the client area moved by ScrollWindowEx and the
// uncovered strip stretched from the pixels by StretchDIBits. A left drag in
// the client area pans it as the texture control's thumbnail does.
class CScrolledPicture : public CWnd
{
public:
    // pixels: width x height, top-down rows of 32-bit BGRA.
    CScrolledPicture(std::vector<uint32_t> pixels, int width, int height, int zoom)
        : m_pixels(std::move(pixels)), m_width(width), m_height(height), m_zoom(zoom)
    {
    }

    // A pop-up whose client area is client (screen coordinates), showing the
    // picture from position (zoomed pixels) on.
    BOOL Create(const CRect& client, CPoint position)
    {
        if (!CreateEx(0, AfxRegisterWndClass(0), L"scrolled picture", WS_POPUP | WS_HSCROLL | WS_VSCROLL, client.left,
                      client.top, client.Width() + ::GetSystemMetrics(SM_CXVSCROLL),
                      client.Height() + ::GetSystemMetrics(SM_CYHSCROLL), nullptr, nullptr))
            return FALSE;
        m_position = position;
        SCROLLINFO info = {sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, m_width * m_zoom - 1,
                           static_cast<UINT>(client.Width()), position.x, 0};
        ::SetScrollInfo(m_hWnd, SB_HORZ, &info, FALSE);
        info.nMax = m_height * m_zoom - 1;
        info.nPage = static_cast<UINT>(client.Height());
        info.nPos = position.y;
        ::SetScrollInfo(m_hWnd, SB_VERT, &info, FALSE);
        ShowWindow(SW_SHOW);
        return TRUE;
    }

    // Milliseconds spent painting, and the paints.
    double m_paintMs = 0;
    int m_paints = 0;

protected:
    afx_msg void OnPaint()
    {
        const auto start = Clock::now();
        PaintStrip();
        m_paintMs += Ms(Clock::now() - start);
        ++m_paints;
    }

    void PaintStrip()
    {
        CPaintDC dc(this);
        const RECT& dirty = dc.m_ps.rcPaint;
        // The whole texels under the dirty rectangle.
        const int x0 = (m_position.x + dirty.left) / m_zoom, y0 = (m_position.y + dirty.top) / m_zoom;
        const int x1 = std::min<int>(m_width, (m_position.x + dirty.right + m_zoom - 1) / m_zoom);
        const int y1 = std::min<int>(m_height, (m_position.y + dirty.bottom + m_zoom - 1) / m_zoom);
        if (x1 <= x0 || y1 <= y0)
            return;
        // The rows y0 .. y1 as a bitmap of their own: a top-down source
        // rectangle starting at row 0 means the same to every driver.
        const BITMAPINFO info = TopDown32(m_width, y1 - y0);
        ::SetStretchBltMode(dc.m_hDC, COLORONCOLOR);
        ::StretchDIBits(dc.m_hDC, x0 * m_zoom - m_position.x, y0 * m_zoom - m_position.y, (x1 - x0) * m_zoom,
                        (y1 - y0) * m_zoom, x0, 0, x1 - x0, y1 - y0, &m_pixels[size_t(y0) * m_width], &info,
                        DIB_RGB_COLORS, SRCCOPY);
    }

    afx_msg void OnHScroll(UINT code, UINT, CScrollBar*) { ScrollTo(CPoint(Scrolled(SB_HORZ, code), m_position.y)); }
    afx_msg void OnVScroll(UINT code, UINT, CScrollBar*) { ScrollTo(CPoint(m_position.x, Scrolled(SB_VERT, code))); }

    afx_msg void OnLButtonDown(UINT, CPoint point)
    {
        SetCapture();
        m_grab = point;
        m_dragging = true;
    }

    afx_msg void OnMouseMove(UINT, CPoint point)
    {
        if (!m_dragging)
            return;
        ScrollTo(m_position - (point - m_grab));
        m_grab = point;
    }

    afx_msg void OnLButtonUp(UINT, CPoint)
    {
        if (m_dragging) {
            m_dragging = false;
            ::ReleaseCapture();
        }
    }

    DECLARE_MESSAGE_MAP()

private:
    int Scrolled(int bar, UINT code) const
    {
        SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
        ::GetScrollInfo(m_hWnd, bar, &info);
        switch (code) {
        case SB_LINEUP: return info.nPos - m_zoom;
        case SB_LINEDOWN: return info.nPos + m_zoom;
        case SB_PAGEUP: return info.nPos - static_cast<int>(info.nPage);
        case SB_PAGEDOWN: return info.nPos + static_cast<int>(info.nPage);
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: return info.nTrackPos;
        default: return info.nPos;
        }
    }

    void ScrollTo(CPoint position)
    {
        CRect client;
        GetClientRect(&client);
        position.x = std::max<int>(0, std::min<int>(position.x, m_width * m_zoom - client.Width()));
        position.y = std::max<int>(0, std::min<int>(position.y, m_height * m_zoom - client.Height()));
        const CPoint delta = m_position - position;
        if (delta == CPoint(0, 0))
            return;
        m_position = position;
        ::SetScrollPos(m_hWnd, SB_HORZ, position.x, TRUE);
        ::SetScrollPos(m_hWnd, SB_VERT, position.y, TRUE);
        ::ScrollWindowEx(m_hWnd, delta.x, delta.y, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
    }

    std::vector<uint32_t> m_pixels;
    int m_width, m_height, m_zoom;
    CPoint m_position; // the zoomed picture's pixel at the client's origin
    CPoint m_grab;     // the pointer at the last drag step
    bool m_dragging = false;
};

BEGIN_MESSAGE_MAP(CScrolledPicture, CWnd)
    ON_WM_PAINT()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

// The texture's RGBA texels as the BGRA a bitmap takes.
std::vector<uint32_t> Bgra(const uint8_t* rgba, size_t count)
{
    std::vector<uint32_t> pixels(count);
    for (size_t i = 0; i < count; ++i, rgba += 4)
        pixels[i] = uint32_t(rgba[2]) | uint32_t(rgba[1]) << 8 | uint32_t(rgba[0]) << 16 | uint32_t(rgba[3]) << 24;
    return pixels;
}

// The bench's drag: the pointer to grab (screen), a press, kSteps moves back
// and forth about it, each followed by the window brought up to date, and a
// release; the milliseconds of each step. What SendInput and handling the
// messages it brings took is added to inputMs and handlingMs.
std::vector<double> PanDrag(HWND window, CPoint grab, double& inputMs, double& handlingMs)
{
    MouseTo(grab.x, grab.y, 0);
    Pump();
    MouseTo(grab.x, grab.y, MOUSEEVENTF_LEFTDOWN);
    Pump();
    std::vector<double> steps;
    steps.reserve(kSteps);
    CPoint pointer = grab;
    for (int i = 0; i < kSteps; ++i) {
        const int dir = (i / 8) % 2 ? 1 : -1; // back and forth around the start
        pointer.Offset(dir * kStep, dir * kStep / 2);
        const auto sent = Clock::now();
        MouseTo(pointer.x, pointer.y, 0);
        inputMs += Ms(Clock::now() - sent);
        handlingMs += Pump();
        ::UpdateWindow(window);
        ::GdiFlush();
        steps.push_back(Ms(Clock::now() - sent));
    }
    MouseTo(pointer.x, pointer.y, MOUSEEVENTF_LEFTUP);
    Pump();
    return steps;
}

// The pixels the window shows in rect (client coordinates).
std::vector<uint32_t> Shown(HWND window, const CRect& rect)
{
    std::vector<uint32_t> pixels(size_t(rect.Width()) * rect.Height());
    HDC dc = ::GetDC(window);
    HDC memory = ::CreateCompatibleDC(dc);
    HBITMAP bitmap = ::CreateCompatibleBitmap(dc, rect.Width(), rect.Height());
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, rect.Width(), rect.Height(), dc, rect.left, rect.top, SRCCOPY);
    ::SelectObject(memory, old);
    BITMAPINFO info = TopDown32(rect.Width(), rect.Height());
    ::GetDIBits(memory, bitmap, 0, rect.Height(), pixels.data(), &info, DIB_RGB_COLORS);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(window, dc);
    return pixels;
}

size_t PeakMegabytes()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    return ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters)) ? counters.PeakPagefileUsage >> 20
                                                                                      : 0;
}

// A new top-down 32-bit bitmap of width x height filled from bytes by one
// copy; the time of the copy alone.
double CopyIntoBitmap(const uint8_t* bytes, int width, int height)
{
    BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return -1;
    const auto start = Clock::now();
    std::memcpy(bits, bytes, size_t(width) * height * 4);
    ::GdiFlush();
    const double ms = Ms(Clock::now() - start);
    ::DeleteObject(bitmap);
    return ms;
}

// Chooses a thumbnail size mode as the list does.
void SelectMode(CGvTextureEditCtrl& ctrl, int mode)
{
    ::SendDlgItemMessageW(ctrl.m_hWnd, IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_COMBO, CB_SETCURSEL, mode, 0);
    ctrl.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_COMBO, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(::GetDlgItem(ctrl.m_hWnd, IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_COMBO)));
}

CPoint Offset(HWND button)
{
    CRect r;
    ::GetWindowRect(button, &r);
    ::MapWindowPoints(nullptr, ::GetParent(button), reinterpret_cast<POINT*>(&r), 2);
    return CPoint(-r.left, -r.top);
}

} // namespace

int main()
{
    GvApplication app;
    CWnd frame;
    if (!frame.CreateEx(0, nullptr, L"texture pan bench", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 400, 720, nullptr, nullptr))
        return 1;
    frame.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);

    LoadedTexture texture;
    const double loadMs = texture.Load(4096, 4096, 1);
    if (loadMs < 0)
        return 1;
    // Creation: the picture at the texture's own size, as 800 % shows it,
    // and fitted into a thumbnail, against copying the same bytes into a
    // new bitmap of that size.
    auto start = Clock::now();
    HBITMAP full = GvGfxCreateTextureBitmap(nullptr, &texture, 4096, 4096, 0, false, 0, 0);
    const double fullMs = Ms(Clock::now() - start);
    start = Clock::now();
    HBITMAP fitted = GvGfxCreateTextureBitmap(nullptr, &texture, 379, 379, 0, false, 0, 0);
    const double fittedMs = Ms(Clock::now() - start);
    start = Clock::now();
    const double copyMs = CopyIntoBitmap(texture.GetTexture()->GetLevelData(0, 0), 4096, 4096);
    const double totalCopyMs = Ms(Clock::now() - start);
    std::printf("bitmap of 4096 x 4096 at its size %.1f ms, fitted to 379 x 379 %.1f ms; baseline: a new 4096 x 4096 "
                "bitmap %.1f ms of which copying the bytes in %.1f ms; ratio %.2f\n",
                fullMs, fittedMs, totalCopyMs, copyMs, fullMs / totalCopyMs);
    if (!full || !fitted)
        return 1;
    ::DeleteObject(fitted);

    start = Clock::now();
    std::unique_ptr<CGvTextureEditCtrl> ctrl(new CGvTextureEditCtrl);
    if (!ctrl->Create(frame.m_hWnd, &texture, nullptr))
        return 1;
    ctrl->SetWindowPos(nullptr, 0, 0, 400, 720, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    SelectMode(*ctrl, 6);
    Pump();
    const double setupMs = Ms(Clock::now() - start);

    HWND button = ctrl->GetThumbnailButton().m_hWnd;
    HWND viewport = ::GetParent(button);
    CRect thumb, view;
    ::GetWindowRect(button, &thumb);
    ::GetClientRect(viewport, &view);
    std::printf("thumbnail %d x %d, visible %d x %d, DDS read %.1f ms, control with its bitmaps %.1f ms\n",
                thumb.Width(), thumb.Height(), view.Width(), view.Height(), loadMs, setupMs);

    // Press in the middle of the visible part, then drag.
    CPoint grab(view.Width() / 2, view.Height() / 2);
    ::ClientToScreen(viewport, &grab);
    const CPoint before = Offset(button);
    double inputMs = 0, handlingMs = 0;
    const StepFigures pan = Summarize(PanDrag(viewport, grab, inputMs, handlingMs));
    const CPoint after = Offset(button);
    const bool moved = after != before || ctrl->GetThumbnailButton().IsDragging();
    // The strips painted step by step must make the picture a whole repaint
    // makes.
    const std::vector<uint32_t> panned = Shown(viewport, view);
    ::RedrawWindow(viewport, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const bool seamless = panned == Shown(viewport, view);

    // The same drags as window messages, without the input system.
    ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    start = Clock::now();
    for (int i = 0; i < kSteps; ++i) {
        const int dir = (i / 8) % 2 ? 1 : -1;
        ::PostMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100 + dir * kStep, 100 + dir * kStep / 2));
        Pump();
        ::UpdateWindow(viewport);
        ::GdiFlush();
    }
    const double postedMs = Ms(Clock::now() - start) / kSteps;
    ::SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(100, 100));

    // What a pan step spends on a bar whose position changed (redrawn).
    HWND bar = ::GetDlgItem(ctrl->GetScrollWnd().m_hWnd, 291);
    start = Clock::now();
    for (int i = 0; i < kSteps; ++i)
        ::SetScrollPos(bar, SB_CTL, 1000 + i % 16, TRUE);
    const double barMs = Ms(Clock::now() - start) / kSteps;

    // Repainting the visible part alone, without moving.
    start = Clock::now();
    for (int i = 0; i < kSteps; ++i) {
        ::RedrawWindow(viewport, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        ::GdiFlush();
    }
    const double repaintMs = Ms(Clock::now() - start) / kSteps;

    // Baseline: a visible-area-sized part of the bitmap, stretched once onto
    // the visible part of the thumbnail. Under Wine a window DC draws into
    // the window's surface and GdiFlush does nothing; the surface reaches
    // the display when the queue is found empty, so the baseline pumps as
    // each pan step does.
    // The visible part is the DC's clip box: the drags by posted messages
    // moved the thumbnail since `after` was read.
    HDC target = ::GetDC(button);
    CRect visible;
    ::GetClipBox(target, &visible);
    // The control holds its bitmap in a DC of its own: the baseline stretches
    // the bitmap made above with the same size and texels.
    HDC source = ::CreateCompatibleDC(target);
    HGDIOBJ old = ::SelectObject(source, full);
    if (!old)
        return 1;
    ::SetStretchBltMode(target, COLORONCOLOR);
    start = Clock::now();
    for (int i = 0; i < kSteps; ++i) {
        const int texel = 2000 + (i % 16) * 3;
        ::StretchBlt(target, visible.left, visible.top, view.Width(), view.Height(), source, texel, texel,
                     view.Width() / 8 + 1, view.Height() / 8 + 1, SRCCOPY);
        Pump();
    }
    const double baseMs = Ms(Clock::now() - start) / kSteps;
    ::SelectObject(source, old);
    ::DeleteDC(source);
    ::ReleaseDC(button, target);
    ::DeleteObject(full);

    // The same drag over the same picture in the platform's usual kind of
    // scrolled window, put over the control's visible part.
    CRect peerClient = view;
    ::MapWindowPoints(viewport, nullptr, reinterpret_cast<POINT*>(&peerClient), 2);
    const CPoint peerStart(2000 * 8, 2000 * 8);
    CScrolledPicture peer(Bgra(texture.GetTexture()->GetLevelData(0, 0), size_t(4096) * 4096), 4096, 4096, 8);
    StepFigures peerPan = {};
    bool peerMoved = false, peerSeamless = false;
    double peerPaints = 0, peerPaintMs = 0;
    if (peer.Create(peerClient, peerStart)) {
        ::UpdateWindow(peer.m_hWnd);
        Pump();
        peer.m_paints = 0;
        peer.m_paintMs = 0;
        double peerInputMs = 0, peerHandlingMs = 0;
        peerPan = Summarize(PanDrag(peer.m_hWnd, grab, peerInputMs, peerHandlingMs));
        peerPaints = double(peer.m_paints) / kSteps;
        peerPaintMs = peer.m_paintMs / kSteps;
        peerMoved = ::GetScrollPos(peer.m_hWnd, SB_HORZ) != peerStart.x;
        CRect peerView;
        peer.GetClientRect(&peerView);
        const std::vector<uint32_t> peerPanned = Shown(peer.m_hWnd, peerView);
        ::RedrawWindow(peer.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        peerSeamless = peerPanned == Shown(peer.m_hWnd, peerView);
        peer.DestroyWindow();
    }

    std::printf("pan step (ms), %d steps of a real drag           mean   median 95th pct\n", kSteps);
    std::printf("ours: texture control                            %8.3f %8.3f %8.3f%s%s\n", pan.mean, pan.median, pan.p95,
                moved ? "" : " -- the drag did not pan",
                seamless ? "" : " -- the panned picture differs from a whole repaint");
    std::printf("peer: scroll bars, ScrollWindowEx, StretchDIBits %8.3f %8.3f %8.3f%s%s\n", peerPan.mean,
                peerPan.median, peerPan.p95, peerMoved ? "" : " -- the drag did not pan",
                peerSeamless ? "" : " -- the panned picture differs from a whole repaint");
    std::printf("peer: %.1f paints a step, painting %.3f ms of a step\n", peerPaints, peerPaintMs);
    std::printf("information: one StretchBlt of the visible area %.3f ms\n", baseMs);
    std::printf("goals (median <= peer's and < 8 ms; 95th pct < 2x median and <= 16 ms):\n");
    PrintGoals("texture control against the usual scrolled window", pan, peerPan, 1);
    std::printf("of a pan step: SendInput %.3f ms, handling the messages it brings (the pan and its paints) %.3f ms, "
                "taking them from the queue and the idle flush %.3f ms\n",
                inputMs / kSteps, handlingMs / kSteps, pan.mean - (inputMs + handlingMs) / kSteps);
    std::printf("pan step by posted mouse messages %.3f ms; repaint of the visible part without moving %.3f ms; "
                "one scroll bar position with redraw %.3f ms\n",
                postedMs, repaintMs, barMs);

    ctrl.reset();

    // A 256^3 volume: the texture object, the picture of a slice, and the
    // control showing the middle slice at 800 %.
    LoadedTexture volume;
    const double volumeMs = volume.Load(256, 256, 256);
    const bool made = volumeMs >= 0;
    start = Clock::now();
    HBITMAP slice = made ? GvGfxCreateTextureBitmap(nullptr, &volume, 256, 256, 0, false, 0, 128) : nullptr;
    const double sliceMs = Ms(Clock::now() - start);
    if (slice)
        ::DeleteObject(slice);
    start = Clock::now();
    ctrl.reset(new CGvTextureEditCtrl);
    const bool shown = made && ctrl->Create(frame.m_hWnd, &volume, nullptr);
    if (shown) {
        ::SetDlgItemInt(ctrl->m_hWnd, IDC_GV_TEXTURE_VIEW_VOLUME_DEPTH_EDIT, 128, FALSE);
        ctrl->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GV_TEXTURE_VIEW_VOLUME_DEPTH_EDIT, EN_KILLFOCUS),
                          reinterpret_cast<LPARAM>(::GetDlgItem(ctrl->m_hWnd, IDC_GV_TEXTURE_VIEW_VOLUME_DEPTH_EDIT)));
        SelectMode(*ctrl, 6);
        ctrl->UpdateWindow();
        Pump();
    }
    std::printf(
        "volume 256^3: DDS read %s in %.1f ms, slice bitmap %s in %.1f ms, control at slice %d and 800 %% %s in "
        "%.1f ms; peak private memory %zu MB\n",
        made ? "yes" : "no", volumeMs, slice ? "yes" : "no", sliceMs, shown ? ctrl->GetSlice() : -1,
        shown ? "yes" : "no", Ms(Clock::now() - start), PeakMegabytes());
    ctrl.reset();
    frame.DestroyWindow();
    return moved && seamless && peerMoved && peerSeamless && slice && shown ? 0 : 1;
}
