#include "window_utils/EmbeddedDialog.h"

bool GvCommitFocusedChild(HWND hDialog)
{
    const HWND hFocus = ::GetFocus();
    if (!hFocus || !hDialog || !::IsChild(hDialog, hFocus))
        return false;
    ::SendMessageW(hFocus, WM_KILLFOCUS, 0, 0);
    ::SendMessageW(hFocus, WM_SETFOCUS, 0, 0);
    return true;
}
