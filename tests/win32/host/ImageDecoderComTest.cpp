#include <windows.h>
#include <objbase.h>

#include <memory>
#include <thread>

#include "GvTexture.h"
#include "HostTestSupport.h"

namespace {

using ImageDecoderComTest = GvLeakCheckedTest;

constexpr DWORD kNoCom = ~0u;

// Decodes a picture on a new thread whose COM state the host set up (or
// not), then asks COM whether that thread is still in the apartment it was.
TEST_F(ImageDecoderComTest, DecodingLeavesTheThreadsComAsTheHostSetItUp)
{
    struct Row
    {
        const char* what;
        DWORD hostMode;
        HRESULT probe; // CoInitializeEx(single-threaded) afterwards
    };
    const Row rows[] = {
        {"no COM: none left behind", kNoCom, S_OK},
        {"single-threaded: still entered", COINIT_APARTMENTTHREADED, S_FALSE},
        {"multithreaded: still multithreaded", COINIT_MULTITHREADED, RPC_E_CHANGED_MODE},
    };
    for (const Row& row : rows) {
        GvTextureLoadError error = GV_LOAD_CORRUPT;
        bool loaded = false;
        HRESULT probe = E_UNEXPECTED;
        std::thread thread([&] {
            if (row.hostMode != kNoCom)
                CoInitializeEx(nullptr, row.hostMode);
            const std::unique_ptr<GvTexture> texture(GvLoadTexture(Units(SamplePath("gradient.png")), &error));
            loaded = texture != nullptr;
            probe = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
            if (SUCCEEDED(probe))
                CoUninitialize();
            if (row.hostMode != kNoCom)
                CoUninitialize();
        });
        thread.join();
        EXPECT_TRUE(loaded) << row.what << ": " << error;
        EXPECT_EQ(row.probe, probe) << row.what;
    }
}

} // namespace
