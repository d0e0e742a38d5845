#pragma once
#include <functional>
#include "platform/mfc/GvMfc.h"

// One page of the demo: a child window of the frame holding a group of the
// library's controls. Panels are listed in DemoPanels.cpp; a later subsystem
// adds its page there. A panel may have several scenes (the plain page, a
// pop-up open, ...), each saved as one picture in screenshot mode.
class CDemoPanel : public CWnd
{
public:
    virtual LPCWSTR GetTitle() const = 0;
    // Short file-name part of the panel's pictures, e.g. "numeric".
    virtual LPCWSTR GetName() const = 0;
    virtual BOOL CreatePanel(CWnd* pParent, const CRect& rect, UINT nID) = 0;

    virtual int GetSceneCount() const { return 1; }
    // Puts the panel into scene i; returns the scene's name ("" for the plain page).
    virtual CString BeginScene(int scene) { return CString(); }
    // Leaves scene i (closes what BeginScene opened).
    virtual void EndScene(int scene) {}
    // A scene that stands only inside a modal loop (an open menu) calls
    // capture itself from there and returns true; false: the picture is
    // taken after BeginScene returned.
    virtual bool CaptureInScene(int scene, const std::function<void()>& capture) { return false; }
};

// The panels' own layout is given in pixels at 96 DPI, each scaled with
// AfxScaleForWindow where it is used.

// The font of the panels' own labels and buttons.
inline HFONT GuiFont()
{
    return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

typedef CDemoPanel* (*DemoPanelFactory)();

// The panels in menu order, ended by a null entry.
extern const DemoPanelFactory kDemoPanels[];
