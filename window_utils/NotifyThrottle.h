#pragma once
// The throttle of node notifications during drags and sweeps: the grid
// editor and the colour picker tell the host at most once per more than 10
// ticks of the C library's clock. Portable; tests install a clock of their
// own.
#include "GvMFCUtilitiesExport.h"

typedef long (*GvClockFunction)();
// The clock every throttle reads. Null puts back the C library's clock.
// Returns the previous one.
GVMFCUTILITIES_API GvClockFunction GvSetNotifyClock(GvClockFunction clock);

// One record: passes, and remembers the time, when more than 10 ticks went
// by since its last pass. The difference is taken unsigned, so a clock that
// went back (the C library's wraps after some 24 days on Windows) passes
// at once and starts again from there, instead of holding every
// notification until it has caught up with the old record.
class GvTickThrottle
{
public:
    bool Pass();

private:
    unsigned long m_last = 0;
};
