#pragma once
// The colour suite's fixture: the shared test frame with a spy on the colour
// messages its children send, an application that records node
// notifications, and a throttle clock that moves only by hand.
#include <memory>
#include <vector>

#include "GvColor.h"
#include "GvCore.h"
#include "GvFakeClock.h"
#include "MessageSpy.h"
#include "TestFrame.h"
#include "TestInput.h"
#include "TestPixels.h"

class ColorTest : public Win32WindowTest
{
protected:
    void SetUp() override
    {
        Win32WindowTest::SetUp();
        ASSERT_TRUE(m_frame.SetWindowPos(nullptr, 0, 0, 560, 420, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
        m_spy = std::make_unique<CMessageSpy>(m_frame.m_hWnd);
    }
    void TearDown() override
    {
        m_spy.reset();
        // The pickers' last notifications (a commit as the focus leaves)
        // come while the frame goes; their records are not leaks.
        if (m_frame.m_hWnd)
            m_frame.DestroyWindow();
        AfxPumpPendingMessages();
        m_app.ClearNodeChanges();
        Win32WindowTest::TearDown();
    }

    // The colour messages the frame received since the last Forget, in order.
    std::vector<UINT> Heard() const
    {
        return m_spy->Sequence(
            {GVM_VALUE_CHANGED, GVM_COLOR_CHANGED, GVM_CHILD_RESIZE, GVM_VALUE_CHANGE_START, GVM_VALUE_CHANGE_END});
    }
    int HeardCount(UINT message) const { return m_spy->Count(message); }
    void Forget() { m_spy->m_messages.clear(); }
    int NodeChangeCount() const { return m_app.GetNodeChanges().GetCount(); }

    GvFakeClock m_clock;
    GvApplication m_app;
    std::unique_ptr<CMessageSpy> m_spy;
};
