#pragma once
#include <cstddef>
#include "GvCoreExport.h"

// Every list node and string block of the host and of the library comes from
// here. The counters let a test assert that nothing leaked.
GV_CORE_API void* GvAllocateBuffer(size_t bytes);
GV_CORE_API void GvDeallocateBuffer(void* buffer);

GV_CORE_API size_t GvGetLiveBufferCount();
GV_CORE_API size_t GvGetLiveBufferBytes();
// Every successful GvAllocateBuffer so far, freed or not: a test can show
// that a piece of code allocates nothing at all.
GV_CORE_API size_t GvGetAllocationCount();
