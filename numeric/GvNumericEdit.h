#pragma once
#include "platform/mfc/GvMfc.h"
#include "GvMFCUtilitiesExport.h"
#include "GvString.h"

/// A single-line edit holding one float. Shows it in a fixed, scientific or
/// integer form, filters typed characters, and commits the text to the value
/// when the focus leaves, before the parent receives EN_KILLFOCUS.
class GVMFCUTILITIES_API CGvNumericEdit : public CEdit
{
public:
    CGvNumericEdit();
    virtual ~CGvNumericEdit();

    /// For an edit subclassed while it handles a message: finishes that message's default processing, then SetData,
    /// then takes the focus.
    virtual void Init(float value, int precision, bool allowNegative);

    /// The value, the digits after the point, and whether a minus sign may be typed; the text follows at once.
    void SetData(float value, int precision, bool allowNegative);
    /// A new value, shown at once in the current form.
    void SetNumericValue(float value);
    /// The value as last set or committed (typing commits when the focus leaves).
    float GetNumericValue() const { return m_value; }
    /// Shows the value in exponent form from the next UpdateText.
    void SetScientificDisplay(bool scientific) { m_scientificDisplay = scientific; }
    /// Shows the value as a whole number from the next UpdateText.
    void SetNumericDisplayType(bool integer) { m_integerDisplay = integer; }

    /// Value -> m_text -> window text, in the current display form.
    void UpdateText();
    /// Window text -> value; m_text follows, the window text does not.
    void UpdateValue();

protected:
    GvStringW NumberToText(float value);
    float TextToNumber(const wchar_t* text);
    bool IsValidChar(unsigned int ch);

    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

    float m_value;
    int m_precision;
    bool m_allowNegative;
    GvStringW m_text;
    bool m_scientificDisplay;
    bool m_integerDisplay;
};
