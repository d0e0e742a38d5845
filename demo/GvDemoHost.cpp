// GvDemoHost: the library's controls in a real application window.
//   GvDemoHost.exe                     interactive, until the window is closed
//   GvDemoHost.exe --screenshot DIR [--high-contrast]
//                                      saves every panel as PNG into DIR, exits;
//                                      then, asked, each again as <name>@hc.png
//                                      in a high-contrast scheme
//   GvDemoHost.exe --dump-on-request DIR
//                                      interactive; saves what it painted on request
#include <cwchar>
#include "demo/DemoApplication.h"
#include "demo/DemoFrame.h"
#include "demo/HighContrastColors.h"
#include "demo/Screenshot.h"
#include <shellapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int nCmdShow)
{
    // Sizes follow the screen's DPI, so the system must not stretch the windows.
    SetProcessDPIAware();
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    LPCWSTR screenshotDir = nullptr;
    LPCWSTR dumpDir = nullptr;
    bool highContrast = false;
    for (int i = 1; argv && i < argc; ++i) {
        if (std::wcscmp(argv[i], L"--screenshot") == 0 && i + 1 < argc) {
            screenshotDir = argv[++i];
        } else if (std::wcscmp(argv[i], L"--dump-on-request") == 0 && i + 1 < argc) {
            dumpDir = argv[++i];
        } else if (std::wcscmp(argv[i], L"--high-contrast") == 0) {
            highContrast = true;
        } else {
            std::fwprintf(stderr, L"usage: GvDemoHost [--screenshot DIR [--high-contrast] | --dump-on-request DIR]\n");
            LocalFree(argv);
            return 2;
        }
    }

    // The host the controls report to (getGvApp): undo, plug-ins, the main
    // window, the status text.
    CDemoApplication application;
    CDemoFrame frame;
    if (!frame.CreateFrame()) {
        LocalFree(argv);
        return 1;
    }
    application.SetMainWindow(frame.m_hWnd);
    frame.ShowWindow(screenshotDir ? SW_SHOW : nCmdShow);
    frame.UpdateWindow();
    frame.SetForegroundWindow();

    int result = 0;
    if (screenshotDir) {
        result = GvSaveDemoScreenshots(frame, screenshotDir) ? 0 : 1;
        if (highContrast) {
            CHighContrastColors scheme;
            result = GvSaveDemoScreenshots(frame, screenshotDir, L"@hc") ? result : 1;
        }
        frame.DestroyWindow();
    } else {
        if (dumpDir)
            GvServeDumpRequests(frame, dumpDir);
        result = AfxRunMessageLoop();
    }
    LocalFree(argv);
    return result;
}
