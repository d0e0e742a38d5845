#include <gtest/gtest.h>
#include "GvFakeClock.h"
#include "color/ColorPickerMath.h"
#include "variable_editors/VariableGridLayout.h"

namespace {

TEST(NotifyThrottle, PassesAfterMoreThanTenTicksAndWhenTheClockWentBack)
{
    GvFakeClock clock;
    GvTickThrottle throttle;
    const struct
    {
        long now;
        bool passes;
    } steps[] = {{5, false}, {10, false}, {11, true},  {21, false}, {22, true},
                 {1000, true}, {1009, false}, {500, true}, {510, false}, {511, true}};
    for (const auto& step : steps) {
        GvFakeClock::Set(step.now);
        EXPECT_EQ(step.passes, throttle.Pass()) << "at " << step.now;
    }
}

TEST(NotifyThrottle, EachFamilyKeepsItsOwnRecords)
{
    GvFakeClock clock;
    EXPECT_TRUE(GvPickerValueThrottle().Pass());
    EXPECT_TRUE(GvPickerColorThrottle().Pass());
    EXPECT_TRUE(GvGridThrottle().Pass());
    GvFakeClock::Advance(10);
    EXPECT_FALSE(GvPickerValueThrottle().Pass());
    EXPECT_FALSE(GvPickerColorThrottle().Pass());
    EXPECT_FALSE(GvGridThrottle().Pass());
}

} // namespace
