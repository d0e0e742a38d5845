#pragma once
#include "GapBuffer.h"

namespace gvedit {

// Start offsets of the rows of a text, kept in step with edits without
// rescanning: a change of length inside one row moves every later start, and
// instead of touching them all at once the table remembers one pending shift
// (the step) and applies it lazily as edits move through the text.
//
// Invariants:
// - m_starts holds Rows() + 1 entries; entry Rows() is the text length, so
//   the end of every row is the next row's start.
// - RowStart(0) == 0 and starts increase strictly: every row but the last
//   ends with its line break.
// - An entry with index > m_stepRow is stored without m_stepLength, which
//   RowStart adds back; entries up to m_stepRow are exact.
class RowTable
{
public:
    RowTable()
    {
        m_starts.InsertValue(0, 0);
        m_starts.InsertValue(1, 0);
    }

    int Rows() const { return m_starts.Length() - 1; }

    int RowStart(int row) const
    {
        const int start = m_starts[row];
        return row > m_stepRow ? start + m_stepLength : start;
    }

    // The row holding offset; the end of the text belongs to the last row.
    int RowFromOffset(int offset) const
    {
        int low = 0;
        int high = Rows() - 1;
        if (offset >= RowStart(high)) {
            return high;
        }
        while (low < high) {
            const int middle = (low + high + 1) / 2;
            if (RowStart(middle) <= offset) {
                low = middle;
            } else {
                high = middle - 1;
            }
        }
        return low;
    }

    // A new row number row (>= 1) starting at start, an offset already
    // counted in the text length.
    void InsertRow(int row, int start)
    {
        if (m_stepRow < row) {
            ApplyStep(row);
        }
        m_starts.InsertValue(row, start);
        ++m_stepRow;
    }

    // Joins row (>= 1) to the one before it.
    void RemoveRow(int row)
    {
        if (row > m_stepRow) {
            ApplyStep(row);
        }
        --m_stepRow;
        m_starts.Delete(row, 1);
    }

    // The text inside row grew by delta units (shrank when negative): every
    // later start moves.
    void ShiftAfter(int row, int delta)
    {
        if (m_stepLength == 0) {
            m_stepRow = row;
            m_stepLength = delta;
        } else if (row >= m_stepRow) {
            ApplyStep(row);
            m_stepLength += delta;
        } else if (row >= m_stepRow - m_starts.Length() / 10) {
            // Close behind the step: take the step back rather than applying
            // it to the whole rest of the table.
            m_starts.AddToRange(row + 1, m_stepRow - row, -m_stepLength);
            m_stepRow = row;
            m_stepLength += delta;
        } else {
            ApplyStep(Rows());
            m_stepRow = row;
            m_stepLength = delta;
        }
    }

    size_t AllocatedBytes() const { return m_starts.AllocatedBytes(); }

private:
    // Makes every entry up to row exact.
    void ApplyStep(int row)
    {
        if (m_stepLength != 0) {
            m_starts.AddToRange(m_stepRow + 1, row - m_stepRow, m_stepLength);
        }
        m_stepRow = row;
        if (m_stepRow >= Rows()) {
            m_stepRow = Rows();
            m_stepLength = 0;
        }
    }

    GapBuffer<int> m_starts;
    int m_stepRow = 0;
    int m_stepLength = 0;
};

} // namespace gvedit
