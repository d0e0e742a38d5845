#pragma once
#include "platform/mfc/GvMfc.h"
#include "GvMFCUtilitiesExport.h"

/// An owner-drawn push button with host-chosen text and face colours and its
/// own three-dimensional frame (raised, pressed, focused, disabled), drawn
/// from seven stored colours that default to the system's button colours.
/// The host subclasses a BS_OWNERDRAW button with it.
class GVMFCUTILITIES_API CColorButton : public CButton
{
public:
    CColorButton();
    virtual ~CColorButton();

    /// Also puts the disabled colour back to the system face colour.
    void SetColor(COLORREF text, COLORREF background);
    /// Text, face and disabled-face colours; the button is redrawn.
    void SetColor(COLORREF text, COLORREF background, COLORREF disabled);
    /// Every colour back to the system's button colours; the button is redrawn.
    void ResetColor();
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // Accessibility: a push button named by its text, its face colour as description.
    HRESULT get_accDescription(VARIANT varChild, BSTR* pszDescription) override;
    HRESULT get_accRole(VARIANT varChild, VARIANT* pvarRole) override;

protected:
    void DrawFilledRect(CDC* pDC, CRect rect, COLORREF color);
    void DrawLine(CDC* pDC, long x1, long y1, long x2, long y2, COLORREF color);
    void DrawButtonText(CDC* pDC, CRect rect, const wchar_t* text, COLORREF color);
    /// Style bits: 4 black outline, 2 raised, 1 pressed; outside in.
    void DrawButtonFrame(CDC* pDC, CRect rect, int style);

    DECLARE_MESSAGE_MAP()

    COLORREF m_textColor;
    COLORREF m_backgroundColor;
    COLORREF m_disabledColor;
    COLORREF m_lightColor;
    COLORREF m_highlightColor;
    COLORREF m_shadowColor;
    COLORREF m_darkShadowColor;

private:
    // Each colour above that still holds the system colour it was read from
    // takes the system's new one; called before each draw, since the system
    // repaints every window when its colours change.
    void FollowSystemColors();

    // The system colours of the seven fields, in their order, as last read;
    // CLR_INVALID for a colour the host gave through SetColor.
    COLORREF m_systemColors[7];
};
