#pragma once
#include <string>
#include <string_view>
#include "GapBuffer.h"
#include "RowTable.h"

namespace gvedit {

// The text of a document: UTF-16 code units addressed by offsets, and the
// start of each row. Only '\n' ends a row; the window layer turns "\r\n" into
// "\n" on the way in and back on the way out.
//
// Invariants:
// - m_rows.Rows() == 1 + the number of '\n' in the text, and RowStart(r + 1)
//   is one past the r-th '\n'.
// - Offsets passed in lie in [0, Length()]; out-of-range requests are the
//   caller's fault (the window layer clamps).
class TextBuffer
{
public:
    int Length() const { return m_text.Length(); }
    char16_t At(int offset) const { return m_text[offset]; }
    std::u16string Text(int offset, int count) const;
    std::u16string Text() const { return Text(0, Length()); }

    void Insert(int offset, std::u16string_view text);
    void Delete(int offset, int count);

    int Rows() const { return m_rows.Rows(); }
    int RowStart(int row) const { return m_rows.RowStart(row); }
    // The offset of the row's line break, or the text length on the last row.
    int RowEnd(int row) const { return row + 1 < Rows() ? m_rows.RowStart(row + 1) - 1 : Length(); }
    int RowFromOffset(int offset) const { return m_rows.RowFromOffset(offset); }

    size_t AllocatedBytes() const { return m_text.AllocatedBytes() + m_rows.AllocatedBytes(); }

private:
    GapBuffer<char16_t> m_text;
    RowTable m_rows;
};

} // namespace gvedit
