#include <gtest/gtest.h>
#include <windows.h>

// The prefix (scripts/wine-prefix) must give Wine the symbol font its
// caption buttons are drawn with; without it the buttons show "0 1 r".
TEST(CaptionFont, MarlettIsTheFontChosenForMarlett)
{
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Marlett");
    ASSERT_NE(nullptr, font);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = L"";
    GetTextFaceW(dc, LF_FACESIZE, face);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    EXPECT_STREQ(L"Marlett", face);
    EXPECT_EQ(SYMBOL_CHARSET, metrics.tmCharSet);
}
