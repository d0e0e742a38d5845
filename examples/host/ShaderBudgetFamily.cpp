// The slot budget of an assembly shader, live beside its editor: the model
// named by the shader's version instruction, the slots under the library's
// rules recounted on every change of the text, and the first line over
// budget highlighted.
#include <cstring>
#include <memory>
#include <vector>
#include "ExampleHost.h"
#include "GvShaderEditor.h"

namespace {

const UINT kEditorId = 130;
const UINT kTextChangedMessage = WM_APP + 30;
const COLORREF kOverBudgetColor = RGB(176, 0, 0);

// lrp costs 3 slots in the library's ps_1_x table and 1 in the compiler's.
const wchar_t kShader[] = L"ps_1_1\n"
                          L"tex t0\n"
                          L"tex t1 // mul r1, t1, c0\n"
                          L"mul r0, t0, t1\n"
                          L"lrp r0, v0, r0, c0\n"
                          L"mad_x2 r0, r0, v0, c1\n"
                          L"add r0, r0, c2\n"
                          L"add r0, r0, c3 /* fog */\n"
                          L"add r0, r0, c4\n"
                          L"mul r0, r0, v1\n";

const unsigned short* Utf16(const CString& text)
{
    return reinterpret_cast<const unsigned short*>(static_cast<LPCWSTR>(text));
}

// "ps_1_1: arithmetic 9 of 8, texture 2 of 4 - over budget from line 10";
// a limit only where the model has it.
CString BudgetText(const GvShaderModel& model, const GvShaderBudget& budget)
{
    CString text(std::wstring(model.name, model.name + std::strlen(model.name)).c_str()), part;
    part.Format(L": arithmetic %d", budget.alu);
    text += part;
    if (model.aluLimit) {
        part.Format(L" of %d", model.aluLimit);
        text += part;
    }
    part.Format(L", texture %d", budget.tex);
    text += part;
    if (model.texLimit) {
        part.Format(L" of %d", model.texLimit);
        text += part;
    }
    if (model.totalLimit) {
        part.Format(L", slots %d of %d", budget.alu + budget.tex, model.totalLimit);
        text += part;
    }
    if (budget.firstLineOver) {
        part.Format(L" - over budget from line %d", budget.firstLineOver);
        text += part;
    }
    return text;
}

// The editor tells its parent of a change of its text once per round of the
// message loop, so that a pasted block costs one count, not one per
// character.
class CBudgetEditor : public GvMFCShaderEditorTextCtrl
{
public:
    void TextSeen() { m_changePosted = false; }

protected:
    void OnAfterTextChanged(int nOffsetFrom, const CString& strText, BOOL bInserted) override
    {
        GvMFCShaderEditorTextCtrl::OnAfterTextChanged(nOffsetFrom, strText, bInserted);
        if (!m_changePosted && GetParent()) {
            m_changePosted = true;
            GetParent()->PostMessage(kTextChangedMessage);
        }
    }

private:
    bool m_changePosted = false;
};

class CShaderBudgetFamily : public CExampleFamily
{
public:
    const wchar_t* Title() const override { return L"Shader slot budget, recounted as the shader changes"; }

    CSize CreateControls(const ExampleHostData& host) override
    {
        // The parser holds a large class table: on the heap, one for the
        // life of the page, loaded from the assembly keyword file.
        m_pAsmParser = std::make_unique<GvMFCShaderASMParser>();
        const std::wstring keywords = host.dataDir + L"asm.kwd";
        GvMFCShaderKeywordLoader loader;
        if (!loader.Load(reinterpret_cast<const unsigned short*>(keywords.c_str()), m_pAsmParser.get()))
            return CSize();
        m_pAsmParser->m_highlightColor = kOverBudgetColor;

        LOGFONTW font = {};
        font.lfHeight = -13;
        font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
        lstrcpyW(font.lfFaceName, L"Courier New");
        m_font.CreateFontIndirect(&font);
        // Ten rows of text above the horizontal scroll bar.
        const int editorBottom = kTop + 10 * LineHeight() + ::GetSystemMetrics(SM_CYHSCROLL) + 4;
        if (!m_editor.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP,
                             CRect(kMargin, kTop, 400 - kMargin, editorBottom), this, kEditorId)
            || !m_budget.Create(L"", WS_CHILD | WS_VISIBLE | SS_LEFT,
                                CRect(kMargin, editorBottom + 4, 400 - kMargin, editorBottom + 20), this))
            return CSize();
        m_budget.SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
        m_editor.SetActiveFont(&m_font);
        m_editor.LoadKeywords(m_pAsmParser.get());
        m_editor.SetWindowText(kShader);
        return CSize(400, editorBottom + 24);
    }

    bool Check(std::string& seen) override
    {
        // The text as loaded, counted when the editor told of it.
        const std::wstring loaded = WindowText(m_budget.m_hWnd);
        const COLORREF line10 = LinePixel(10), line9 = LinePixel(9);
        const std::string compiler = CompilerBudget(), walked = WalkToFirstLineOver();

        // Line 9 deleted: 8 of 8 fit, and the highlight goes.
        const CString text = m_editor.GetText();
        const int line9Start = text.Find(L"add r0, r0, c4");
        m_editor.SetSel(line9Start, text.Find(L"mul r0, r0, v1"));
        m_editor.SendMessage(WM_KEYDOWN, VK_DELETE, 1);
        AfxPumpPendingMessages();
        const std::wstring fits = WindowText(m_budget.m_hWnd);
        const COLORREF fitsLine9 = LinePixel(9);

        // An lrp typed above the first mul: 3 more slots, over from line 8.
        m_editor.SetCaret(text.Find(L"mul r0, t0, t1"));
        for (const wchar_t* p = L"lrp r1, v0, r0, c0"; *p; ++p)
            m_editor.SendMessage(WM_CHAR, *p, 1);
        m_editor.SendMessage(WM_KEYDOWN, VK_RETURN, 1);
        AfxPumpPendingMessages();
        const std::wstring typed = WindowText(m_budget.m_hWnd);
        const COLORREF typedLine8 = LinePixel(8), typedLine7 = LinePixel(7);

        // The version typed over: the model with one limit for all slots,
        // where tex, lrp and mad_x2 name no instruction.
        m_editor.SetSel(0, 6);
        for (const wchar_t* p = L"vs_1_1"; *p; ++p)
            m_editor.SendMessage(WM_CHAR, *p, 1);
        AfxPumpPendingMessages();
        const std::wstring vertex = WindowText(m_budget.m_hWnd);
        const COLORREF vertexLine8 = LinePixel(8);

        const COLORREF plain = m_pAsmParser->m_backgroundColor;
        seen = Format("budget \"%ls\", line 10 %06lX line 9 %06lX; compiler rules \"%s\"; %s; line 9 deleted \"%ls\", "
                      "line 9 %06lX; lrp typed \"%ls\", line 8 %06lX line 7 %06lX; vs_1_1 typed \"%ls\", line 8 %06lX",
                      loaded.c_str(), line10, line9, compiler.c_str(), walked.c_str(), fits.c_str(), fitsLine9,
                      typed.c_str(), typedLine8, typedLine7, vertex.c_str(), vertexLine8);
        return loaded == L"ps_1_1: arithmetic 9 of 8, texture 2 of 4 - over budget from line 10"
               && line10 == kOverBudgetColor && line9 == plain
               && compiler == "ps_1_1: arithmetic 7 of 8, texture 2 of 4"
               && walked == "line 10: mul r0, r0, v1 (1 arithmetic, total 9)"
               && fits == L"ps_1_1: arithmetic 8 of 8, texture 2 of 4" && fitsLine9 == plain
               && typed == L"ps_1_1: arithmetic 11 of 8, texture 2 of 4 - over budget from line 8"
               && typedLine8 == kOverBudgetColor && typedLine7 == plain
               && vertex == L"vs_1_1: arithmetic 4, texture 0, slots 4 of 128" && vertexLine8 == plain;
    }

protected:
    afx_msg LRESULT OnTextChanged(WPARAM, LPARAM)
    {
        m_editor.TextSeen();
        Recount();
        return 0;
    }

    void Recount()
    {
        const CString text = m_editor.GetText();
        const GvShaderModel* pModel = GvFindVersionModel(Utf16(text), text.GetLength(), nullptr, nullptr);
        GvShaderBudget budget;
        if (!pModel
            || !GvCountShaderSlots(pModel, GV_SLOT_RULES_LIBRARY, m_pAsmParser.get(), Utf16(text), text.GetLength(),
                                   budget)) {
            m_overBudget = false;
            m_budget.SetWindowText(L"Slots: no model");
            m_editor.DeleteAllMarkers((DWORD)-1, TRUE);
            return;
        }
        m_overBudget = budget.firstLineOver != 0;
        m_budget.SetWindowText(BudgetText(*pModel, budget));
        m_budget.Invalidate(); // OnCtlColor paints it red while over budget

        if (!m_overBudget) {
            m_editor.DeleteAllMarkers((DWORD)-1, TRUE);
            return;
        }
        // HighlightLine moves the caret to the line: give the typist theirs back.
        int start = 0, end = 0;
        m_editor.GetSel(start, end);
        const int caret = m_editor.GetCurOffset();
        m_editor.HighlightLine(budget.firstLineOver);
        if (start >= 0 && start != end)
            m_editor.SetSel(start, end, FALSE);
        else
            m_editor.SetCaret(caret);
    }

    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT)
    {
        HBRUSH brush = reinterpret_cast<HBRUSH>(Default());
        if (pWnd && pWnd->m_hWnd == m_budget.m_hWnd && m_overBudget)
            pDC->SetTextColor(kOverBudgetColor);
        return brush;
    }
    DECLARE_MESSAGE_MAP()

    // The same text under the rules the shader compiler states in its
    // listings: no parser needed.
    std::string CompilerBudget() const
    {
        const CString text = m_editor.GetText();
        const GvShaderModel* pModel = GvFindVersionModel(Utf16(text), text.GetLength(), nullptr, nullptr);
        GvShaderBudget budget;
        if (!pModel
            || !GvCountShaderSlots(pModel, GV_SLOT_RULES_COMPILER, nullptr, Utf16(text), text.GetLength(), budget))
            return "no count";
        const CString line = BudgetText(*pModel, budget);
        return GvUtf16ToUtf8(Utf16(line), line.GetLength());
    }

    // The lines with their costs and running totals, up to the first line
    // over budget, as a gutter or a tooltip would show them.
    std::string WalkToFirstLineOver() const
    {
        const CString text = m_editor.GetText();
        const GvShaderModel* pModel = GvFindVersionModel(Utf16(text), text.GetLength(), nullptr, nullptr);
        GvShaderSlotLines lines(pModel, GV_SLOT_RULES_LIBRARY, m_pAsmParser.get(), Utf16(text), text.GetLength());
        GvShaderLineSlots line = {};
        std::vector<unsigned short> code;
        while (lines.Next(line)) {
            // line.number, line.alu, line.tex, line.totalAlu, line.totalTex
            code.resize(line.end - line.start);
            code.resize(lines.GetCode(line, code.data(), static_cast<int>(code.size())));
            // code: the line without its comments, trimmed (empty: nothing to show)
            if (pModel && GvExceedsShaderLimits(*pModel, line.totalAlu, line.totalTex))
                return Format("line %d: %s (%d arithmetic, total %d)", line.number,
                              GvUtf16ToUtf8(code.data(), static_cast<int>(code.size())).c_str(), line.alu,
                              line.totalAlu);
        }
        return "no line over budget";
    }

    // The colour of a line's row at the editor's right edge, where only the
    // highlight paints.
    COLORREF LinePixel(int line)
    {
        CRect client;
        m_editor.GetClientRect(&client);
        const int height = LineHeight();
        return ClientPixel(m_editor.m_hWnd,
                           CPoint(client.right - 4, (line - 1 - m_editor.GetFirstVisibleRow()) * height + height / 2));
    }

    int LineHeight()
    {
        TEXTMETRICW metrics = {};
        HDC dc = ::GetDC(m_hWnd);
        HGDIOBJ old = ::SelectObject(dc, m_font.GetSafeHandle());
        ::GetTextMetricsW(dc, &metrics);
        ::SelectObject(dc, old);
        ::ReleaseDC(m_hWnd, dc);
        return metrics.tmHeight + metrics.tmExternalLeading;
    }

    std::unique_ptr<GvMFCShaderASMParser> m_pAsmParser;
    CFont m_font;
    CBudgetEditor m_editor;
    CStatic m_budget;
    bool m_overBudget = false;
};

BEGIN_MESSAGE_MAP(CShaderBudgetFamily, CExampleFamily)
    ON_MESSAGE(kTextChangedMessage, OnTextChanged)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

} // namespace

CExampleFamily* MakeShaderBudgetFamily()
{
    return new CShaderBudgetFamily;
}
