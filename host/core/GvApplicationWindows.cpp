#include <windows.h>

#include "GvApplication.h"

GvHICON GvApplication::SystemApplicationIcon(int flags)
{
    const bool small = flags == 1;
    return static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON,
                                         GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON),
                                         GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON), LR_SHARED));
}

GvHACCEL GvApplication::GetAcceleratorTable(const tagMSG* message)
{
    if (!message)
        return nullptr;
    for (HWND window = message->hwnd; window; window = GetAncestor(window, GA_PARENT))
        if (HACCEL table = FindWindowAcceleratorTable(window))
            return table;
    return m_acceleratorTable;
}

bool GvApplication::PreTranslateMessage(tagMSG* message)
{
    if (!message)
        return false;
    if (message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST) {
        HACCEL table = GetAcceleratorTable(message);
        HWND target = m_mainWindow ? m_mainWindow : GetAncestor(message->hwnd, GA_ROOT);
        if (table && target && TranslateAcceleratorW(target, table, message))
            return true;
    }
    for (auto it = m_modelessWindows.Begin(); it != m_modelessWindows.End(); ++it) {
        HWND window = it->m_window;
        if (it->m_dialogKeys && (window == message->hwnd || IsChild(window, message->hwnd)))
            return IsDialogMessageW(window, message) != FALSE;
    }
    return false;
}
