#pragma once
#include "platform/mfc/GvMfc.h"

// The wheel's and the sliders' messages to their parent: sent, with the
// sender's window as wParam; nothing when there is no parent.
inline void GvColorNotifyParent(CWnd* pWnd, UINT message)
{
    if (HWND hParent = ::GetParent(pWnd->GetSafeHwnd()))
        ::SendMessageW(hParent, message, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd()), 0);
}
