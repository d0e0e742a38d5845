#include "LineMarkers.h"
#include <algorithm>

namespace gvedit {

const LineMarker& LineMarkers::Add(LineMarker marker)
{
    marker.id = m_nextId++;
    m_markers.push_back(marker);
    return m_markers.back();
}

const LineMarker* LineMarkers::Find(int id) const
{
    for (const LineMarker& marker : m_markers) {
        if (marker.id == id) {
            return &marker;
        }
    }
    return nullptr;
}

int LineMarkers::Remove(unsigned typeMask)
{
    const size_t before = m_markers.size();
    m_markers.erase(std::remove_if(m_markers.begin(), m_markers.end(),
                                   [typeMask](const LineMarker& m) { return typeMask == ~0u || (m.type & typeMask); }),
                    m_markers.end());
    return static_cast<int>(before - m_markers.size());
}

const LineMarker* LineMarkers::Top(int row) const
{
    const LineMarker* top = nullptr;
    for (const LineMarker& marker : m_markers) {
        const int rows = std::max(marker.lineCount, 1);
        if (row >= marker.row && row < marker.row + rows && (!top || marker.priority >= top->priority)) {
            top = &marker;
        }
    }
    return top;
}

void LineMarkers::RowsInserted(int row, int count)
{
    for (LineMarker& marker : m_markers) {
        if (marker.row >= row) {
            marker.row += count;
        }
    }
}

void LineMarkers::RowsRemoved(int row, int count)
{
    m_markers.erase(std::remove_if(m_markers.begin(), m_markers.end(),
                                   [&](const LineMarker& m) { return m.row >= row && m.row < row + count; }),
                    m_markers.end());
    for (LineMarker& marker : m_markers) {
        if (marker.row >= row + count) {
            marker.row -= count;
        }
    }
}

} // namespace gvedit
