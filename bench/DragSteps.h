// Real pointer input and per-step figures shared by the drag benchmarks.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <vector>
#include <windows.h>

// Moves the pointer through the input system to a screen point, with the
// button flags given. The screen size is read once: under Wine each read asks
// the server several times, which is no part of a drag step.
inline void MouseTo(int x, int y, DWORD flags)
{
    static const int cx = ::GetSystemMetrics(SM_CXSCREEN) - 1, cy = ::GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65535 / cx;
    input.mi.dy = y * 65535 / cy;
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    ::SendInput(1, &input, sizeof(input));
}

struct StepFigures
{
    double mean;
    double median;
    double p95; // nearest rank
};

// Figures of the times of single steps, in their unit.
inline StepFigures Summarize(std::vector<double> steps)
{
    if (steps.empty())
        return {0, 0, 0};
    std::sort(steps.begin(), steps.end());
    const size_t n = steps.size();
    const double median = n % 2 ? steps[n / 2] : (steps[n / 2 - 1] + steps[n / 2]) / 2;
    const size_t rank = static_cast<size_t>(std::ceil(0.95 * static_cast<double>(n)));
    return {std::accumulate(steps.begin(), steps.end(), 0.0) / static_cast<double>(n), median,
            steps[std::max<size_t>(rank, 1) - 1]};
}

// The display-rate goals of a drag step against the platform's control doing
// the same job: a median at most the peer's and under 8 ms (half a 60 Hz
// frame), a 95th percentile under twice the median (a quiet machine) and not
// above 16 ms (a loaded one); msUnit is 1 for figures in milliseconds, 1000
// for microseconds. Prints what is missed, or "met".
inline void PrintGoals(const char* what, const StepFigures& ours, const StepFigures& peer, double msUnit)
{
    std::printf("  %s: ", what);
    bool met = true;
    auto miss = [&](bool ok, const char* text) {
        if (!ok) {
            std::printf("%s%s", met ? "missed: " : ", ", text);
            met = false;
        }
    };
    miss(ours.median <= peer.median, "median above the peer's");
    miss(ours.median < 8 * msUnit, "median not under 8 ms");
    miss(ours.p95 < 2 * ours.median, "95th percentile not under twice the median");
    miss(ours.p95 <= 16 * msUnit, "95th percentile above 16 ms");
    std::printf("%s\n", met ? "met" : "");
}
