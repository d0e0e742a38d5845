#include "TextBuffer.h"

namespace gvedit {

std::u16string TextBuffer::Text(int offset, int count) const
{
    std::u16string text(static_cast<size_t>(count), u'\0');
    m_text.Copy(offset, count, text.data());
    return text;
}

void TextBuffer::Insert(int offset, std::u16string_view text)
{
    const int count = static_cast<int>(text.size());
    if (count == 0) {
        return;
    }
    int row = m_rows.RowFromOffset(offset);
    m_text.Insert(offset, text.data(), count);
    m_rows.ShiftAfter(row, count);
    for (int i = 0; i < count; ++i) {
        if (text[i] == u'\n') {
            m_rows.InsertRow(++row, offset + i + 1);
        }
    }
}

void TextBuffer::Delete(int offset, int count)
{
    if (count <= 0) {
        return;
    }
    const int row = m_rows.RowFromOffset(offset);
    for (int i = 0; i < count; ++i) {
        if (m_text[offset + i] == u'\n') {
            m_rows.RemoveRow(row + 1);
        }
    }
    m_rows.ShiftAfter(row, -count);
    m_text.Delete(offset, count);
}

} // namespace gvedit
