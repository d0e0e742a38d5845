#pragma once
#include <string>
#include <vector>
#include "TestFrame.h"
#include "TestPixels.h"
#include "platform/edit/BCGPEditCtrl.h"

// The control with its base state readable.
class CTestEditCtrl : public CBCGPEditCtrl
{
public:
    using CBCGPEditCtrl::m_bKeepTabs;
    using CBCGPEditCtrl::m_clrBack;
    using CBCGPEditCtrl::m_clrBackSelActive;
    using CBCGPEditCtrl::m_clrText;
    using CBCGPEditCtrl::m_lstColorBlocks;
    using CBCGPEditCtrl::m_nTabSize;
    using CBCGPEditCtrl::m_nTotalLines;
};

// A 400 x 300 frame holding a 360 x 240 editor (CBCGPEditCtrl or a class
// over it) in a Courier New font whose metrics the tests use to find rows and
// columns.
template <class Ctrl>
class EditCtrlFixture : public Win32WindowTest
{
protected:
    void SetUp() override
    {
        Win32WindowTest::SetUp();
        LOGFONTW font = {-16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, FIXED_PITCH | FF_MODERN, L"Courier New"};
        m_hFont = ::CreateFontIndirectW(&font);
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 240), &m_frame, 100));
        m_edit.SendMessage(WM_SETFONT, (WPARAM)m_hFont, TRUE);
        const TEXTMETRICW metrics = Metrics(m_hFont);
        m_lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
        m_charWidth = metrics.tmAveCharWidth;
        m_edit.SetFocus();
        AfxPumpPendingMessages();
    }
    void TearDown() override
    {
        m_edit.DestroyWindow();
        ::DeleteObject(m_hFont);
        Win32WindowTest::TearDown();
    }

    static TEXTMETRICW Metrics(HFONT hFont)
    {
        HDC hdc = ::GetDC(nullptr);
        HGDIOBJ old = ::SelectObject(hdc, hFont);
        TEXTMETRICW metrics = {};
        ::GetTextMetricsW(hdc, &metrics);
        ::SelectObject(hdc, old);
        ::ReleaseDC(nullptr, hdc);
        return metrics;
    }
    // count rows of the format with their number ("row%03d\n"), as the text.
    void SetRows(int count, LPCWSTR format)
    {
        CString text, row;
        for (int i = 0; i < count; ++i) {
            row.Format(format, i);
            text += row;
        }
        m_edit.SetWindowText(text);
    }
    static int WheelLines()
    {
        UINT lines = 3;
        ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        return static_cast<int>(lines);
    }
    // Keys as the control receives them, with Shift and Ctrl held as asked;
    // paint paints what the key invalidated, as a message loop would.
    void Key(UINT vk, bool shift = false, bool control = false, bool paint = true)
    {
        BYTE state[256] = {};
        ::GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        state[VK_CONTROL] = control ? 0x80 : 0;
        ::SetKeyboardState(state);
        m_edit.SendMessage(WM_KEYDOWN, vk, 1);
        state[VK_SHIFT] = state[VK_CONTROL] = 0;
        ::SetKeyboardState(state);
        if (paint)
            m_edit.UpdateWindow();
    }
    void Type(LPCWSTR text)
    {
        for (; *text; ++text)
            m_edit.SendMessage(WM_CHAR, *text, 1);
    }
    // The client point over the left half of the character at row, column.
    CPoint CellPoint(int row, int column) const
    {
        return CPoint(4 + column * m_charWidth + 1, row * m_lineHeight + m_lineHeight / 2);
    }
    // The character cells [column, column + count) of a row.
    CRect Cells(int row, int column, int count) const
    {
        return CRect(4 + column * m_charWidth, row * m_lineHeight, 4 + (column + count) * m_charWidth,
                     (row + 1) * m_lineHeight);
    }
    // The client area as WM_PRINTCLIENT paints it.
    CPixels Printed()
    {
        CRect client;
        m_edit.GetClientRect(&client);
        const CCanvas canvas(client.Width(), client.Height(), RGB(1, 2, 3));
        m_edit.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
        return canvas.Pixels();
    }
    CString Text() const { return m_edit.GetText(); }
    // anchor -1: no selection, the caret at caret.
    void ExpectSelection(int anchor, int caret)
    {
        int start = 0, end = 0;
        m_edit.GetSel(start, end);
        EXPECT_EQ(anchor, start);
        EXPECT_EQ(anchor == -1 ? -1 : caret, end);
        EXPECT_EQ(caret, m_edit.GetCurOffset());
    }

    Ctrl m_edit;
    HFONT m_hFont = nullptr;
    int m_lineHeight = 0;
    int m_charWidth = 0;
};

using EditCtrlTest = EditCtrlFixture<CTestEditCtrl>;

// Whether any pixel of the area has the colour.
inline bool Has(const CPixels& pixels, const CRect& area, COLORREF color)
{
    return !pixels.BoundsOf(color, area).IsRectEmpty();
}

// The text print draws on a metafile DC made like the screen's, one string
// per text record.
template <class Print>
std::vector<std::wstring> PrintedTexts(Print print, LPCWSTR description = nullptr)
{
    HDC reference = ::GetDC(nullptr);
    CDC dc;
    dc.Attach(::CreateEnhMetaFileW(reference, nullptr, nullptr, description));
    ::ReleaseDC(nullptr, reference);
    print(dc);
    HENHMETAFILE metafile = ::CloseEnhMetaFile(dc.Detach());
    std::vector<std::wstring> texts;
    ::EnumEnhMetaFile(
        nullptr, metafile,
        [](HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) -> int {
            if (record->iType == EMR_EXTTEXTOUTW) {
                const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
                const auto* chars =
                    reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + text->emrtext.offString);
                reinterpret_cast<std::vector<std::wstring>*>(data)->emplace_back(chars, text->emrtext.nChars);
            }
            return 1;
        },
        &texts, nullptr);
    ::DeleteEnhMetaFile(metafile);
    return texts;
}
