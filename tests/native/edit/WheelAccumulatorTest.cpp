#include <gtest/gtest.h>
#include "WheelAccumulator.h"

namespace {

TEST(WheelAccumulator, SmallDeltasAddUpToNotchesAndATurnBackStartsAgain)
{
    gvedit::WheelAccumulator wheel;
    // Delta, notches.
    const int steps[][2] = {{30, 0},  {30, 0},   {30, 0},    {30, 1}, {100, 0}, {100, 1},   {-30, 0}, {-30, 0},
                            {-30, 0}, {-30, -1}, {-250, -2}, {20, 0}, {360, 3}, {-120, -1}, {1, 0}};
    for (const auto& [delta, notches] : steps)
        EXPECT_EQ(notches, wheel.Add(delta)) << "delta " << delta;
}

} // namespace
