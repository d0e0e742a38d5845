#pragma once
#include "GvApplication.h"
#include "platform/mfc/GvMfc.h"

// The demo's application object: the host stand-in, whose status text also
// goes to the status line of the page that asked for it.
class CDemoApplication : public GvApplication
{
public:
    // Null: the text is only kept.
    void SetStatusWindow(HWND hWnd) { m_hStatusWnd = hWnd; }
    void SetStatusText(const unsigned short* text) override
    {
        GvApplication::SetStatusText(text);
        if (m_hStatusWnd)
            ::SetWindowTextW(m_hStatusWnd, reinterpret_cast<LPCWSTR>(text));
    }

private:
    HWND m_hStatusWnd = nullptr;
};
