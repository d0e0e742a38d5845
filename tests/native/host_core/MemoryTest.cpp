#include <cstdint>
#include "GvLeakCheck.h"
#include "GvMemory.h"

namespace {

class GvMemoryTest : public GvLeakCheckedTest
{};

TEST_F(GvMemoryTest, AllocationCountGrowsWithEveryAllocationAndHugeSizesAreRefused)
{
    const size_t before = GvGetAllocationCount();
    void* a = GvAllocateBuffer(4);
    void* b = GvAllocateBuffer(0);
    EXPECT_EQ(before + 2, GvGetAllocationCount());
    GvDeallocateBuffer(a);
    GvDeallocateBuffer(b);
    GvDeallocateBuffer(nullptr);
    EXPECT_EQ(before + 2, GvGetAllocationCount());
    EXPECT_EQ(nullptr, GvAllocateBuffer(SIZE_MAX));
    EXPECT_EQ(nullptr, GvAllocateBuffer(SIZE_MAX - 8));
}

} // namespace
