#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "GvUtilities.h"

namespace {

// One hook on one window, installed as a comctl32 subclass whose id is the
// hook itself. Invariant: a hook is in g_hooks exactly while its subclass is
// installed.
struct Hook
{
    HWND m_window;
    unsigned int m_message; // 0: every message (handlers only)
    GvMessageHandlerProc m_handler;
    void* m_context;
    HWND m_target; // intercepts: where the messages go
};

std::vector<Hook*> g_hooks;

LRESULT CALLBACK HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);

bool IsLive(Hook* hook)
{
    for (Hook* live : g_hooks)
        if (live == hook)
            return true;
    return false;
}

void Unhook(Hook* hook)
{
    for (size_t i = 0; i < g_hooks.size(); ++i)
        if (g_hooks[i] == hook) {
            g_hooks.erase(g_hooks.begin() + static_cast<ptrdiff_t>(i));
            RemoveWindowSubclass(hook->m_window, HookProc, reinterpret_cast<UINT_PTR>(hook));
            delete hook;
            return;
        }
}

bool Install(const Hook& prototype)
{
    if (!IsWindow(prototype.m_window))
        return false;
    Hook* hook = new Hook(prototype);
    if (!SetWindowSubclass(hook->m_window, HookProc, reinterpret_cast<UINT_PTR>(hook),
                           reinterpret_cast<DWORD_PTR>(hook))) {
        delete hook;
        return false;
    }
    g_hooks.push_back(hook);
    return true;
}

// The newest live hook that matches.
template <typename Match>
bool RemoveNewest(Match match)
{
    for (size_t i = g_hooks.size(); i-- > 0;)
        if (match(*g_hooks[i])) {
            Unhook(g_hooks[i]);
            return true;
        }
    return false;
}

LRESULT CALLBACK HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data)
{
    Hook* hook = reinterpret_cast<Hook*>(data);
    LRESULT result = 0;
    bool handled = false;
    if (hook->m_message == 0 || hook->m_message == message) {
        if (hook->m_handler) {
            GvMessageHandlerStruct record = {window, message, wParam, lParam, hook->m_context, 0};
            const long answer = hook->m_handler(&record);
            handled = record.m_handled != 0;
            result = answer;
        } else if (IsWindow(hook->m_target)) {
            result = SendMessageW(hook->m_target, message, wParam, lParam);
            handled = true;
        }
    }
    // The handler may have removed this very hook.
    if (message == WM_NCDESTROY && IsLive(hook))
        Unhook(hook);
    return handled ? result : DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

bool GvHandleMessage(GvMessageHandlerProc handler, void* context, GvHWND window, unsigned int message)
{
    return handler && Install(Hook{window, message, handler, context, nullptr});
}

bool GvRemoveMessageHandler(GvMessageHandlerProc handler, void* context, GvHWND window)
{
    return RemoveNewest(
        [&](const Hook& h) { return h.m_handler == handler && h.m_context == context && h.m_window == window; });
}

bool GvInterceptMessage(GvHWND window, GvHWND other, unsigned int message)
{
    return IsWindow(window) && window != other && message != 0
           && Install(Hook{other, message, nullptr, nullptr, window});
}

bool GvRemoveInterceptMessage(GvHWND window, GvHWND other, unsigned int message)
{
    return RemoveNewest([&](const Hook& h) {
        return !h.m_handler && h.m_target == window && h.m_window == other && h.m_message == message;
    });
}
