#include <functional>

#include "ProcessObjects.h"
#include "TestFrame.h"

namespace {

using ProcessObjectsTest = Win32WindowTest;

// Each count is real: one object made on purpose shows in its kind, and
// goes again when freed.
TEST_F(ProcessObjectsTest, AnObjectLeftAliveIsCountedInItsKind)
{
    struct Leak
    {
        const char* kind;
        bool gdi;
        std::function<HANDLE()> make;
        std::function<void(HANDLE)> free;
    };
    const auto deleteObject = [](HANDLE h) { ::DeleteObject(h); };
    const Leak leaks[] = {
        {"pen", true, [] { return ::CreatePen(PS_SOLID, 1, RGB(1, 2, 3)); }, deleteObject},
        {"brush", true, [] { return ::CreateSolidBrush(RGB(1, 2, 3)); }, deleteObject},
        {"bitmap", true, [] { return ::CreateBitmap(4, 4, 1, 32, nullptr); }, deleteObject},
        {"font", true, [] { return ::CreateFontW(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma"); }, deleteObject},
        {"region", true, [] { return ::CreateRectRgn(0, 0, 4, 4); }, deleteObject},
        {"memory DC", true, [] { return ::CreateCompatibleDC(nullptr); },
         [](HANDLE h) { ::DeleteDC(static_cast<HDC>(h)); }},
        {"window", false, [this] { return CreatePlainWindow(m_frame.GetSafeHwnd(), CRect(0, 0, 5, 5)); },
         [](HANDLE h) { ::DestroyWindow(static_cast<HWND>(h)); }},
        {"window", false, [] { return CreatePlainWindow(HWND_MESSAGE, CRect(), 0); },
         [](HANDLE h) { ::DestroyWindow(static_cast<HWND>(h)); }},
        {"menu", false, [] { return ::CreatePopupMenu(); }, [](HANDLE h) { ::DestroyMenu(static_cast<HMENU>(h)); }},
        {"icon", false,
         [] {
             static const BYTE andMask[2] = {0xFF, 0}, xorMask[2] = {0, 0};
             return ::CreateIcon(nullptr, 8, 1, 1, 1, andMask, xorMask);
         },
         [](HANDLE h) { ::DestroyIcon(static_cast<HICON>(h)); }},
        {"accelerator table", false,
         [] {
             ACCEL accel = {FVIRTKEY, VK_F5, 1};
             return ::CreateAcceleratorTableW(&accel, 1);
         },
         [](HANDLE h) { ::DestroyAcceleratorTable(static_cast<HACCEL>(h)); }},
    };
    for (const Leak& leak : leaks) {
        leak.free(leak.make()); // caches the system fills on first use stay
        const ProcessObjects before = ProcessObjects::Count();
        const HANDLE object = leak.make();
        ASSERT_TRUE(object) << leak.kind;
        ProcessObjects leaked = ProcessObjects::Count();
        // An icon holds bitmaps of its own: only the kind itself is exact.
        auto& kinds = leak.gdi ? leaked.m_gdi : leaked.m_user;
        const auto& kindsBefore = leak.gdi ? before.m_gdi : before.m_user;
        EXPECT_EQ(kindsBefore.count(leak.kind) ? kindsBefore.at(leak.kind) + 1 : 1, kinds[leak.kind]) << leaked;
        leak.free(object);
        EXPECT_EQ(before, ProcessObjects::Count()) << leak.kind;
    }
}

} // namespace
