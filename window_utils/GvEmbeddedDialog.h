#pragma once
#include "platform/mfc/GvMfc.h"
#include "GvMFCUtilitiesExport.h"
#include "GvNode.h"
#include "window_utils/NotifyThrottle.h"

// The base of the dialogs that a host embeds as controls in its own windows
// (the colour picker, the variable and the texture edit controls). It holds
// what they share: Enter and Escape that never end the control, the tool
// tip's relay, the rectangles of children, the commit after a spin and the
// node notification.
class GVMFCUTILITIES_API CGvEmbeddedDialog : public CDialog
{
public:
    // Sends WM_KILLFOCUS then WM_SETFOCUS to the focus window when it lies
    // inside the dialog, so a typed value is applied and the edit stays
    // focused; false when the focus is elsewhere.
    bool CommitPendingEdit();

protected:
    explicit CGvEmbeddedDialog(UINT nIDTemplate = 0);

    // Creates the dialog from one of the library's templates as a child of
    // hParent, with the library's resources current meanwhile.
    BOOL CreateFromLibrary(UINT nIDTemplate, HWND hParent);

    // Enter and Escape reach an embedded dialog when its host is no dialog
    // (IsDialogMessage stops at it): Enter commits the focused child, and
    // neither ends (hides) the control as the base processing would.
    void OnOK() override;
    void OnCancel() override;
    // Once m_toolTip exists, every message is relayed to it (brought to the
    // top and activated first), then translated as a dialog's.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // A child's window rectangle in this dialog's client coordinates.
    CRect ChildRect(const CWnd& child) const;
    // UDN_DELTAPOS of a spin whose buddy commits on losing the focus: the
    // kill-focus is posted, so the buddy's rule runs once the spin has
    // written its text, and the change is allowed.
    static void CommitAfterSpin(CWnd& buddy, LRESULT* pResult);
    // NotifyNodeChanged(kind, node, 0, sourceId) of the application, when
    // there are an application and a node. With a throttle only when it
    // passes; returns whether it passed (always without one).
    static bool NotifyNode(int kind, GvNode* node, const void* sourceId, GvTickThrottle* throttle = nullptr);

    // The smart erase takes the new button face.
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

    CToolTipCtrl m_toolTip;

private:
    // Tab and Shift+Tab in a dialog whose host navigates among its own
    // children (its parent is a WS_EX_CONTROLPARENT window) are the host's:
    // the host's order runs through this dialog's stops and out again,
    // instead of wrapping round inside it.
    bool LeavesTabToHost(const MSG& msg) const;
};
