#pragma once

namespace gvedit {

// Wheel deltas summed as the standard controls sum them: a notch is taken
// each time the sum reaches the wheel's step (WHEEL_DELTA, 120) and what is
// left waits for the next delta, so the small deltas of precision touchpads
// and free-spinning wheels (four of 30) scroll as one of 120. A turn the
// other way drops what was left in the first direction.
class WheelAccumulator
{
public:
    static constexpr int kNotch = 120;

    // The whole notches the sum has reached, signed as the delta.
    int Add(int delta)
    {
        if ((delta > 0 && m_rest < 0) || (delta < 0 && m_rest > 0)) {
            m_rest = 0;
        }
        m_rest += delta;
        const int notches = m_rest / kNotch;
        m_rest -= notches * kNotch;
        return notches;
    }
    void Reset() { m_rest = 0; }

private:
    int m_rest = 0;
};

} // namespace gvedit
