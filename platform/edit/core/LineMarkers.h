#pragma once
#include <vector>
#include "CharClass.h"

namespace gvedit {

// Colours for whole rows: an error line, a breakpoint. lineCount 0 or 1 marks
// one row, more mark that many from row. fullLine paints the background out
// to the window's edge, otherwise behind the text only.
struct LineMarker
{
    int id = 0;
    int row = 0;
    int lineCount = 0;
    Color fore = kNoColor;
    Color back = kNoColor;
    bool fullLine = true;
    unsigned type = 0;
    unsigned priority = 0;
};

// The markers of a document, moved with the rows they mark.
//
// Invariants:
// - Ids are unique and never reused; m_markers is in the order added.
// - Where markers overlap, the one with the higher priority shows; at equal
//   priority the one added later.
class LineMarkers
{
public:
    const LineMarker& Add(LineMarker marker);
    const LineMarker* Find(int id) const;
    // Removes the markers whose type shares a bit with typeMask (all types
    // with ~0u); returns how many went.
    int Remove(unsigned typeMask);
    const LineMarker* Top(int row) const;
    bool Empty() const { return m_markers.empty(); }

    // count rows were inserted before row.
    void RowsInserted(int row, int count);
    // Rows [row, row + count) were joined into the row before them: their
    // markers go, later ones move up.
    void RowsRemoved(int row, int count);

private:
    std::vector<LineMarker> m_markers;
    int m_nextId = 1;
};

} // namespace gvedit
