#include <gtest/gtest.h>
#include "GvFakeClock.h"
#include "color/ColorPickerMath.h"
#include "variable_editors/VariableGridLayout.h"

namespace {

TEST(NotifyThrottle, PassesAfterMoreThanTenTicksAndWhenTheClockWentBack)
{
    GvFakeClock clock;
    GvTickThrottle throttle;
    const std::pair<long, bool> steps[] = {{5, false},   {10, false},   {11, true},  {21, false},  {22, true},
                                           {1000, true}, {1009, false}, {500, true}, {510, false}, {511, true}};
    for (const auto& [now, passes] : steps) {
        GvFakeClock::Set(now);
        EXPECT_EQ(passes, throttle.Pass()) << "at " << now;
    }
}

TEST(NotifyThrottle, EachFamilyKeepsItsOwnRecords)
{
    GvFakeClock clock;
    // Each family passes once, not held back by the others.
    for (bool expected : {true, false}) {
        EXPECT_EQ(expected, GvPickerValueThrottle().Pass());
        EXPECT_EQ(expected, GvPickerColorThrottle().Pass());
        EXPECT_EQ(expected, GvGridThrottle().Pass());
        GvFakeClock::Advance(10);
    }
}

} // namespace
