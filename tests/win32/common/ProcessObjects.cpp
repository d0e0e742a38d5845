#include "ProcessObjects.h"

#include <numeric>
#include <vector>

namespace {

const char* GdiKind(DWORD type)
{
    switch (type) {
    case OBJ_PEN:
    case OBJ_EXTPEN: return "pen";
    case OBJ_BRUSH: return "brush";
    case OBJ_DC: return "DC";
    case OBJ_MEMDC: return "memory DC";
    case OBJ_METADC:
    case OBJ_ENHMETADC: return "metafile DC";
    case OBJ_PAL: return "palette";
    case OBJ_FONT: return "font";
    case OBJ_BITMAP: return "bitmap";
    case OBJ_REGION: return "region";
    case OBJ_METAFILE:
    case OBJ_ENHMETAFILE: return "metafile";
    case OBJ_COLORSPACE: return "colour space";
    default: return "other";
    }
}

// Low words of the USER handles: index 0 sits at 0x20, two apart.
const UINT kFirstUserHandle = 0x0020;
const UINT kLastUserHandle = 0xFFEF;

bool IsIcon(HICON icon)
{
    ICONINFO info = {};
    if (!::GetIconInfo(icon, &info))
        return false;
    // The answer holds copies of the icon's bitmaps.
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    return true;
}

BOOL CALLBACK CountWindow(HWND hWnd, LPARAM lParam)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(hWnd, &process);
    if (process == ::GetCurrentProcessId())
        ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

// Top-level and message-only windows, with all their descendants.
int CountWindows()
{
    std::vector<HWND> tops;
    ::EnumWindows(
        [](HWND hWnd, LPARAM lParam) {
            reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tops));
    for (HWND hWnd = nullptr; (hWnd = ::FindWindowExW(HWND_MESSAGE, hWnd, nullptr, nullptr));)
        tops.push_back(hWnd);
    int count = 0;
    for (HWND top : tops) {
        CountWindow(top, reinterpret_cast<LPARAM>(&count));
        ::EnumChildWindows(top, CountWindow, reinterpret_cast<LPARAM>(&count));
    }
    return count;
}

int Total(const std::map<std::string, int>& counts)
{
    return std::accumulate(counts.begin(), counts.end(), 0,
                           [](int sum, const std::pair<const std::string, int>& kind) { return sum + kind.second; });
}

void PrintKinds(std::ostream& os, const std::map<std::string, int>& counts)
{
    for (const auto& kind : counts)
        os << " " << kind.first << " " << kind.second << ";";
}

} // namespace

ProcessObjects ProcessObjects::Count()
{
    ProcessObjects objects;
    // Index 0 is never a handle; GetObjectType of a free index answers 0.
    for (UINT index = 1; index <= 0xFFFF; ++index)
        if (const DWORD type = ::GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(index))))
            ++objects.m_gdi[GdiKind(type)];
    objects.m_user["window"] = CountWindows();
    for (UINT index = kFirstUserHandle; index <= kLastUserHandle; index += 2) {
        const HANDLE handle = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(index));
        if (::IsMenu(static_cast<HMENU>(handle)))
            ++objects.m_user["menu"];
        else if (IsIcon(static_cast<HICON>(handle)))
            ++objects.m_user["icon"];
        else if (::CopyAcceleratorTableW(static_cast<HACCEL>(handle), nullptr, 0) > 0)
            ++objects.m_user["accelerator table"];
    }
    return objects;
}

int ProcessObjects::GdiTotal() const
{
    return Total(m_gdi);
}

int ProcessObjects::UserTotal() const
{
    return Total(m_user);
}

bool operator==(const ProcessObjects& a, const ProcessObjects& b)
{
    return a.m_gdi == b.m_gdi && a.m_user == b.m_user;
}

std::ostream& operator<<(std::ostream& os, const ProcessObjects& objects)
{
    os << "GDI " << objects.GdiTotal() << " (";
    PrintKinds(os, objects.m_gdi);
    os << " ), USER " << objects.UserTotal() << " (";
    PrintKinds(os, objects.m_user);
    return os << " )";
}
