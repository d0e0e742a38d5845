#include "window_utils/NotifyThrottle.h"

#include <ctime>

namespace {

long LibraryClock()
{
    return static_cast<long>(std::clock());
}

GvClockFunction g_clock = &LibraryClock;

} // namespace

GvClockFunction GvSetNotifyClock(GvClockFunction clock)
{
    const GvClockFunction previous = g_clock;
    g_clock = clock ? clock : &LibraryClock;
    return previous;
}

bool GvTickThrottle::Pass()
{
    const unsigned long now = static_cast<unsigned long>(g_clock());
    if (now - m_last <= 10)
        return false;
    m_last = now;
    return true;
}
