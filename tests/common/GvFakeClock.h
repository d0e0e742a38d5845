#pragma once
// The clock of the node-notification throttles in tests: it moves only when
// told. An object installs it for its life; each one starts far beyond the
// times of earlier tests, so the process-wide records let the first
// notification through.
#include "window_utils/NotifyThrottle.h"

class GvFakeClock
{
public:
    GvFakeClock() : m_previous(GvSetNotifyClock(&Now)) { s_now += 100000; }
    ~GvFakeClock() { GvSetNotifyClock(m_previous); }
    GvFakeClock(const GvFakeClock&) = delete;
    GvFakeClock& operator=(const GvFakeClock&) = delete;

    static long Now() { return s_now; }
    static void Set(long now) { s_now = now; }
    static void Advance(long ticks) { s_now += ticks; }

private:
    static inline long s_now = 0;
    GvClockFunction m_previous;
};
