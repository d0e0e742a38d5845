#pragma once
// What the example host's families share: the host's application, where the
// data files are, and the window each family builds its controls in.
#include <string>
#include "GvApplication.h"
#include "platform/mfc/GvMfc.h"

// The host's application object. Counting the status texts shows that the
// controls reach the host through getGvApp().
class CExampleApplication : public GvApplication
{
public:
    void SetStatusText(const unsigned short* text) override
    {
        ++m_statusTexts;
        GvApplication::SetStatusText(text);
    }
    int m_statusTexts = 0;
};

struct ExampleHostData
{
    CExampleApplication* app;
    // The folder of the data files copied beside the program, with a
    // trailing backslash.
    std::wstring dataDir;
};

// One family of controls in a window of its own, so that the notifications
// of its controls reach its own handlers.
class CExampleFamily : public CWnd
{
public:
    // The family's window at the top left of parent, sized to its controls.
    BOOL CreateFamily(CWnd& parent, const ExampleHostData& host);
    // Drives the controls with sent messages only (no real input, no
    // waiting), reads values, notifications and pixels back and describes
    // them in seen; true when all are as expected.
    virtual bool Check(std::string& seen) = 0;
    virtual const wchar_t* Title() const = 0;

protected:
    // Creates the controls below the title (their tops at kTop and lower);
    // returns the client size they take, or an empty size on failure.
    virtual CSize CreateControls(const ExampleHostData& host) = 0;
    static const int kTop = 22;
    static const int kMargin = 8;

private:
    CStatic m_title;
};

struct ExampleFamilyEntry
{
    const char* name;
    CExampleFamily* (*make)();
};
// Every family of the example host, in the order they are laid out and
// checked (ExampleFamilies.cpp).
extern const ExampleFamilyEntry kExampleFamilies[];
extern const int kExampleFamilyCount;

// The pixel a window shows at a point of its client area, painted first.
COLORREF ClientPixel(HWND window, CPoint point);
// A window at any depth below parent by its control id.
HWND FindDescendant(HWND parent, int id);
std::wstring WindowText(HWND window);
// printf into a std::string.
std::string Format(const char* format, ...);
