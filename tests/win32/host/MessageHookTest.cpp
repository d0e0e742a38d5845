#include <cstddef>
#include <tuple>
#include <vector>

#include "GvUtilities.h"
#include "HostWindowTest.h"

namespace {

// The icon menu reads the fields by position.
static_assert(offsetof(GvMessageHandlerStruct, m_hWnd) == 0, "window first");
static_assert(offsetof(GvMessageHandlerStruct, m_message) == sizeof(void*), "then the message");
static_assert(offsetof(GvMessageHandlerStruct, m_wParam) == 2 * sizeof(void*), "then wParam");
static_assert(offsetof(GvMessageHandlerStruct, m_lParam) == 3 * sizeof(void*), "then lParam");
static_assert(offsetof(GvMessageHandlerStruct, m_context) == 4 * sizeof(void*), "then the context");
static_assert(offsetof(GvMessageHandlerStruct, m_handled) == 5 * sizeof(void*), "then the handled byte");
static_assert(sizeof(GvMessageHandlerStruct::m_handled) == 1, "a byte");

// What one handler saw; it swallows the message named m_swallow.
struct Watcher
{
    std::vector<GvMessageHandlerStruct> m_seen;
    UINT m_swallow = 0;
    long m_answer = 0;
    std::vector<int>* m_order = nullptr;
    int m_name = 0;
};

long WatchProc(GvMessageHandlerStruct* message)
{
    Watcher* watcher = static_cast<Watcher*>(message->m_context);
    watcher->m_seen.push_back(*message);
    if (watcher->m_order)
        watcher->m_order->push_back(watcher->m_name);
    if (message->m_message == watcher->m_swallow) {
        message->m_handled = 1;
        return watcher->m_answer;
    }
    return 0;
}

int CountSeen(const Watcher& watcher, UINT message)
{
    int count = 0;
    for (const GvMessageHandlerStruct& seen : watcher.m_seen)
        count += seen.m_message == message;
    return count;
}

using MessageHookTest = HostWindowTest;

TEST_F(MessageHookTest, AHandlerSeesEveryMessageWithItsParametersAndContextAndMaySwallowIt)
{
    HWND window = CreateRecordingWindow(0, 0, 50, 50);
    Watcher watcher;
    ASSERT_TRUE(GvHandleMessage(WatchProc, &watcher, window, 0));
    SendMessageW(window, WM_USER + 7, 11, 22);
    SendMessageW(window, WM_USER + 8, 0, 0);
    ASSERT_EQ(2u, watcher.m_seen.size());
    const GvMessageHandlerStruct& seen = watcher.m_seen[0];
    EXPECT_EQ(
        std::make_tuple(GvHWND(window), WM_USER + 7u, uintptr_t(11), intptr_t(22), static_cast<void*>(&watcher), 0),
        std::make_tuple(seen.m_hWnd, seen.m_message, seen.m_wParam, seen.m_lParam, seen.m_context,
                        int(seen.m_handled)));
    EXPECT_EQ(1, Spy(window).Count(WM_USER + 7)) << "not swallowed: the window still gets it";

    // A filtered handler sees only its message.
    Watcher filtered;
    GvHandleMessage(WatchProc, &filtered, window, WM_USER + 3);
    SendMessageW(window, WM_USER + 2, 0, 0);
    SendMessageW(window, WM_USER + 3, 0, 0);
    SetWindowTextW(window, L"text");
    ASSERT_EQ(1u, filtered.m_seen.size());
    EXPECT_EQ(WM_USER + 3u, filtered.m_seen[0].m_message);

    // A swallowed message never reaches the window and gives the handler's result.
    filtered.m_swallow = WM_USER + 3;
    filtered.m_answer = 77;
    EXPECT_EQ(77, SendMessageW(window, WM_USER + 3, 0, 0));
    EXPECT_EQ(1, Spy(window).Count(WM_USER + 3));
    DestroyWindow(window); // while the watchers live
}

TEST_F(MessageHookTest, LaterHooksSeeFirstAndCanSwallowForTheEarlierOnes)
{
    HWND window = CreateRecordingWindow(0, 0, 50, 50);
    std::vector<int> order;
    Watcher first, second;
    first.m_order = second.m_order = &order;
    first.m_name = 1;
    second.m_name = 2;
    second.m_swallow = WM_USER + 9;
    GvHandleMessage(WatchProc, &first, window, 0);
    GvHandleMessage(WatchProc, &second, window, 0);
    SendMessageW(window, WM_USER + 4, 0, 0);
    SendMessageW(window, WM_USER + 9, 0, 0);
    EXPECT_EQ((std::vector<int>{2, 1, 2}), order);
    EXPECT_EQ(0, CountSeen(first, WM_USER + 9));
    DestroyWindow(window); // while the watchers live
}

TEST_F(MessageHookTest, RemovedAndDestroyedWindowsHooksEnd)
{
    HWND window = CreateRecordingWindow(0, 0, 50, 50);
    Watcher watcher;
    GvHandleMessage(WatchProc, &watcher, window, 0);
    EXPECT_TRUE(GvRemoveMessageHandler(WatchProc, &watcher, window));
    EXPECT_FALSE(GvRemoveMessageHandler(WatchProc, &watcher, window));
    SendMessageW(window, WM_USER, 0, 0);
    EXPECT_TRUE(watcher.m_seen.empty());

    GvHandleMessage(WatchProc, &watcher, window, 0);
    DestroyWindow(window);
    EXPECT_EQ(1, CountSeen(watcher, WM_NCDESTROY)) << "the hook sees the end of its window";
    EXPECT_FALSE(GvRemoveMessageHandler(WatchProc, &watcher, window)) << "and is gone with it";
    EXPECT_FALSE(GvHandleMessage(WatchProc, &watcher, window, 0));
    EXPECT_FALSE(GvHandleMessage(nullptr, &watcher, m_top, 0));
}

TEST_F(MessageHookTest, InterceptedCommandsOfAHostsControlsReachTheDialog)
{
    // The variable edit control's grid: controls live in a plain host window,
    // their notifications go to the dialog.
    HWND dialog = CreateRecordingWindow(0, 0, 300, 200);
    HWND host = CreateRecordingWindow(10, 10, 200, 100, dialog);
    HWND button = CreateControl(L"BUTTON", BS_PUSHBUTTON, 5, 5, 60, 20, host, 0x8001);
    ASSERT_TRUE(GvInterceptMessage(dialog, host, WM_COMMAND));
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(0, Spy(host).Count(WM_COMMAND));
    ASSERT_EQ(1, Spy(dialog).Count(WM_COMMAND));
    const SpiedMessage command = Spy(dialog).Of(WM_COMMAND)[0];
    EXPECT_EQ(MAKEWPARAM(0x8001, BN_CLICKED), command.wParam);
    EXPECT_EQ(reinterpret_cast<LPARAM>(button), command.lParam);
    // Other messages stay with the host; the dialog's result comes back.
    GvInterceptMessage(dialog, host, WM_USER + 5);
    Spy(dialog).Answer(WM_USER + 5, 1);
    EXPECT_EQ(1, SendMessageW(host, WM_USER + 5, 0, 0));
    SendMessageW(host, WM_USER + 6, 0, 0);
    EXPECT_EQ(std::make_tuple(1, 0), std::make_tuple(Spy(host).Count(WM_USER + 6), Spy(dialog).Count(WM_USER + 6)));

    EXPECT_TRUE(GvRemoveInterceptMessage(dialog, host, WM_COMMAND));
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(std::make_tuple(1, 1), std::make_tuple(Spy(host).Count(WM_COMMAND), Spy(dialog).Count(WM_COMMAND)));
}

TEST_F(MessageHookTest, NoInterceptOfItsOwnMessagesAndNoneBeyondItsReceiver)
{
    HWND dialog = CreateRecordingWindow(0, 0, 300, 200);
    HWND host = CreateRecordingWindow(10, 10, 200, 100);
    // It would send each such message to itself without end.
    ASSERT_FALSE(GvInterceptMessage(host, host, WM_USER + 1));
    SendMessageW(host, WM_USER + 1, 0, 0);
    EXPECT_EQ(1, Spy(host).Count(WM_USER + 1));
    GvInterceptMessage(dialog, host, WM_USER + 1);
    DestroyWindow(dialog);
    SendMessageW(host, WM_USER + 1, 0, 0);
    EXPECT_EQ(2, Spy(host).Count(WM_USER + 1)) << "with the receiver gone the host gets its message again";
    EXPECT_FALSE(GvInterceptMessage(dialog, host, WM_USER + 1));
}

} // namespace
