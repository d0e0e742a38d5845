#include "demo/Screenshot.h"

#include <cstdio>
#include <vector>
#include "demo/DemoFrame.h"
#include "demo/PngWriter.h"

namespace {

struct WindowList
{
    HWND frame;
    std::vector<HWND> others;
};

BOOL CALLBACK CollectPopup(HWND hWnd, LPARAM lParam)
{
    WindowList* pList = reinterpret_cast<WindowList*>(lParam);
    if (hWnd != pList->frame && ::IsWindowVisible(hWnd))
        pList->others.push_back(hWnd);
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

// The frame with the thread's other visible top-level windows (pop-ups) laid
// over it where they are on the screen, each read from its own window DC.
std::vector<uint8_t> CaptureFrame(HWND hFrame, int* pWidth, int* pHeight)
{
    RECT frame;
    ::GetWindowRect(hFrame, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
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
        return {};
    }
    HGDIOBJ old = SelectObject(memory, bitmap);

    WindowList list = {hFrame, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectPopup, reinterpret_cast<LPARAM>(&list));
    list.others.insert(list.others.begin(), hFrame);
    for (HWND hWnd : list.others) {
        RECT r;
        ::GetWindowRect(hWnd, &r);
        HDC dc = ::GetWindowDC(hWnd);
        BitBlt(memory, r.left - frame.left, r.top - frame.top, r.right - r.left, r.bottom - r.top, dc, 0, 0, SRCCOPY);
        ::ReleaseDC(hWnd, dc);
    }
    GdiFlush();

    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    const uint8_t* bgra = static_cast<const uint8_t*>(bits);
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
        rgb[3 * i] = bgra[4 * i + 2];
        rgb[3 * i + 1] = bgra[4 * i + 1];
        rgb[3 * i + 2] = bgra[4 * i];
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    *pWidth = width;
    *pHeight = height;
    return rgb;
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

} // namespace

bool GvSaveDemoScreenshots(CDemoFrame& frame, LPCWSTR directory)
{
    CreateDirectoryW(directory, nullptr);
    bool allSaved = true;
    for (int i = 0; i < frame.GetPanelCount(); ++i) {
        CDemoPanel* pPanel = frame.GetPanel(i);
        frame.ShowPanel(i);
        for (int scene = 0; scene < pPanel->GetSceneCount(); ++scene) {
            Settle();
            const CString sceneName = pPanel->BeginScene(scene);
            Settle();
            int width = 0, height = 0;
            const std::vector<uint8_t> rgb = CaptureFrame(frame.GetSafeHwnd(), &width, &height);
            CString path = CString(directory) + L"\\" + pPanel->GetName();
            if (!sceneName.IsEmpty())
                path += CString(L"-") + sceneName;
            path += L".png";
            const bool saved = !rgb.empty() && WriteFile(path, GvEncodePng(width, height, rgb.data(), width * 3));
            std::wprintf(L"%ls %ls\n", saved ? L"wrote" : L"could not write", static_cast<LPCWSTR>(path));
            allSaved = allSaved && saved;
            pPanel->EndScene(scene);
        }
    }
    std::fflush(stdout);
    return allSaved;
}
