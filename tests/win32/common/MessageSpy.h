#pragma once
// Records, in order, every message one window receives, sent or posted,
// by subclassing it from construction to destruction (or to the window's
// end). Spies on different windows may live at once; end them in the
// reverse order of their making when they share a window.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <vector>

struct SpiedMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class CMessageSpy
{
public:
    explicit CMessageSpy(HWND hWnd);
    ~CMessageSpy();
    CMessageSpy(const CMessageSpy&) = delete;
    CMessageSpy& operator=(const CMessageSpy&) = delete;

    int Count(UINT message) const { return static_cast<int>(Of(message).size()); }
    // The messages of one kind, in order.
    std::vector<SpiedMessage> Of(UINT message) const;
    // Which of the listed messages came, in the order they came.
    std::vector<UINT> Sequence(std::initializer_list<UINT> messages) const;
    // Answers a message in place of the window, which then never sees it.
    void Answer(UINT message, LRESULT result) { m_answers[message] = result; }

    std::vector<SpiedMessage> m_messages;
    // Called as a message arrives, before the window handles it: to note
    // state that the handling will change.
    std::function<void(const SpiedMessage&)> m_onMessage;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Unhook();

    HWND m_hWnd;
    WNDPROC m_previous;
    std::map<UINT, LRESULT> m_answers;
};
