#include "demo/Screenshot.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>
#include "demo/DemoFrame.h"
#include "demo/PngWriter.h"

namespace {

// The thread's visible top-level windows, top-most first.
BOOL CALLBACK CollectTopLevel(HWND hWnd, LPARAM lParam)
{
    if (::IsWindowVisible(hWnd))
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

// Lets painting, pointer motion and everything posted run to the end.
void Settle()
{
    for (int round = 0; round < 5; ++round) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(30);
    }
}

// What the windows painted: every visible top-level window of the thread
// (the frame and its pop-ups) read from its own window DC and laid where it
// is on the screen, over the rectangle that holds them all.
struct Picture
{
    RECT bounds = {};
    std::vector<uint8_t> rgb;
    std::vector<HWND> topLevel; // bottom-most first
};

Picture CapturePicture()
{
    Picture picture;
    EnumThreadWindows(GetCurrentThreadId(), CollectTopLevel, reinterpret_cast<LPARAM>(&picture.topLevel));
    std::reverse(picture.topLevel.begin(), picture.topLevel.end());
    for (HWND hWnd : picture.topLevel) {
        RECT r;
        ::GetWindowRect(hWnd, &r);
        UnionRect(&picture.bounds, &picture.bounds, &r);
    }
    const int width = picture.bounds.right - picture.bounds.left;
    const int height = picture.bounds.bottom - picture.bounds.top;
    if (width <= 0 || height <= 0)
        return picture;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = ::GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ::ReleaseDC(nullptr, screen);
    if (!bitmap) {
        DeleteDC(memory);
        return picture;
    }
    HGDIOBJ old = SelectObject(memory, bitmap);
    for (HWND hWnd : picture.topLevel) {
        RECT r;
        ::GetWindowRect(hWnd, &r);
        HDC dc = ::GetWindowDC(hWnd);
        BitBlt(memory, r.left - picture.bounds.left, r.top - picture.bounds.top, r.right - r.left, r.bottom - r.top, dc,
               0, 0, SRCCOPY);
        ::ReleaseDC(hWnd, dc);
    }
    GdiFlush();

    picture.rgb.resize(static_cast<size_t>(width) * height * 3);
    const uint8_t* bgra = static_cast<const uint8_t*>(bits);
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
        picture.rgb[3 * i] = bgra[4 * i + 2];
        picture.rgb[3 * i + 1] = bgra[4 * i + 1];
        picture.rgb[3 * i + 2] = bgra[4 * i];
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return picture;
}

bool WriteFile(const CString& path, const std::vector<uint8_t>& bytes)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

bool WritePng(const CString& path, const Picture& picture)
{
    const int width = picture.bounds.right - picture.bounds.left;
    const int height = picture.bounds.bottom - picture.bounds.top;
    return !picture.rgb.empty() && WriteFile(path, GvEncodePng(width, height, picture.rgb.data(), width * 3));
}

void AppendLine(std::string& text, const char* format, ...)
{
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    text += line;
}

// A window and its visible descendants, parents before children and each
// sibling list bottom-most first, so the last window holding a pixel is the
// one that shows it. Rectangles are the parts left by the parents' clients.
void ListWindow(std::string& text, HWND hWnd, const RECT& clip)
{
    RECT r;
    ::GetWindowRect(hWnd, &r);
    IntersectRect(&r, &r, &clip);
    char className[64] = "";
    ::GetClassNameA(hWnd, className, sizeof className);
    const bool child = (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) != 0;
    AppendLine(text, "%s %ld %ld %ld %ld %d %s\n", child ? "child" : "top-level", r.left, r.top, r.right, r.bottom,
               child ? ::GetDlgCtrlID(hWnd) : 0, className);

    RECT client;
    ::GetClientRect(hWnd, &client);
    MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    IntersectRect(&client, &client, &r);
    std::vector<HWND> children;
    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        if (::IsWindowVisible(hChild))
            children.push_back(hChild);
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        ListWindow(text, *it, client);
}

// The picture's place on the screen, the panels in menu order (the shown one
// marked) and every window that painted into it.
std::string DescribePicture(CDemoFrame& frame, const Picture& picture)
{
    std::string text;
    AppendLine(text, "origin %ld %ld\n", picture.bounds.left, picture.bounds.top);
    for (int i = 0; i < frame.GetPanelCount(); ++i) {
        CDemoPanel* pPanel = frame.GetPanel(i);
        AppendLine(text, "panel %ls%s\n", pPanel->GetName(), pPanel->IsWindowVisible() ? " shown" : "");
    }
    for (HWND hWnd : picture.topLevel)
        ListWindow(text, hWnd, picture.bounds);
    return text;
}

struct DumpService
{
    CDemoFrame* pFrame = nullptr;
    CString directory;
} g_dumps;

bool IsPictureName(const std::string& name)
{
    if (name.empty() || name.size() > 64)
        return false;
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_')
            return false;
    return true;
}

void CALLBACK ServeDumpRequest(HWND, UINT, UINT_PTR, DWORD)
{
    const CString requestPath = g_dumps.directory + L"\\request";
    HANDLE file = CreateFileW(requestPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    char buffer[128] = "";
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer - 1, &read, nullptr);
    CloseHandle(file);
    std::string name(buffer, read);
    name.erase(name.find_last_not_of("\r\n ") + 1);
    if (IsPictureName(name)) {
        const Picture picture = CapturePicture();
        const CString base = g_dumps.directory + L"\\" + CString(std::wstring(name.begin(), name.end()));
        const std::string text = DescribePicture(*g_dumps.pFrame, picture);
        if (!WritePng(base + L".png", picture)
            || !WriteFile(base + L".txt", std::vector<uint8_t>(text.begin(), text.end())))
            std::fwprintf(stderr, L"could not write %ls.png\n", static_cast<LPCWSTR>(base));
    } else {
        std::fwprintf(stderr, L"ignored a dump request without a valid picture name\n");
    }
    // Answered (or refused): the requester waits for the request to go.
    DeleteFileW(requestPath);
}

} // namespace

bool GvSaveDemoScreenshots(CDemoFrame& frame, LPCWSTR directory, LPCWSTR suffix)
{
    CreateDirectoryW(directory, nullptr);
    // A run at another DPI writes beside the 96-DPI pictures: page@144.png.
    CString dpiSuffix;
    if (AfxGetWindowDpi(&frame) != 96)
        dpiSuffix.Format(L"@%u", AfxGetWindowDpi(&frame));
    bool allSaved = true;
    for (int i = 0; i < frame.GetPanelCount(); ++i) {
        CDemoPanel* pPanel = frame.GetPanel(i);
        frame.ShowPanel(i);
        for (int scene = 0; scene < pPanel->GetSceneCount(); ++scene) {
            Settle();
            const CString sceneName = pPanel->BeginScene(scene);
            Settle();
            CString path = CString(directory) + L"\\" + pPanel->GetName();
            if (!sceneName.IsEmpty())
                path += CString(L"-") + sceneName;
            path += dpiSuffix + CString(suffix) + L".png";
            const auto capture = [&] {
                const bool saved = WritePng(path, CapturePicture());
                std::wprintf(L"%ls %ls\n", saved ? L"wrote" : L"could not write", static_cast<LPCWSTR>(path));
                allSaved = allSaved && saved;
            };
            if (!pPanel->CaptureInScene(scene, capture))
                capture();
            pPanel->EndScene(scene);
        }
    }
    std::fflush(stdout);
    return allSaved;
}

void GvServeDumpRequests(CDemoFrame& frame, LPCWSTR directory)
{
    CreateDirectoryW(directory, nullptr);
    g_dumps.pFrame = &frame;
    g_dumps.directory = directory;
    SetTimer(nullptr, 0, 50, ServeDumpRequest);
}
