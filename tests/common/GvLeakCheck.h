#pragma once
#include <gtest/gtest.h>
#include "GvMemory.h"

// Base fixture: every buffer the test body takes from GvAllocateBuffer must
// be back by the end of the test.
class GvLeakCheckedTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_liveCountAtStart = GvGetLiveBufferCount();
        m_liveBytesAtStart = GvGetLiveBufferBytes();
    }
    void TearDown() override
    {
        EXPECT_EQ(m_liveCountAtStart, GvGetLiveBufferCount()) << "buffers leaked";
        EXPECT_EQ(m_liveBytesAtStart, GvGetLiveBufferBytes()) << "bytes leaked";
    }

private:
    size_t m_liveCountAtStart = 0;
    size_t m_liveBytesAtStart = 0;
};
