#pragma once
// The GDI and USER objects this process owns, counted by kind.
// GetGuiResources is a stub under Wine (it answers 0), so the counts come
// from the handle tables themselves: every GDI handle index is probed with
// GetObjectType, every USER handle index with the test for its kind (Wine
// takes a handle without its generation bits); windows are walked.
#include <windows.h>

#include <map>
#include <ostream>
#include <string>

struct ProcessObjects
{
    std::map<std::string, int> m_gdi;  // "pen", "bitmap", "memory DC", ...
    std::map<std::string, int> m_user; // "window", "menu", "icon", "accelerator table"

    static ProcessObjects Count();
    int GdiTotal() const;
    int UserTotal() const;
    // Totals and the count of every kind.
    friend std::ostream& operator<<(std::ostream& os, const ProcessObjects& objects);
};

bool operator==(const ProcessObjects& a, const ProcessObjects& b);
inline bool operator!=(const ProcessObjects& a, const ProcessObjects& b)
{
    return !(a == b);
}
