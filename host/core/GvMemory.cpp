#include "GvMemory.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>

namespace {

// Each block carries its size in front so that the byte counter can be kept
// on release; 16 bytes keep the caller's part aligned for any type.
constexpr size_t kHeader = 16;

std::atomic<size_t> g_liveCount{0};
std::atomic<size_t> g_liveBytes{0};
std::atomic<size_t> g_allocations{0};

} // namespace

void* GvAllocateBuffer(size_t bytes)
{
    if (bytes > SIZE_MAX - kHeader)
        return nullptr;
    unsigned char* block = static_cast<unsigned char*>(std::malloc(kHeader + bytes));
    if (!block)
        return nullptr;
    *reinterpret_cast<size_t*>(block) = bytes;
    ++g_liveCount;
    ++g_allocations;
    g_liveBytes += bytes;
    return block + kHeader;
}

void GvDeallocateBuffer(void* buffer)
{
    if (!buffer)
        return;
    unsigned char* block = static_cast<unsigned char*>(buffer) - kHeader;
    --g_liveCount;
    g_liveBytes -= *reinterpret_cast<size_t*>(block);
    std::free(block);
}

size_t GvGetLiveBufferCount()
{
    return g_liveCount;
}
size_t GvGetLiveBufferBytes()
{
    return g_liveBytes;
}
size_t GvGetAllocationCount()
{
    return g_allocations;
}
