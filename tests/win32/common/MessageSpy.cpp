#include "MessageSpy.h"

#include <algorithm>

namespace {
std::map<HWND, CMessageSpy*>& Spies()
{
    static std::map<HWND, CMessageSpy*> spies;
    return spies;
}
} // namespace

CMessageSpy::CMessageSpy(HWND hWnd) : m_hWnd(hWnd)
{
    Spies()[hWnd] = this;
    m_previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CMessageSpy::Proc)));
}

CMessageSpy::~CMessageSpy()
{
    Unhook();
}

void CMessageSpy::Unhook()
{
    if (!m_hWnd)
        return;
    if (::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CMessageSpy::Proc))
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
    Spies().erase(m_hWnd);
    m_hWnd = nullptr;
}

std::vector<SpiedMessage> CMessageSpy::Of(UINT message) const
{
    std::vector<SpiedMessage> found;
    for (const SpiedMessage& m : m_messages)
        if (m.message == message)
            found.push_back(m);
    return found;
}

std::vector<UINT> CMessageSpy::Sequence(std::initializer_list<UINT> messages) const
{
    std::vector<UINT> sequence;
    for (const SpiedMessage& m : m_messages)
        if (std::find(messages.begin(), messages.end(), m.message) != messages.end())
            sequence.push_back(m.message);
    return sequence;
}

LRESULT CALLBACK CMessageSpy::Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CMessageSpy* spy = Spies().at(hWnd);
    const SpiedMessage spied = {message, wParam, lParam};
    spy->m_messages.push_back(spied);
    if (spy->m_onMessage)
        spy->m_onMessage(spied);
    const WNDPROC previous = spy->m_previous;
    const auto answer = spy->m_answers.find(message);
    if (answer != spy->m_answers.end())
        return answer->second;
    if (message == WM_NCDESTROY)
        spy->Unhook();
    return ::CallWindowProcW(previous, hWnd, message, wParam, lParam);
}
