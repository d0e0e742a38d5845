#include "WordColors.h"

namespace gvedit {

namespace {

std::u16string Folded(std::u16string_view word)
{
    std::u16string folded(word);
    for (char16_t& c : folded) {
        c = FoldCase(c);
    }
    return folded;
}

} // namespace

void WordColors::Set(std::u16string_view word, WordColor color, bool caseSensitive)
{
    if (word.empty()) {
        return;
    }
    if (caseSensitive) {
        m_exact[std::u16string(word)] = color;
    } else {
        m_blind[Folded(word)] = color;
    }
}

void WordColors::Remove(std::u16string_view word, bool caseSensitive)
{
    if (caseSensitive) {
        m_exact.erase(std::u16string(word));
    } else {
        m_blind.erase(Folded(word));
    }
}

void WordColors::Clear()
{
    m_exact.clear();
    m_blind.clear();
}

const WordColor* WordColors::Find(std::u16string_view word) const
{
    if (!m_exact.empty()) {
        const auto found = m_exact.find(std::u16string(word));
        if (found != m_exact.end()) {
            return &found->second;
        }
    }
    if (!m_blind.empty()) {
        const auto found = m_blind.find(Folded(word));
        if (found != m_blind.end()) {
            return &found->second;
        }
    }
    return nullptr;
}

} // namespace gvedit
